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
    mOpenAction->setText(pmLoadString("IDS_OPEN"));
    mAboutAction->setText(pmLoadString("IDS_ABOUT"));
}

void MainWindow::buildMenuBar()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    mOpenAction = file->addAction(QString(), QKeySequence::Open, mDelegate, [this] { mDelegate->onButtonBrowse(); });
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, qApp, &QCoreApplication::quit);
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("Check for Updates…"), mDelegate, [this] { mDelegate->updateMenuItemClicked(); });
    help->addSeparator();
    mAboutAction = help->addAction(QString(), mDelegate, [this] { mDelegate->onMenuAbout(); });
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
