#pragma once
// The journey across recordings: the trip of the open recording on the map (every recording's
// route, the open one stronger, events marked), its distance and driving time on the dashboard,
// a click on the route turned into a recording and a second to open, and the exports of a
// recording, its trip or its day. Grouping is quick and done at once; the trip's tracks are read
// on a worker (a day's drive is hundreds of files) and kept, so only the first drawing of a trip
// reads them and moving within a drawn trip costs one small script.

#include "TrackExportDialog.h"
#include "export/TrackExport.h"
#include "trips/ExportScope.h"
#include "trips/TrackCache.h"
#include "trips/TripIndex.h"

#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <memory>
#include <vector>

class MapView;
struct TripRead;

class TripController : public QObject {
    Q_OBJECT
public:
    explicit TripController(MapView* map, QObject* parent = nullptr);
    ~TripController() override;

    // The recordings trips are made of, in date order (the play list's entries, after every
    // rebuild). Positions in this list name recordings everywhere below. The drawn trip goes
    // when the list changes: its positions no longer hold.
    void setRecordings(std::vector<AMediaFile> entries);
    const std::vector<AMediaFile>& recordings() const { return *mEntries; }
    const TripIndex& index() const { return *mIndex; }

    // A recording was opened (its front, in dual playback): its trip goes to the map and the
    // dashboard, at once when it is the drawn trip, else once its tracks are read.
    void showTrip(int entry);
    // Nothing is open: no trip on the map or the dashboard.
    void clearTrip();
    // The trip drawn now, -1 for none.
    int shownTrip() const { return mShownTrip; }

    // The file names the export dialog suggests for the entry: its own name, its trip's first
    // and last ("FILE0001F-FILE0480F"), its day ("2026-03-10"); a trip or day holding nothing
    // but the entry is not offered.
    TrackExportDialog::Names exportNames(int entry) const;
    // Writes the scope around the entry; the file's name titles it. Reads the tracks it has not
    // kept yet, on the calling thread. False when nothing could be written.
    bool exportJourney(const QString& path, ExportFormat format, ExportScope scope, int entry);

signals:
    // The route was clicked: open this recording (its position) and seek to that second.
    void recordingClicked(int entry, int second);
    // A trip was drawn (entry: the open recording) and its figures shown.
    void tripShown(int entry);

private:
    void readTracksAhead();
    void onRouteClicked(int entry, int second);
    void onTripRead();
    int chainMember(int trip, int entry) const;

    MapView* mMap;
    std::shared_ptr<const std::vector<AMediaFile>> mEntries;
    std::shared_ptr<const TripIndex> mIndex;
    std::shared_ptr<TrackCache> mCache;
    // Bumped by every new list: a read-ahead of an older list stops.
    std::shared_ptr<std::atomic<int>> mListGeneration = std::make_shared<std::atomic<int>>(0);
    QFutureWatcher<std::shared_ptr<TripRead>> mReader;
    int mShownTrip = -1;
    int mRequest = 0; // the latest trip asked for; older reads are dropped
    // The trip being read and the recording to draw as the open one when it is: opening
    // another recording of it joins the read rather than starting another.
    int mReadingTrip = -1;
    int mReadingCurrent = -1;
};
