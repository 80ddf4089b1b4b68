// The media controls on the session bus, called through the bus from a connection of their
// own as a desktop's media applet would: status, metadata and every command, observed in the
// controller's state and the play bar. Needs a session bus (ctest runs these under
// dbus-run-session); skipped without one.
#include "GuiTestSupport.h"
#include "TestClips.h"

#include "MainWindow.h"
#include "MprisService.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "controls/MultiButtons.h"
#include "controls/PlayControlView.h"
#include "controls/Slider.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const char* const kPlayer = "org.mpris.MediaPlayer2.Player";
const char* const kProperties = "org.freedesktop.DBus.Properties";

// Collects the PropertiesChanged signals the client connection hears.
class PropertiesListener : public QObject {
    Q_OBJECT
public:
    QList<QVariantMap> changes;
    QList<qlonglong> seeks;
public slots:
    void seeked(qlonglong position) { seeks << position; }
    void changed(const QString& interface, const QVariantMap& properties, const QStringList&)
    {
        if (interface == kPlayer)
            changes << properties;
    }
};

class MprisTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus: the media controls are tested under dbus-run-session";
        const QDateTime start = QDateTime::currentDateTime().addSecs(-3600);
        for (int i = 1; i <= 3; ++i) {
            const QString path = dir.filePath(QString("DCIM/100F/FILE000%1F.MP4").arg(i));
            QDir().mkpath(QFileInfo(path).path());
            ClipOptions options;
            options.seconds = 10;
            ASSERT_TRUE(writeTestClip(path.toStdString(), options));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.setFileTime(start.addSecs(60 * i), QFileDevice::FileModificationTime);
        }
        app = launchApplication(dir.path());
        name = QString("korivmanager.instance%1").arg(QCoreApplication::applicationPid());
        service = std::make_unique<MprisService>(*app, name);
        ASSERT_TRUE(service->isRegistered());
        client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "mpris-test-client");
        ASSERT_TRUE(client.connect(service->serviceName(), MprisService::kObjectPath, kProperties, "PropertiesChanged",
                                   &listener, SLOT(changed(QString, QVariantMap, QStringList))));
        ASSERT_TRUE(client.connect(service->serviceName(), MprisService::kObjectPath, kPlayer, "Seeked", &listener,
                                   SLOT(seeked(qlonglong))));
    }
    void TearDown() override
    {
        QDBusConnection::disconnectFromBus("mpris-test-client");
        service.reset();
        app.reset();
    }
    // A call through the bus; the event loop runs meanwhile, so the service can answer.
    QDBusMessage call(const char* interface, const char* method, const QVariantList& arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service->serviceName(), MprisService::kObjectPath, interface, method);
        message.setArguments(arguments);
        QDBusPendingCall pending = client.asyncCall(message);
        EXPECT_TRUE(QTest::qWaitFor([&pending] { return pending.isFinished(); }, kWaitMs)) << method;
        EXPECT_FALSE(pending.isError()) << method << " " << pending.error().message().toStdString();
        return pending.reply();
    }
    QVariant get(const char* property, const char* interface = kPlayer)
    {
        const QDBusMessage reply = call(kProperties, "Get", {QString(interface), QString(property)});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    void set(const char* property, const QVariant& value)
    {
        call(kProperties, "Set", {QString(kPlayer), QString(property), QVariant::fromValue(QDBusVariant(value))});
    }
    QVariantMap metadata() { return qdbus_cast<QVariantMap>(get("Metadata")); }
    bool waitFor(const std::function<bool()>& test) { return QTest::qWaitFor(test, kWaitMs); }
    bool heardChange(const char* property, const QVariant& value)
    {
        return waitFor([&] {
            for (const QVariantMap& change : listener.changes) {
                if (change.contains(property) && change.value(property) == value)
                    return true;
            }
            return false;
        });
    }
    QString recording(int index) const { return QString::fromStdString(app->playlist().at(index).URL()); }

    QTemporaryDir dir;
    std::unique_ptr<AppDelegate> app;
    QString name;
    std::unique_ptr<MprisService> service;
    QDBusConnection client{QString()};
    PropertiesListener listener;
};

} // namespace

TEST_F(MprisTest, IdentityAndStoppedStateBeforeAnythingIsOpen)
{
    EXPECT_EQ(get("Identity", "org.mpris.MediaPlayer2").toString(), QApplication::applicationDisplayName());
    EXPECT_TRUE(get("CanRaise", "org.mpris.MediaPlayer2").toBool());
    EXPECT_EQ(get("PlaybackStatus").toString(), "Stopped");
    EXPECT_TRUE(get("CanGoNext").toBool());
    EXPECT_FALSE(get("CanSeek").toBool());
    EXPECT_DOUBLE_EQ(get("MinimumRate").toDouble(), 0.25);
    EXPECT_DOUBLE_EQ(get("MaximumRate").toDouble(), 2.0);
    EXPECT_EQ(metadata().value("mpris:trackid").value<QDBusObjectPath>().path(), "/org/mpris/MediaPlayer2/TrackList/NoTrack");

    // A closed window comes back, as a click on the program's icon brings it.
    app->mainWindow()->close();
    call("org.mpris.MediaPlayer2", "Raise");
    EXPECT_TRUE(app->mainWindow()->isVisible());
}

TEST_F(MprisTest, PlayPauseAndStepOpenAndDriveRecordingsAsTheButtonsWould)
{
    PlayControlView* bar = app->playbarView();
    QSignalSpy playing(service.get(), &MprisService::playingChanged); // what keeps the screen on
    call(kPlayer, "Play"); // nothing open: the list's selection is opened
    ASSERT_TRUE(waitFor([this] { return app->playersShowSecond(-1); }));
    EXPECT_EQ(app->getState(), 2);
    EXPECT_EQ(get("PlaybackStatus").toString(), "Playing");
    EXPECT_TRUE(heardChange("PlaybackStatus", "Playing"));
    const QVariantMap data = metadata();
    EXPECT_EQ(data.value("xesam:title").toString(), QFileInfo(recording(app->getCurPlayIndex())).fileName());
    EXPECT_EQ(data.value("xesam:url").toString(), QUrl::fromLocalFile(recording(app->getCurPlayIndex())).toString());
    EXPECT_EQ(data.value("mpris:length").toLongLong(), 10000000);
    EXPECT_TRUE(get("CanSeek").toBool());

    call(kPlayer, "PlayPause");
    EXPECT_EQ(app->getState(), 3);
    EXPECT_EQ(bar->poPlayBtn()->getCurButtonIndex(), 0); // the play image, as after a click
    EXPECT_TRUE(heardChange("PlaybackStatus", "Paused"));
    call(kPlayer, "PlayPause");
    EXPECT_EQ(app->getState(), 2);
    EXPECT_EQ(bar->poPlayBtn()->getCurButtonIndex(), 1);
    call(kPlayer, "Pause");
    EXPECT_EQ(app->getState(), 3);
    EXPECT_TRUE(QTest::qWaitFor([&playing] { return playing.size() >= 2 && !playing.last()[0].toBool(); }, kWaitMs));
    ASSERT_GE(playing.size(), 2);
    EXPECT_TRUE(playing[0][0].toBool());
    EXPECT_FALSE(playing.last()[0].toBool());

    const int first = app->getCurPlayIndex();
    listener.changes.clear();
    call(kPlayer, "Next");
    EXPECT_EQ(app->getCurPlayIndex(), first + 1);
    EXPECT_TRUE(waitFor([this] {
        return std::any_of(listener.changes.begin(), listener.changes.end(),
                           [](const QVariantMap& change) { return change.contains("Metadata"); });
    }));
    EXPECT_EQ(metadata().value("xesam:title").toString(), QFileInfo(recording(first + 1)).fileName());
    call(kPlayer, "Previous");
    call(kPlayer, "Previous"); // wraps round to the last
    EXPECT_EQ(app->getCurPlayIndex(), first == 0 ? 2 : first - 1);
}

TEST_F(MprisTest, SeekPositionRateAndVolumeGoThroughTheSlidersAndTheSpeedButton)
{
    PlayControlView* bar = app->playbarView();
    app->dblClickFile(0);
    ASSERT_TRUE(waitFor([this] { return app->playersShowSecond(-1); }));
    call(kPlayer, "Pause");

    const QString track = metadata().value("mpris:trackid").value<QDBusObjectPath>().path();
    call(kPlayer, "SetPosition", {QVariant::fromValue(QDBusObjectPath(track)), qlonglong(4000000)});
    EXPECT_EQ(app->selectedMovieCurrentTime(), 4);
    EXPECT_EQ(bar->poTimeSlider()->getCurrentValue(), 4);
    EXPECT_EQ(get("Position").toLongLong(), 4000000);
    EXPECT_EQ(app->getState(), 3); // a move while paused stays paused
    call(kPlayer, "Seek", {qlonglong(-3000000)});
    EXPECT_EQ(app->selectedMovieCurrentTime(), 1);
    EXPECT_TRUE(waitFor([this] { return listener.seeks.size() >= 2; }));
    QTest::qWait(600); // a poll or two: nothing is announced twice
    EXPECT_EQ(listener.seeks, (QList<qlonglong>{4000000, 1000000}));
    // A position for another recording than the open one is stale and ignored.
    call(kPlayer, "SetPosition", {QVariant::fromValue(QDBusObjectPath("/org/korivmanager/track/9")), qlonglong(2000000)});
    EXPECT_EQ(app->selectedMovieCurrentTime(), 1);

    set("Rate", 1.4); // the nearest of the five speeds
    EXPECT_FLOAT_EQ(app->playSpeed(), 1.5f);
    EXPECT_EQ(bar->poSpeedBtn()->getCurButtonIndex(), 1);
    EXPECT_TRUE(heardChange("Rate", 1.5));
    set("Rate", 0.1);
    EXPECT_FLOAT_EQ(app->playSpeed(), 0.25f);

    const int level = app->volume() == 3 ? 7 : 3; // a change from the stored volume
    set("Volume", level / 10.0);
    EXPECT_EQ(app->volume(), level);
    EXPECT_EQ(bar->poVolumeSlider()->getCurrentValue(), level);
    EXPECT_EQ(pmGetProfileInt(kPrefVolume, -1), level);
    EXPECT_TRUE(heardChange("Volume", level / 10.0));

    // The keys move the position while playing: the desktop hears of the jump.
    call(kPlayer, "Play");
    listener.seeks.clear();
    app->handlePlaybackKey(Qt::Key_Right);
    EXPECT_TRUE(waitFor([this] { return !listener.seeks.isEmpty(); }));
    EXPECT_GE(listener.seeks.value(0), 5000000);
    call(kPlayer, "Stop");
    EXPECT_EQ(app->getState(), 3);
    EXPECT_EQ(app->selectedMovieCurrentTime(), 0);
    EXPECT_EQ(bar->poTimeSlider()->getCurrentValue(), 0);
}

TEST_F(MprisTest, PlayerctlTogglesPlayback)
{
    const QString playerctl = QStandardPaths::findExecutable("playerctl");
    if (playerctl.isEmpty())
        GTEST_SKIP() << "playerctl is not installed";
    app->dblClickFile(0);
    ASSERT_TRUE(waitFor([this] { return app->playersShowSecond(-1); }));
    QProcess process;
    process.start(playerctl, {"-p", name, "play-pause"});
    ASSERT_TRUE(waitFor([&process] { return process.state() == QProcess::NotRunning; }));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(app->getState(), 3);
    process.start(playerctl, {"-p", name, "metadata", "xesam:title"});
    ASSERT_TRUE(waitFor([&process] { return process.state() == QProcess::NotRunning; }));
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()).trimmed(), QFileInfo(recording(0)).fileName());
}

#include "MprisTest.moc"
