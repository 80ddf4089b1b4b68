#include "DesktopSession.h"

#include "AppDelegate.h"
#include "MainWindow.h"
#include "MainWindowLayout.h"
#include "MprisService.h"
#include "OpenTarget.h"
#include "RecentFolders.h"
#include "ScreenSaverInhibitor.h"
#include "WindowGeometry.h"

#include <QCoreApplication>
#include <QEvent>

DesktopSession::DesktopSession(AppDelegate& delegate, Mode mode, QObject* parent)
    : QObject(parent), mDelegate(delegate)
{
    MainWindow* window = delegate.mainWindow();
    connect(window, &MainWindow::openRequested, this,
            [this](const QString& folder, const QString& recording) { open(OpenTarget{folder, recording}); });
    if (mode == kOneOff)
        return;
    WindowGeometry::restore(*window);
    window->installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &DesktopSession::saveWindow);
    // The folder shown at launch is the newest recent one, even when it came from the
    // preferences rather than from a choice.
    connect(&delegate, &AppDelegate::launchFinished, this, [this] { RecentFolders::add(mDelegate.currentFolder()); });
    mMpris = new MprisService(delegate, QStringLiteral("korivmanager"), QDBusConnection::sessionBus(), this);
    mInhibitor = new ScreenSaverInhibitor(QDBusConnection::sessionBus(), this);
    connect(mMpris, &MprisService::playingChanged, mInhibitor, &ScreenSaverInhibitor::setInhibited);
}

DesktopSession::~DesktopSession() = default;

void DesktopSession::open(const OpenTarget& target)
{
    target.openIn(mDelegate);
}

void DesktopSession::saveWindow()
{
    // A full-screen frame is the controller's passing state, not the user's window.
    if (mDelegate.screenMode() == kScreenNormal && mDelegate.mainWindow()->isVisible())
        WindowGeometry::save(*mDelegate.mainWindow());
}

bool DesktopSession::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close)
        saveWindow();
    return QObject::eventFilter(watched, event);
}
