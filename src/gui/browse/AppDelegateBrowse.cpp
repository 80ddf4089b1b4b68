// The controller's library and play list: building the library from a folder, the play list
// for the chosen categories and day, and the calendar's two modes.
#include "AppDelegate.h"

#include "browse/CalendarView.h"
#include "browse/FileListView.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "MainWindow.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "Preferences.h"
#include "WaitingWindow/WaitingWindowController.h"
#include "library/CameraPairing.h"

#include <QFileDialog>
#include <QFileInfo>

void AppDelegate::createBrowsePanels(QWidget* content)
{
    // The calendar is as big as its background and starts with its month grid shown; the
    // window's first layout gives the file list panel its height.
    mCalendarView = new CalendarView(QRect(0, 0, 291, 241), content);
    mCalendarHeight = mCalendarView->calendarSize().height();
    mFileListView = new FileListView(QRect(0, 0, int(kFileListWidth), 300), content);
}

void AppDelegate::addBrowseObservers()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, kFileListViewCheckBoxNotification, [this](const Notification&) { rebuildPlaylist(); });
    center.addObserver(this, kCalendarSelChangedNotification, [this](const Notification&) { rebuildPlaylist(); });
    center.addObserver(this, kVideoFileIsRemoved, [this](const Notification&) { onMonitorFolder(); });
}

bool AppDelegate::buildVideoLibrary(const QString& folder)
{
    pmWriteLogText("AppDelegate::buildVideoLibrary - Start! - " + folder);
    pmStartWait();
    const size_t count = mVideoLib.build(folder.toStdString());
    // A card that is gone or a folder without read access reads as empty; say which.
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable())
        pmWriteLogText("AppDelegate::buildVideoLibrary - cannot read the folder - " + folder);
    startMonitorFolder(folder);
    pmWriteLogText(QString::asprintf("AppDelegate::buildVideoLibrary - found video count = %ld, bOK = %d", long(count), 1));
    mCalendarView->VideoLibIsReady();
    checkLastVideoDate();
    rebuildPlaylist();
    pmEndWait();
    pmWriteLog("AppDelegate::buildVideoLibrary - End !");
    return true;
}

void AppDelegate::setVideoLib(std::vector<AMediaFile> files)
{
    mVideoLib.setVideoLib(std::move(files));
}

bool AppDelegate::isMediaExistByDate(int year, int month, int day) const
{
    return mVideoLib.isMediaExistByDate(year, month, day);
}

PlaylistFilter AppDelegate::playlistFilter() const
{
    PlaylistFilter filter;
    filter.allDates = m_bAllFile;
    short year = 0, month = 0, day = 0;
    mCalendarView->GetSelectDay(year, month, day);
    filter.day = CalendarDate{year, month, day};
    filter.categories[VideoNormal] = mFileListView->isShowNormalFile();
    filter.categories[VideoEvent] = mFileListView->isShowEventFile();
    filter.categories[VideoParking] = mFileListView->isShowParkingFile();
    filter.categories[VideoTriplapse] = mFileListView->isShowTriplapseFile();
    filter.categories[VideoTimelapse] = mFileListView->isShowTimelapseFile();
    return filter;
}

void AppDelegate::rebuildPlaylist()
{
    pmWriteLog("AppDelegate::rebuildPlaylist - Start - Ready to call setCurPlaylistIndex:-1");
    setCurPlaylistIndex(-1, false);
    if (isDualCameraMode())
        setCurPlaylistIndex2(-1, false);
    pmWriteLog("AppDelegate::rebuildPlaylist - Ready to check if a video exist");
    mPlaylist = mVideoLib.buildPlaylist(playlistFilter());
    mFileListView->buildFileList(mPlaylist.entries());
    checkDualCameraFolder();
    m_nMotorType = 0;
    enableMediaButton(!mPlaylist.empty());
    pmWriteLogText(QString::asprintf("AppDelegate::rebuildPlaylist - video count = %ld", long(mPlaylist.count())));
}

void AppDelegate::checkLastVideoDate()
{
    if (const std::optional<CalendarDate> day = mVideoLib.lastVideoDate())
        mCalendarView->SetActivateDay(day->year, day->month, day->day);
}

bool AppDelegate::checkDualCameraFolder()
{
    pmWriteLog("AppDelegate::checkDualCameraFolder");
    const bool dual = ::checkDualCameraFolder(mPlaylist);
    enable2VideoWindow(dual);
    return dual;
}

void AppDelegate::showCalendar(bool show)
{
    // The mode button alternates; a repeated request must not fold the grid twice.
    if (show == !m_bAllFile)
        return;
    m_bAllFile = !show;
    const int delta = show ? CalendarView::kFoldHeight : -CalendarView::kFoldHeight;
    mCalendarHeight += delta;
    // y-up: the calendar's origin moves down by delta and its height grows by delta, so its
    // top edge stays; the file list below it loses the same height.
    QRect calendar = mCalendarView->geometry();
    calendar.setHeight(calendar.height() + delta);
    mCalendarView->setGeometry(calendar);
    mCalendarView->shrinkCalendarView(!show);
    QRect fileList = mFileListView->geometry();
    fileList.setTop(fileList.top() + delta);
    mFileListView->setGeometry(fileList);
    mFileListView->relayoutContents(bR2L, fileList.size());
    rebuildPlaylist();
}

void AppDelegate::onButtonBrowse()
{
    pmWriteLog("AppDelegate - onButtonBrowse()");
    auto* dialog = new QFileDialog(mWindow, pmLoadString("IDS_OPEN"), pmGetCurrentFolder());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Qt's own dialog would answer in English whatever the chosen language.
    dialog->setLabelText(QFileDialog::Accept, pmLoadString("IDS_OK"));
    dialog->setLabelText(QFileDialog::Reject, pmLoadString("IDS_CANCEL"));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QFileDialog::fileSelected, this, &AppDelegate::openFolder);
    dialog->open();
}

void AppDelegate::openFolder(const QString& folder)
{
    mCurFolder = folder;
    buildVideoLibrary(mCurFolder);
    pmSaveCurrentFolder(mCurFolder);
}

