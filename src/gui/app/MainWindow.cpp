#include "MainWindow.h"

#include "AppDelegate.h"
#include "LocalizedText.h"
#include "OpenTarget.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "RecentFoldersMenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMimeData>
#include <QMenuBar>
#include <QResizeEvent>

MainWindow::MainWindow(AppDelegate* delegate) : mDelegate(delegate)
{
    setObjectName("MainWindow");
    auto* content = new QWidget(this);
    content->setObjectName("ContentView");
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, Qt::black);
    content->setPalette(palette);
    content->setAutoFillBackground(true);
    content->installEventFilter(this);
    setCentralWidget(content);
    // The panels take no drops of their own, so a drop anywhere on them comes here.
    setAcceptDrops(true);
    buildMenuBar();
    changeLanguage();
}

void MainWindow::changeLanguage()
{
    setWindowTitle(pmLoadString("IDR_MAINFRAME"));
    mFileMenu->setTitle(pmLoadString("IDS_MENU_FILE"));
    mOpenAction->setText(pmLoadString("IDS_OPEN"));
    mRecentMenu->changeLanguage();
    mQuitAction->setText(pmLoadString("IDS_QUIT"));
    mExportAction->setText(pmLoadString("IDS_EXPORT_TO_KML"));
    mUnitMenu->setTitle(pmLoadString("IDS_CHANGE_SPEED_UNIT"));
    mPlaybackMenu->setTitle(pmLoadString("IDS_MENU_PLAYBACK"));
    mPlayPauseAction->setText(pmLoadString("IDS_PLAY"));
    mPreviousAction->setText(pmLoadString("IDS_PRE_VIDEO"));
    mNextAction->setText(pmLoadString("IDS_NEXT_VIDEO"));
    mFullScreenAction->setText(pmLoadString("IDS_FULL_SCREEN"));
    mHelpMenu->setTitle(pmLoadString("IDS_MENU_HELP"));
    mUpdateAction->setText(pmLoadString("IDS_CHECK_FOR_UPDATES"));
    mAboutAction->setText(pmLoadString("IDS_ABOUT"));
}

// The speed unit commands, tagged with their unit codes; the check mark follows the stored unit.
void MainWindow::buildUnitMenu()
{
    mUnitMenu = mFileMenu->addMenu(QString());
    for (int tag : {0, 1}) {
        QAction* action = mUnitMenu->addAction(tag == 0 ? "km/h" : "mph", mDelegate,
                                               [this, tag] { mDelegate->unitMenuItemClicked(tag); });
        action->setCheckable(true);
    }
    connect(mUnitMenu, &QMenu::aboutToShow, this, [this] {
        const int unit = pmGetProfileInt(kPrefSpeedUnit, kDefaultSpeedUnit);
        for (int tag : {0, 1})
            mUnitMenu->actions()[tag]->setChecked(tag == unit);
    });
}

void MainWindow::buildMenuBar()
{
    // Texts come from changeLanguage, so that a language change reaches the menus too.
    mFileMenu = menuBar()->addMenu(QString());
    mOpenAction = mFileMenu->addAction(QString(), QKeySequence::Open, mDelegate, [this] { mDelegate->onButtonBrowse(); });
    mRecentMenu = new RecentFoldersMenu(this);
    mFileMenu->addMenu(mRecentMenu);
    connect(mRecentMenu, &RecentFoldersMenu::folderChosen, this, [this](const QString& folder) { emit openRequested(folder, QString()); });
    mExportAction = mFileMenu->addAction(QString(), mDelegate, [this] { mDelegate->onButtonExport(); });
    buildUnitMenu();
    mFileMenu->addSeparator();
    mQuitAction = mFileMenu->addAction(QString(), QKeySequence::Quit, qApp, &QCoreApplication::quit);
    buildPlaybackMenu();
    mHelpMenu = menuBar()->addMenu(QString());
    mUpdateAction = mHelpMenu->addAction(QString(), mDelegate, [this] { mDelegate->updateMenuItemClicked(); });
    mHelpMenu->addSeparator();
    mAboutAction = mHelpMenu->addAction(QString(), mDelegate, [this] { mDelegate->onMenuAbout(); });
}

// The keys of any video player act anywhere in the window, also while the menu bar is
// hidden in full screen: each action belongs to the window itself as well as to the menu.
QAction* MainWindow::addKeyAction(const QKeySequence& key, int qtKey)
{
    auto* action = new QAction(this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, mDelegate, [this, qtKey] { mDelegate->handlePlaybackKey(qtKey); });
    addAction(action);
    return action;
}

void MainWindow::buildPlaybackMenu()
{
    mPlaybackMenu = menuBar()->addMenu(QString());
    mPlayPauseAction = addKeyAction(Qt::Key_Space, Qt::Key_Space);
    mPreviousAction = addKeyAction(Qt::Key_PageUp, Qt::Key_PageUp);
    mNextAction = addKeyAction(Qt::Key_PageDown, Qt::Key_PageDown);
    mFullScreenAction = addKeyAction(Qt::Key_F, Qt::Key_F);
    mPlaybackMenu->addActions({mPlayPauseAction, mPreviousAction, mNextAction});
    mPlaybackMenu->addSeparator();
    mPlaybackMenu->addAction(mFullScreenAction);
    addKeyAction(Qt::Key_Left, Qt::Key_Left);
    addKeyAction(Qt::Key_Right, Qt::Key_Right);
    addKeyAction(Qt::Key_Escape, Qt::Key_Escape);
    // Play or pause, as the play button would offer it now.
    connect(mPlaybackMenu, &QMenu::aboutToShow, this, [this] {
        mPlayPauseAction->setText(pmLoadString(mDelegate->getState() == 2 ? "IDS_PAUSE" : "IDS_PLAY"));
    });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget()) {
        if (event->type() == QEvent::Resize) {
            const QSize size = static_cast<QResizeEvent*>(event)->size();
            mDelegate->windowWillResize(size.width(), size.height() + int(22));
        } else if (event->type() == QEvent::Paint && !mPainted) {
            mPainted = true;
            emit firstPainted();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    mDelegate->windowWillClose();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized))
        mDelegate->windowShouldZoom(contentView()->width(), contentView()->height() + 22);
    QMainWindow::changeEvent(event);
}

// Only what names an existing folder or file is taken: anything else is refused at the door,
// so the pointer shows that the drop would do nothing.
void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!OpenTarget::fromUrls(event->mimeData()->urls()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const OpenTarget target = OpenTarget::fromUrls(event->mimeData()->urls());
    if (target.isEmpty())
        return;
    event->acceptProposedAction();
    emit openRequested(target.folder, target.recording);
}
