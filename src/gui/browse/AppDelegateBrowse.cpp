// The controller's library and play list: building the library from a folder, the play list
// for the chosen categories and day, and the calendar's two modes.
#include "AppDelegate.h"

#include "LocalizedText.h"
#include "LogText.h"
#include "MainWindow.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "PanelHost.h"
#include "Preferences.h"
#include "WaitingWindow/WaitingWindowController.h"
#include "library/CameraPairing.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

// The calendar's month grid folds away in list mode by this much.
constexpr int kCalendarFoldHeight = 209;

} // namespace

void AppDelegate::createBrowsePanels(QWidget* content)
{
    mFileListView = new PanelHost("fileListView", QColor(0x1c, 0x1c, 0x1c), content);
    mFileListView->setBackgroundImageName("bg_calendar_title.png", PanelHost::Fill::TwoBands);
    mCalendarView = new PanelHost("calendarView", QColor(0x14, 0x14, 0x14), content);
    mCalendarView->setBackgroundImageName("calendar_background.png", PanelHost::Fill::AtTop);
    // The calendar starts with its month grid shown, as big as its background.
    mCalendarHeight = sizeOr(mCalendarView->backgroundSize(), 291, 241).height();
}

void AppDelegate::addBrowseObservers()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, kFileListViewCheckBoxNotification, [this](const Notification&) { rebuildPlaylist(); });
    center.addObserver(this, kCalendarSelChangedNotification, [this](const Notification&) { rebuildPlaylist(); });
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
    pmWriteLogText(QString::asprintf("AppDelegate::buildVideoLibrary - found video count = %ld, bOK = %d", long(count), 1));
    checkLastVideoDate();
    rebuildPlaylist();
    pmEndWait();
    pmWriteLog("AppDelegate::buildVideoLibrary - End !");
    return true;
}

PlaylistFilter AppDelegate::playlistFilter() const
{
    PlaylistFilter filter;
    filter.allDates = m_bAllFile;
    filter.day = mSelectedDay.value_or(CalendarDate{});
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
    checkDualCameraFolder();
    m_nMotorType = 0;
    enableMediaButton(!mPlaylist.empty());
    pmWriteLogText(QString::asprintf("AppDelegate::rebuildPlaylist - video count = %ld", long(mPlaylist.count())));
}

void AppDelegate::checkLastVideoDate()
{
    if (const std::optional<CalendarDate> day = mVideoLib.lastVideoDate())
        mSelectedDay = day;
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
    const int delta = show ? kCalendarFoldHeight : -kCalendarFoldHeight;
    mCalendarHeight += delta;
    // y-up: the calendar's origin moves down by delta and its height grows by delta, so its
    // top edge stays; the file list below it loses the same height.
    QRect calendar = mCalendarView->geometry();
    calendar.setHeight(calendar.height() + delta);
    mCalendarView->setGeometry(calendar);
    QRect fileList = mFileListView->geometry();
    fileList.setTop(fileList.top() + delta);
    mFileListView->setGeometry(fileList);
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

