#pragma once
// The export of the clip marked on the time slider: its recordings found along the trip, read
// off the GUI thread, then the export dialog and the export behind the progress window. The
// marks' stretch across recordings is answered from the trips of the play list.

#include "export/ClipParts.h"

#include <QFutureWatcher>
#include <QObject>

#include <memory>
#include <string>
#include <vector>

class ClipExportFlow;
class PlaybackController;
class QWidget;
class TrackController;

class MarkedClipExport : public QObject {
    Q_OBJECT
public:
    MarkedClipExport(PlaybackController& playback, TrackController& track, QObject* parent = nullptr);
    ~MarkedClipExport() override;

    void setWindow(QWidget* window);
    // Pauses playback and offers the marked clip for export; false when the marks make no
    // clip or an export is being prepared or runs.
    bool exportMarkedClip();
    ClipExportFlow* flow() const { return mFlow.get(); }

private:
    struct Parts {
        std::vector<ClipPart> parts;
        std::string error;
    };
    void onPartsRead();

    PlaybackController& mPlayback;
    TrackController& mTrack;
    std::unique_ptr<ClipExportFlow> mFlow;
    QFutureWatcher<Parts> mReader;
};
