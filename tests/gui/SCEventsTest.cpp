// The folder watcher on its own: starting and stopping, flushing, excluded paths, a watch run
// on another thread's event loop, and a delegate that stops the watch while it is told.
#include "WaitFor.h"
#include "browse/SCEvents.h"
#include "library/FolderEventFlags.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

namespace {

class Listener : public SCEventListenerProtocol {
public:
    void pathWatcher(SCEvents* watcher, const SCEvent& event) override
    {
        std::lock_guard lock(mutex);
        events.push_back(event);
        threads.push_back(QThread::currentThread());
        if (stopOnFirst)
            watcher->stopWatchingPaths();
    }
    std::vector<SCEvent> taken()
    {
        std::lock_guard lock(mutex);
        return events;
    }

    std::mutex mutex;
    std::vector<SCEvent> events;
    std::vector<QThread*> threads;
    bool stopOnFirst = false;
};

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

class SCEventsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"DCIM/100F/a.MP4", "DCIM/100F/b.MP4", "DCIM/100R/c.MP4", "NMEA/a.NMEA"})
            touch(dir.filePath(name));
        events.setDelegate(&listener);
    }

    QTemporaryDir dir;
    Listener listener;
    SCEvents events;
};

} // namespace

TEST_F(SCEventsTest, StartsOnceStopsOnceAndDescribesItself)
{
    EXPECT_EQ(events.notificationLatency(), 1.0);
    EXPECT_TRUE(events.ignoreEventsFromSubDirs());
    EXPECT_EQ(events.resumeFromEventId(), ~std::uint64_t(0));
    EXPECT_FALSE(events.stopWatchingPaths());
    EXPECT_FALSE(events.flushEventStreamSync());
    EXPECT_FALSE(events.flushEventStreamAsync());
    EXPECT_TRUE(events.streamDescription().isEmpty());
    EXPECT_FALSE(events.startWatchingPaths({}));
    EXPECT_FALSE(events.startWatchingPaths({dir.filePath("missing")}));

    ASSERT_TRUE(events.startWatchingPaths({dir.path(), dir.filePath("DCIM")}));
    EXPECT_TRUE(events.isWatchingPaths());
    EXPECT_FALSE(events.startWatchingPaths({dir.path()}));
    EXPECT_EQ(events.description(), QString("<SCEvents { watchedPaths = (\"%1\", \"%2\"), excludedPaths = () } >")
                                        .arg(dir.path(), dir.filePath("DCIM")));
    // Both trees share their folders: each is watched once.
    EXPECT_TRUE(events.streamDescription().contains("watched folders = 5")) << events.streamDescription().toStdString();
    EXPECT_TRUE(events.stopWatchingPaths());
    EXPECT_FALSE(events.isWatchingPaths());
    EXPECT_FALSE(events.stopWatchingPaths());
}

TEST_F(SCEventsTest, FlushDeliversAtOnceDeepInTheTreeAndExcludedPathsAreDropped)
{
    events.setNotificationLatency(60);
    events.setExcludedPaths({dir.filePath("NMEA")});
    ASSERT_TRUE(events.startWatchingPaths({dir.path()}));
    ASSERT_TRUE(QFile::remove(dir.filePath("NMEA/a.NMEA")));
    ASSERT_TRUE(QFile::remove(dir.filePath("DCIM/100R/c.MP4")));
    ASSERT_TRUE(QFile::rename(dir.filePath("DCIM/100F/a.MP4"), dir.filePath("DCIM/100F/z.MP4")));
    ASSERT_TRUE(events.flushEventStreamSync());
    const std::vector<SCEvent> got = listener.taken();
    ASSERT_EQ(got.size(), 3u); // the removal, and the two halves of the rename
    EXPECT_EQ(got[0].eventPath(), dir.filePath("DCIM/100R/c.MP4").toStdString());
    EXPECT_EQ(got[0].eventFlags(), kFolderEventItemRemoved);
    EXPECT_EQ(got[1].eventPath(), dir.filePath("DCIM/100F/a.MP4").toStdString());
    EXPECT_EQ(got[1].eventFlags(), kFolderEventItemRenamed);
    EXPECT_EQ(got[2].eventPath(), dir.filePath("DCIM/100F/z.MP4").toStdString());
    EXPECT_LT(got[0].eventId(), got[1].eventId());
    EXPECT_EQ(events.lastEvent().eventId(), got[2].eventId());

    // Without ignoring sub-folders only the excluded path itself is dropped.
    events.stopWatchingPaths();
    events.setIgnoreEventsFromSubDirs(false);
    ASSERT_TRUE(events.startWatchingPaths({dir.path()}));
    touch(dir.filePath("NMEA/b.NMEA"));
    ASSERT_TRUE(QFile::remove(dir.filePath("NMEA/b.NMEA")));
    ASSERT_TRUE(events.flushEventStreamAsync());
    EXPECT_TRUE(waitFor([&] { return listener.taken().size() == 4; }));
    EXPECT_EQ(listener.taken().back().eventPath(), dir.filePath("NMEA/b.NMEA").toStdString());
}

TEST_F(SCEventsTest, RemovingTheRootReportsTheRootChanged)
{
    const QString root = dir.filePath("DCIM");
    ASSERT_TRUE(events.startWatchingPaths({root}));
    ASSERT_TRUE(QDir(root).removeRecursively());
    EXPECT_TRUE(waitFor([&] {
        const std::vector<SCEvent> got = listener.taken();
        return !got.empty() && got.back().eventFlags() == kFolderEventRootChanged;
    }));
    EXPECT_EQ(listener.taken().back().eventPath(), root.toStdString());
}

TEST_F(SCEventsTest, AWatchOnAnotherThreadDeliversThereAndFlushWaitsForIt)
{
    QThread loop;
    loop.start();
    events.setNotificationLatency(60);
    ASSERT_TRUE(events.startWatchingPaths({dir.path()}, &loop));
    // The stream starts reading once that loop runs what was queued to it, in order.
    QObject onLoop;
    onLoop.moveToThread(&loop);
    QMetaObject::invokeMethod(&onLoop, [] {}, Qt::BlockingQueuedConnection);
    ASSERT_TRUE(QFile::remove(dir.filePath("DCIM/100F/b.MP4")));
    ASSERT_TRUE(events.flushEventStreamSync());
    const std::vector<SCEvent> got = listener.taken();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(listener.threads.front(), &loop);
    EXPECT_TRUE(events.stopWatchingPaths());
    loop.quit();
    loop.wait();
}

TEST_F(SCEventsTest, ADelegateThatStopsTheWatchHearsNoMoreOfTheBatch)
{
    listener.stopOnFirst = true;
    events.setNotificationLatency(60);
    ASSERT_TRUE(events.startWatchingPaths({dir.path()}));
    ASSERT_TRUE(QFile::remove(dir.filePath("DCIM/100F/a.MP4")));
    ASSERT_TRUE(QFile::remove(dir.filePath("DCIM/100F/b.MP4")));
    ASSERT_TRUE(events.flushEventStreamSync());
    EXPECT_EQ(listener.taken().size(), 1u);
    EXPECT_FALSE(events.isWatchingPaths());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the stream is released from its loop
    EXPECT_TRUE(events.startWatchingPaths({dir.path()}));
}
