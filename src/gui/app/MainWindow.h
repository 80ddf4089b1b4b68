#pragma once
// The single main window. Its content view is black and holds the panels, which the
// controller places by hand; size changes, closing and the first painting are reported to
// the controller, the window's delegate.

#include <QMainWindow>

class AppDelegate;
class RecentFoldersMenu;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppDelegate* delegate);

    QWidget* contentView() const { return centralWidget(); }
    bool hasPainted() const { return mPainted; }
    void changeLanguage();

    RecentFoldersMenu* recentFoldersMenu() const { return mRecentMenu; }

signals:
    void firstPainted();
    // A folder or a recording dropped on the window, or a recent folder chosen: the folder to
    // show as the browse button would, or the recording to play as --play would.
    void openRequested(const QString& folder, const QString& recording);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenuBar();
    void buildUnitMenu();
    void buildPlaybackMenu();
    QAction* addKeyAction(const QKeySequence& key, int qtKey);

    AppDelegate* mDelegate;
    QMenu* mFileMenu = nullptr;
    QMenu* mPlaybackMenu = nullptr;
    QMenu* mHelpMenu = nullptr;
    QAction* mOpenAction = nullptr;
    RecentFoldersMenu* mRecentMenu = nullptr;
    QAction* mQuitAction = nullptr;
    QAction* mExportAction = nullptr;
    QMenu* mUnitMenu = nullptr;
    QAction* mPlayPauseAction = nullptr;
    QAction* mPreviousAction = nullptr;
    QAction* mNextAction = nullptr;
    QAction* mFullScreenAction = nullptr;
    QAction* mUpdateAction = nullptr;
    QAction* mAboutAction = nullptr;
    bool mPainted = false;
};
