// The browsing subsystem's folder monitoring: the folder shown is watched, and recordings that vanish
// from it (files deleted, the folder removed or renamed, the card unmounted) leave the play
// list. New files are not added: the library is built again only when a folder is chosen.
#include "BrowseController.h"

#include "CalendarView.h"

#include "CardAnnouncer.h"
#include "LogText.h"
#include "SCEvents.h"
#include "WaitingWindow/WaitingWindowController.h"
#include "library/FolderEventFlags.h"
#include "library/WatchedPaths.h"
#include "util/FileQueries.h"
#include "util/MissingFolderMemo.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

void BrowseController::startMonitorFolder(const QString& folder)
{
    pmWriteLogText("AppDelegate::startMonitorFolder() - " + folder);
    if (_events) {
        _events->stopWatchingPaths();
    } else {
        _events = new SCEvents(this);
        _events->setDelegate(this);
        // Cards are announced from the first library build on, for the life of the program.
        mCardAnnouncer = new CardAnnouncer(
            mWindow, [this](const QString& volume) { openFolder(volume); },
            [this](const QString& volume) { return isShownFrom(volume); }, this);
        mCardAnnouncer->setBackupOffer(mCardBackupOffer);
    }
    QStringList paths;
    for (const std::string& path : pmMonitorPaths(folder.toStdString()))
        paths << QString::fromStdString(path);
    // Deliveries and the reaction below run on the main thread.
    _events->startWatchingPaths(paths, QCoreApplication::instance()->thread());
    // With every removal reported, a play list need not look up each recording on disk.
    mVideoLib.setWatched(_events->watchesEveryFolder());
}

void BrowseController::setCardBackupOffer(CardBackupOffer offer)
{
    mCardBackupOffer = std::move(offer);
    if (mCardAnnouncer)
        mCardAnnouncer->setBackupOffer(mCardBackupOffer);
}

void BrowseController::stopMonitorFolder()
{
    if (_events)
        _events->stopWatchingPaths();
    mVideoLib.setWatched(false);
}

void BrowseController::pathWatcher(SCEvents*, const SCEvent& event)
{
    pmWriteLog("AppDelegate::pathWatcher() - " + event.description());
    const int flags = event.eventFlags();
    noteRemovals(event);
    if (flags == kFolderEventRootChanged || flags == kFolderEventUnmount) {
        pmWriteLog("Folder is removed or unmounted - " + event.eventPath());
        onMonitorFolder();
    } else if (flags & (kFolderEventItemRemoved | kFolderEventItemRenamed)) {
        pmWriteLog("Folder is removed or rename - " + event.eventPath());
        onMonitorFolder();
    }
}

void BrowseController::noteRemovals(const SCEvent& event)
{
    const int flags = event.eventFlags();
    if (flags & kFolderEventKernelDropped)
        mVideoLib.setWatched(false); // some removals may never be told
    else if (flags & (kFolderEventRootChanged | kFolderEventUnmount | kFolderEventItemRemoved | kFolderEventItemRenamed))
        mVideoLib.markVanishedUnder(event.eventPath());
}

void BrowseController::catchUpRemovals()
{
    if (!_events || !mVideoLib.isWatched())
        return;
    for (const SCEvent& event : _events->pendingEvents())
        noteRemovals(event);
}

void BrowseController::onMonitorFolder()
{
    if (m_bCheckFolder)
        pmWriteLog("AppDelegate::OnMonitorFolder() - Rentry, it is checking...");
    m_bCheckFolder = true;
    pmWriteLog("AppDelegate::OnMonitorFolder() - start");
    // A pulled card takes whole folders with it: each is looked up once, not each file in it.
    const MissingFolderMemo memo;
    if (!mPlaylist.empty() && !mPlaylist.isAllMediaExist()) {
        pmWriteLog("AppDelegate::OnMonitorFolder() - Ready to VideoLibIsReady()");
        emit recordingsVanished();
        mCalendarView->VideoLibIsReady();
        pmWriteLog("AppDelegate::OnMonitorFolder() - Ready to CheckLastVideoDate");
        checkLastVideoDate();
        pmWriteLog("AppDelegate::OnMonitorFolder() - Ready to RebuildPlayList");
        pmStartWait();
        rebuildPlaylist();
        pmEndWait();
    }
    m_bCheckFolder = false;
    pmWriteLog("AppDelegate::OnMonitorFolder() - end");
}

// Shown means built from that volume while it was there.
bool BrowseController::isShownFrom(const QString& volume) const
{
    const auto& files = mVideoLib.videoLib();
    return pmIsAtOrBelow(QDir::cleanPath(mCurFolder).toStdString(), QDir::cleanPath(volume).toStdString()) &&
           std::any_of(files.begin(), files.end(), [](const AMediaFile& file) { return pmIsFileExist(file.URL()); });
}
