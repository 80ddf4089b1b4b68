#include "MarkedClipExport.h"

#include "ClipExportFlow.h"
#include "LocalizedText.h"
#include "MessageBox.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "display/TrackController.h"
#include "display/TripController.h"
#include "playback/PlaybackController.h"
#include "trips/TripStretch.h"

#include <QtConcurrent/QtConcurrentRun>

MarkedClipExport::MarkedClipExport(PlaybackController& playback, TrackController& track, QObject* parent)
    : QObject(parent), mPlayback(playback), mTrack(track)
{
    // Asked when a mark is set: the trips exist once the panels do.
    mPlayback.clipMarks().setStretch([this](int first, int last) {
        const TripController* trips = mTrack.trips();
        std::string error;
        return trips ? pmTripChainBetween(trips->index(), trips->recordings(), first, last, error) : std::vector<int>{};
    });
    connect(&mReader, &QFutureWatcher<Parts>::finished, this, &MarkedClipExport::onPartsRead);
}

MarkedClipExport::~MarkedClipExport()
{
    mReader.waitForFinished();
}

void MarkedClipExport::setWindow(QWidget* window)
{
    mFlow = std::make_unique<ClipExportFlow>(window);
}

bool MarkedClipExport::exportMarkedClip()
{
    const ClipMarks& marks = mPlayback.clipMarks();
    const TripController* trips = mTrack.trips();
    const std::vector<int> entries = marks.recordings();
    if (entries.empty() || !trips || !mFlow || mFlow->isRunning() || mReader.isRunning())
        return false;
    mPlayback.pausePlayback();
    std::vector<std::string> paths;
    for (int entry : entries)
        paths.push_back(trips->recordings()[size_t(entry)].URL());
    const double from = marks.in().seconds;
    const double to = marks.out().seconds;
    // Every recording's length and track are read from the card: not on the GUI thread.
    mReader.setFuture(QtConcurrent::run([paths = std::move(paths), from, to] {
        Parts read;
        read.parts = pmClipParts(paths, from, to, read.error);
        return read;
    }));
    return true;
}

void MarkedClipExport::onPartsRead()
{
    Parts read = mReader.result();
    if (read.parts.empty()) {
        pmMessageBox(QStringLiteral("%1\n%2").arg(pmLoadString("IDS_ERR_CLIP_RANGE"), QString::fromStdString(read.error)));
        return;
    }
    mFlow->start(std::move(read.parts), pmGetProfileInt(kPrefSpeedUnit, kDefaultSpeedUnit));
}
