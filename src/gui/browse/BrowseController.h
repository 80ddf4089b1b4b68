#pragma once
// The browsing subsystem: the video library of the chosen folder, the play list the category
// check boxes and the calendar select from it, the calendar's two modes, and the watch on the
// folder that takes vanished recordings out of the list. It owns the calendar and the file
// list panels; what a rebuilt play list means for the players is told by signals.

#include "CardBackupOffer.h"
#include "SCEventListenerProtocol.h"
#include "library/Playlist.h"
#include "library/VideoLibrary.h"

#include <QObject>
#include <QString>

class CalendarView;
class CardAnnouncer;
class FileListView;
class QWidget;
class SCEvents;

class BrowseController : public QObject, public SCEventListenerProtocol {
    Q_OBJECT
public:
    explicit BrowseController(QObject* parent = nullptr);
    ~BrowseController() override;

    void createPanels(QWidget* content, QWidget* window);
    void addObservers();
    // Back to the state of a new start: no library, no play list, all dates off.
    void reset();

    bool buildVideoLibrary(const QString& folder);
    void rebuildPlaylist();
    void checkLastVideoDate();
    bool checkDualCameraFolder();
    void showCalendar(bool show);
    void onButtonBrowse();
    void openFolder(const QString& folder);

    // Folder monitoring (BrowseMonitor.cpp).
    void startMonitorFolder(const QString& folder);
    void stopMonitorFolder();
    void pathWatcher(SCEvents* pathWatcher, const SCEvent& event) override;
    void onMonitorFolder();
    void noteRemovals(const SCEvent& event);
    // A file removed a moment ago is known to the play list before the watch delivers it.
    void catchUpRemovals();

    // Some library recording, of any category, was made on that day (the calendar's marks).
    bool isMediaExistByDate(int year, int month, int day) const;
    // Replaces the library as a scan would leave it, without scanning.
    void setVideoLib(std::vector<AMediaFile> files);
    // Selects the recording's day in the calendar and rebuilds the play list for it; the
    // recording's row, or -1 when the library does not hold it.
    int showRecording(const QString& path);
    // The file list's selection and play mark.
    int selectedRow() const;
    void selectRow(int row, bool scroll);
    void showPlayMark(int row);

    const VideoLibrary& videoLib() const { return mVideoLib; }
    const Playlist& playlist() const { return mPlaylist; }
    const QString& currentFolder() const { return mCurFolder; }
    CalendarView* calendarView() const { return mCalendarView; }
    FileListView* fileListView() const { return mFileListView; }
    double calendarHeight() const { return mCalendarHeight; }
    SCEvents* folderEvents() const { return _events; }
    CardAnnouncer* cardAnnouncer() const { return mCardAnnouncer; }
    // What the question about an inserted card offers beside opening it.
    void setCardBackupOffer(CardBackupOffer offer);
    void setRightToLeft(bool rightToLeft) { bR2L = rightToLeft; }
    void changeLanguage();
    void loadSkinBitmap();

signals:
    // Before the play list is replaced: whatever is open from it must close.
    void playlistWillChange();
    // The new play list is shown; whether it holds front and rear pairs.
    void playlistChanged(bool dualCamera);
    // Recordings vanished from the shown play list; playback must not go on meanwhile.
    void recordingsVanished();

private:
    PlaylistFilter playlistFilter() const;
    static bool isReadableFolder(const QString& folder);
    bool isShownFrom(const QString& volume) const;

    QWidget* mWindow = nullptr;
    FileListView* mFileListView = nullptr;
    CalendarView* mCalendarView = nullptr;
    double mCalendarHeight = 0; // lower by the folded month grid in list mode
    VideoLibrary mVideoLib;
    Playlist mPlaylist;
    QString mCurFolder;
    bool m_bAllFile = false;
    bool m_bCheckFolder = false;
    bool bR2L = false;
    SCEvents* _events = nullptr;
    CardAnnouncer* mCardAnnouncer = nullptr;
    CardBackupOffer mCardBackupOffer; // for the announcer, made at the first library build
};
