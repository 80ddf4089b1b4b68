#pragma once
// The single main window. Its content view is black and holds the panels, which the
// controller places by hand; size changes, closing and the first painting are reported to
// the controller, the window's delegate.

#include <QMainWindow>

class AppDelegate;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppDelegate* delegate);

    QWidget* contentView() const { return centralWidget(); }
    bool hasPainted() const { return mPainted; }
    void changeLanguage();

signals:
    void firstPainted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenuBar();
    void buildPlaybackMenu();
    QAction* addKeyAction(const QKeySequence& key, int qtKey);

    AppDelegate* mDelegate;
    QMenu* mFileMenu = nullptr;
    QMenu* mPlaybackMenu = nullptr;
    QMenu* mHelpMenu = nullptr;
    QAction* mOpenAction = nullptr;
    QAction* mQuitAction = nullptr;
    QAction* mPlayPauseAction = nullptr;
    QAction* mPreviousAction = nullptr;
    QAction* mNextAction = nullptr;
    QAction* mFullScreenAction = nullptr;
    QAction* mUpdateAction = nullptr;
    QAction* mAboutAction = nullptr;
    bool mPainted = false;
};
