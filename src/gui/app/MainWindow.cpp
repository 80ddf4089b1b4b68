#include "MainWindow.h"

#include "AppDelegate.h"
#include "LocalizedText.h"

#include <QApplication>
#include <QCloseEvent>
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
    buildMenuBar();
    changeLanguage();
}

void MainWindow::changeLanguage()
{
    setWindowTitle(pmLoadString("IDR_MAINFRAME"));
    mFileMenu->setTitle(pmLoadString("IDS_MENU_FILE"));
    mOpenAction->setText(pmLoadString("IDS_OPEN"));
    mQuitAction->setText(pmLoadString("IDS_QUIT"));
    mHelpMenu->setTitle(pmLoadString("IDS_MENU_HELP"));
    mUpdateAction->setText(pmLoadString("IDS_CHECK_FOR_UPDATES"));
    mAboutAction->setText(pmLoadString("IDS_ABOUT"));
}

void MainWindow::buildMenuBar()
{
    // Texts come from changeLanguage, so that a language change reaches the menus too.
    mFileMenu = menuBar()->addMenu(QString());
    mOpenAction = mFileMenu->addAction(QString(), QKeySequence::Open, mDelegate, [this] { mDelegate->onButtonBrowse(); });
    mFileMenu->addSeparator();
    mQuitAction = mFileMenu->addAction(QString(), QKeySequence::Quit, qApp, &QCoreApplication::quit);
    mHelpMenu = menuBar()->addMenu(QString());
    mUpdateAction = mHelpMenu->addAction(QString(), mDelegate, [this] { mDelegate->updateMenuItemClicked(); });
    mHelpMenu->addSeparator();
    mAboutAction = mHelpMenu->addAction(QString(), mDelegate, [this] { mDelegate->onMenuAbout(); });
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
