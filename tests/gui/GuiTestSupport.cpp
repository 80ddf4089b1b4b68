#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "VideoFixtures.h"
#include "playback/VideoPlayerView.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

std::unique_ptr<AppDelegate> launchApplication(const QString& folder)
{
    auto delegate = std::make_unique<AppDelegate>();
    delegate->setConnectivityCheck([] { return false; });
    delegate->setLaunchFolder(folder);
    delegate->awakeFromNib();
    delegate->applicationWillFinishLaunching();
    delegate->mainWindow()->show();
    delegate->applicationDidFinishLaunching();
    return delegate;
}

void writeRecording(const QString& folder, const QString& relativePath, int daysAgo)
{
    const QString path = QDir(folder).filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::string bytes = makeMp4();
    file.write(bytes.data(), qint64(bytes.size()));
    file.flush(); // a later flush would move the modification time again
    file.setFileTime(QDateTime::currentDateTime().addDays(-daysAgo), QFileDevice::FileModificationTime);
}

bool waitForClockTicks(VideoPlayerView* view, int ticks)
{
    // The view's one timer of its own; the player's timers are the player's children.
    auto* clock = view->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
    if (!clock)
        return false;
    QSignalSpy timeouts(clock, &QTimer::timeout);
    return waitFor([&] { return timeouts.size() >= ticks; });
}
