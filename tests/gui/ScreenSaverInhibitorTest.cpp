// The screen kept on while a recording plays: Inhibit and UnInhibit reach a screen saver
// service on the session bus as playback starts and stops, and nothing fails without one.
// Needs a session bus (ctest runs these under dbus-run-session); skipped without one.
#include "GuiTestSupport.h"

#include "ScreenSaverInhibitor.h"

#include <QDBusConnection>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {


// A desktop's screen saver, on a bus connection of its own.
class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QSet<uint> held;
    uint nextCookie = 0; // a real service may well hand out 0
    QString lastApplication;
public slots:
    uint Inhibit(const QString& application, const QString&)
    {
        lastApplication = application;
        held.insert(nextCookie);
        return nextCookie++;
    }
    void UnInhibit(uint cookie) { held.remove(cookie); }
};

class ScreenSaverInhibitorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus: the screen saver calls are tested under dbus-run-session";
    }
    void TearDown() override { QDBusConnection::disconnectFromBus("fake-screensaver"); }
    bool offerService()
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake-screensaver");
        return bus.registerObject("/org/freedesktop/ScreenSaver", &service, QDBusConnection::ExportAllSlots)
               && bus.registerService("org.freedesktop.ScreenSaver");
    }
    static bool answered(QSignalSpy& spy, qsizetype count)
    {
        return QTest::qWaitFor([&] { return spy.size() >= count; }, kWaitMs);
    }

    FakeScreenSaver service;
};

} // namespace

TEST_F(ScreenSaverInhibitorTest, HeldWhilePlayingAndReleasedOnPause)
{
    ASSERT_TRUE(offerService());
    ScreenSaverInhibitor inhibitor;
    QSignalSpy spy(&inhibitor, &ScreenSaverInhibitor::answered);
    inhibitor.setInhibited(true);
    inhibitor.setInhibited(true); // asked once however often playing is reported
    ASSERT_TRUE(answered(spy, 1));
    EXPECT_TRUE(inhibitor.isInhibiting());
    EXPECT_EQ(service.held, QSet<uint>{0});
    EXPECT_EQ(service.lastApplication, QCoreApplication::applicationName());

    inhibitor.setInhibited(false);
    ASSERT_TRUE(answered(spy, 2));
    EXPECT_FALSE(inhibitor.isInhibiting());
    EXPECT_TRUE(service.held.isEmpty());
    EXPECT_EQ(service.nextCookie, 1u);
}

TEST_F(ScreenSaverInhibitorTest, APauseBeforeTheAnswerStillReleasesTheGrant)
{
    ASSERT_TRUE(offerService());
    ScreenSaverInhibitor inhibitor;
    QSignalSpy spy(&inhibitor, &ScreenSaverInhibitor::answered);
    inhibitor.setInhibited(true);
    inhibitor.setInhibited(false); // the Inhibit call is still on its way
    ASSERT_TRUE(answered(spy, 2));
    EXPECT_FALSE(inhibitor.isInhibiting());
    EXPECT_TRUE(service.held.isEmpty());

    // Ending the program while playing lets the screen saver go again.
    {
        ScreenSaverInhibitor playing;
        QSignalSpy granted(&playing, &ScreenSaverInhibitor::answered);
        playing.setInhibited(true);
        ASSERT_TRUE(answered(granted, 1));
        EXPECT_EQ(service.held.size(), 1);
    }
    EXPECT_TRUE(QTest::qWaitFor([this] { return service.held.isEmpty(); }, kWaitMs));
}

TEST_F(ScreenSaverInhibitorTest, WithoutAScreenSaverNothingFails)
{
    ScreenSaverInhibitor inhibitor;
    QSignalSpy spy(&inhibitor, &ScreenSaverInhibitor::answered);
    inhibitor.setInhibited(true);
    ASSERT_TRUE(answered(spy, 1));
    EXPECT_FALSE(inhibitor.isInhibiting());
    inhibitor.setInhibited(false);
    inhibitor.setInhibited(true); // tried again at the next play
    ASSERT_TRUE(answered(spy, 2));
    EXPECT_FALSE(inhibitor.isInhibiting());
}

#include "ScreenSaverInhibitorTest.moc"
