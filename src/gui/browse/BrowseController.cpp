#include "BrowseController.h"

#include "CalendarView.h"
#include "FileListView.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "MessageBox.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "Preferences.h"
#include "WaitingWindow/WaitingWindowController.h"
#include "controls/FileDialog.h"
#include "library/CameraPairing.h"
#include "util/FileQueries.h"

#include <QFileDialog>
#include <QFileInfo>

BrowseController::BrowseController(QObject* parent) : QObject(parent) {}

BrowseController::~BrowseController()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

void BrowseController::createPanels(QWidget* content, QWidget* window)
{
    mWindow = window;
    // The calendar is as big as its background and starts with its month grid shown; the
    // window's first layout gives the file list panel its height.
    mCalendarView = new CalendarView(QRect(0, 0, 291, 241), content);
    mCalendarView->setDayMarks([this](int year, int month, int day) { return isMediaExistByDate(year, month, day); });
    mCalendarHeight = mCalendarView->calendarSize().height();
    mFileListView = new FileListView(QRect(0, 0, 291, 300), content);
}

void BrowseController::addObservers()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.removeObserver(this);
    center.addObserver(this, kFileListViewCheckBoxNotification, [this](const Notification&) { rebuildPlaylist(); });
    center.addObserver(this, kCalendarSelChangedNotification, [this](const Notification&) { rebuildPlaylist(); });
    center.addObserver(this, kCalendarModeChangedNotification,
                       [this](const Notification& n) { showCalendar(n.object.toBool()); });
    center.addObserver(this, kVideoFileIsRemoved, [this](const Notification&) {
        // Found gone before the watch told: the library learns it here.
        mVideoLib.markVanishedUnder(mCurFolder.toStdString());
        onMonitorFolder();
    });
}

void BrowseController::reset()
{
    m_bAllFile = false;
    m_bCheckFolder = false;
    mCurFolder = pmGetCurrentFolder();
    mPlaylist.clearPlayList();
    mVideoLib.clearVideoLibrary();
}

bool BrowseController::buildVideoLibrary(const QString& folder)
{
    pmWriteLogText("AppDelegate::buildVideoLibrary - Start! - " + folder);
    pmStartWait();
    const size_t count = mVideoLib.build(folder.toStdString());
    // A card that is gone or a folder without read access reads as empty; say which.
    if (!isReadableFolder(folder))
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

bool BrowseController::isReadableFolder(const QString& folder)
{
    return pmCanListFolder(folder.toStdString());
}

void BrowseController::setVideoLib(std::vector<AMediaFile> files)
{
    mVideoLib.setVideoLib(std::move(files));
}

bool BrowseController::isMediaExistByDate(int year, int month, int day) const
{
    return mVideoLib.isMediaExistByDate(year, month, day);
}

PlaylistFilter BrowseController::playlistFilter() const
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

void BrowseController::rebuildPlaylist()
{
    pmWriteLog("AppDelegate::rebuildPlaylist - Start - Ready to call setCurPlaylistIndex:-1");
    emit playlistWillChange();
    pmWriteLog("AppDelegate::rebuildPlaylist - Ready to check if a video exist");
    catchUpRemovals();
    mPlaylist = mVideoLib.buildPlaylist(playlistFilter());
    mFileListView->buildFileList(mPlaylist.entries());
    emit playlistChanged(checkDualCameraFolder());
    pmWriteLogText(QString::asprintf("AppDelegate::rebuildPlaylist - video count = %ld", long(mPlaylist.count())));
}

void BrowseController::checkLastVideoDate()
{
    if (const std::optional<CalendarDate> day = mVideoLib.lastVideoDate())
        mCalendarView->SetActivateDay(day->year, day->month, day->day);
}

bool BrowseController::checkDualCameraFolder()
{
    pmWriteLog("AppDelegate::checkDualCameraFolder");
    return ::checkDualCameraFolder(mPlaylist);
}

void BrowseController::showCalendar(bool show)
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

void BrowseController::onButtonBrowse()
{
    pmWriteLog("AppDelegate - onButtonBrowse()");
    QFileDialog* dialog = pmFolderDialog(mWindow, pmLoadString("IDS_OPEN"), pmGetCurrentFolder(), pmLoadString("IDS_OK"));
    connect(dialog, &QFileDialog::fileSelected, this, &BrowseController::openFolder);
    dialog->open();
}

void BrowseController::openFolder(const QString& folder)
{
    mCurFolder = folder;
    buildVideoLibrary(mCurFolder);
    pmSaveCurrentFolder(mCurFolder);
    // A folder chosen by the user that shows nothing because it cannot be read is told; the
    // stored folder of a start may simply not exist yet.
    if (!isReadableFolder(folder))
        pmShowMessageSheet(mWindow, QStringLiteral("%1\n%2").arg(pmLoadString("IDS_ERR_FOLDER_UNREADABLE"), folder));
}

int BrowseController::showRecording(const QString& path)
{
    const QString wanted = QFileInfo(path).canonicalFilePath();
    const auto isWanted = [&wanted](const AMediaFile& f) {
        return QFileInfo(QString::fromStdString(f.URL())).canonicalFilePath() == wanted;
    };
    const auto& files = mVideoLib.videoLib();
    const auto file = std::find_if(files.begin(), files.end(), isWanted);
    if (wanted.isEmpty() || file == files.end())
        return -1;
    if (file->fileDate()) {
        const CalendarDate day = pmCalendarDate(*file->fileDate());
        mCalendarView->SetActivateDay(day.year, day.month, day.day);
    }
    rebuildPlaylist();
    for (int i = 0; i < mPlaylist.count(); ++i)
        if (isWanted(mPlaylist.at(i)))
            return i;
    return -1;
}

int BrowseController::selectedRow() const
{
    return mFileListView->getCurSel();
}

void BrowseController::selectRow(int row, bool scroll)
{
    mFileListView->setCurSel(row, scroll);
}

void BrowseController::showPlayMark(int row)
{
    mFileListView->showPlayMark(row);
}

void BrowseController::changeLanguage()
{
    mCalendarView->changeLanguage();
    mFileListView->changeLanguage();
}

void BrowseController::loadSkinBitmap()
{
    mCalendarView->loadSkinBitmap();
    mFileListView->loadSkinBitmap();
}
