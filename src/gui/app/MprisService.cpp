#include "MprisService.h"

#include "AppDelegate.h"
#include "MprisPlayerAdaptor.h"
#include "MprisRootAdaptor.h"
#include "NotificationNames.h"
#include "OpenTarget.h"
#include "controls/MultiButtons.h"
#include "controls/PlayControlView.h"
#include "controls/Slider.h"
#include "util/Log.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFileInfo>
#include <QUrl>

#include <cmath>

namespace {

constexpr int kPollMs = 250;
constexpr double kMicroseconds = 1e6;
constexpr int kSpeedButtonStates = 5;
constexpr int kVolumeSteps = 10;
constexpr int kStatePlaying = 2;
constexpr int kStatePaused = 3;
// The position is read every half second in the controller; a jump is more than that can explain.
constexpr double kJumpSeconds = 2.0;

// The speed button's state whose rate is nearest.
int speedIndexFor(double rate)
{
    int best = 0;
    for (int index = 1; index < kSpeedButtonStates; ++index) {
        if (std::abs(AppDelegate::speedForButtonIndex(index) - rate) < std::abs(AppDelegate::speedForButtonIndex(best) - rate))
            best = index;
    }
    return best;
}

double extremeSpeed(bool highest)
{
    double extreme = AppDelegate::speedForButtonIndex(0);
    for (int index = 1; index < kSpeedButtonStates; ++index) {
        const double speed = AppDelegate::speedForButtonIndex(index);
        extreme = highest ? std::max(extreme, speed) : std::min(extreme, speed);
    }
    return extreme;
}

} // namespace

MprisService::MprisService(AppDelegate& delegate, const QString& name, const QDBusConnection& bus, QObject* parent)
    : QObject(parent), mDelegate(delegate), mBus(bus), mServiceName("org.mpris.MediaPlayer2." + name)
{
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
    mAnnounced = playerProperties();
    mPositionClock.start();
    connect(&mPollTimer, &QTimer::timeout, this, &MprisService::poll);
    mPollTimer.start(kPollMs);
    // A move by hand while paused is a jump the desktop's position display must hear of.
    connect(&mDelegate, &AppDelegate::selectedMovieCurrentTimeChanged, this, [this](double seconds) {
        if (!mMoving)
            announceSeek(seconds);
    });
    if (!mBus.isConnected()) {
        pmWriteLog("MprisService - no session bus, the desktop's media controls are not offered");
        return;
    }
    mRegistered = mBus.registerObject(kObjectPath, this, QDBusConnection::ExportAdaptors)
                  && mBus.registerService(mServiceName);
    if (mRegistered)
        return;
    // The name is taken (another program of the user's on this bus): the object goes too.
    pmWriteLog("MprisService - cannot register " + mServiceName.toStdString() + ": " + mBus.lastError().message().toStdString());
    mBus.unregisterObject(kObjectPath);
}

MprisService::~MprisService()
{
    if (mRegistered) {
        mBus.unregisterService(mServiceName);
        mBus.unregisterObject(kObjectPath);
    }
}

// ---- What is reported ----

QString MprisService::trackId() const
{
    const int index = mDelegate.getCurPlayIndex();
    return index < 0 ? QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack")
                     : QStringLiteral("/org/korivmanager/track/%1").arg(index);
}

QVariantMap MprisService::metadata() const
{
    QVariantMap data{{"mpris:trackid", QVariant::fromValue(QDBusObjectPath(trackId()))}};
    const int index = mDelegate.getCurPlayIndex();
    if (!mDelegate.playlist().isValidIndex(index))
        return data;
    const QString path = QString::fromStdString(mDelegate.playlist().at(index).URL());
    data["xesam:title"] = QFileInfo(path).fileName();
    data["xesam:url"] = QUrl::fromLocalFile(path).toString();
    data["mpris:length"] = qint64(std::llround(mDelegate.selectedMovieDuration() * kMicroseconds));
    return data;
}

QVariantMap MprisService::playerProperties() const
{
    const int state = mDelegate.getState();
    const int count = mDelegate.playlist().count();
    const bool open = mDelegate.getCurPlayIndex() >= 0;
    return {
        {"PlaybackStatus", state == kStatePlaying ? "Playing" : state == kStatePaused ? "Paused" : "Stopped"},
        {"Metadata", metadata()},
        {"Rate", double(mDelegate.playSpeed())},
        {"MinimumRate", extremeSpeed(false)},
        {"MaximumRate", extremeSpeed(true)},
        {"Volume", double(mDelegate.volume()) / kVolumeSteps},
        // Next and previous wrap round a play list of two or more.
        {"CanGoNext", count >= 2},
        {"CanGoPrevious", count >= 2},
        {"CanPlay", count > 0},
        {"CanPause", open},
        {"CanSeek", open && mDelegate.selectedMovieDuration() > 0},
        {"CanControl", true},
    };
}

qint64 MprisService::positionMicroseconds() const
{
    return qint64(std::llround(mDelegate.selectedMovieCurrentTime() * kMicroseconds));
}

bool MprisService::isPlaying() const
{
    return mDelegate.getState() == kStatePlaying;
}

void MprisService::noticeJump(bool sameRecording)
{
    const double position = mDelegate.selectedMovieCurrentTime();
    const double run = mPlaying ? double(mPositionClock.elapsed()) / 1000.0 * mDelegate.playSpeed() : 0.0;
    if (sameRecording && std::abs(position - (mLastPosition + run)) > kJumpSeconds)
        announceSeek(position);
    mLastPosition = position;
    mPositionClock.restart();
}

void MprisService::announceSeek(double seconds)
{
    emit seeked(qint64(std::llround(seconds * kMicroseconds)));
    mLastPosition = seconds;
    mPositionClock.restart();
}

void MprisService::poll()
{
    const QVariantMap now = playerProperties();
    noticeJump(now.value("Metadata") == mAnnounced.value("Metadata"));
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (mAnnounced.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    mAnnounced = now;
    const bool playing = now.value("PlaybackStatus") == "Playing";
    if (playing != mPlaying) {
        mPlaying = playing;
        emit playingChanged(playing);
    }
    if (changed.isEmpty() || !mRegistered)
        return;
    QDBusMessage signal = QDBusMessage::createSignal(kObjectPath, "org.freedesktop.DBus.Properties", "PropertiesChanged");
    signal << QString::fromLatin1(kPlayerInterface) << changed << QStringList();
    mBus.send(signal);
}

// ---- Commands ----

void MprisService::raise()
{
    mDelegate.applicationShouldHandleReopen();
}

void MprisService::quit()
{
    QCoreApplication::quit();
}

void MprisService::play()
{
    if (!isPlaying())
        mDelegate.onButtonPlay();
}

void MprisService::pause()
{
    mDelegate.pausePlayback();
}

// As the space key does.
void MprisService::playPause()
{
    if (isPlaying())
        pause();
    else
        play();
}

// The players are paused and go back to the start, so a later Play starts the recording over.
void MprisService::stop()
{
    if (mDelegate.getCurPlayIndex() < 0)
        return;
    mDelegate.pausePlayback();
    mDelegate.onStop();
    moveTo(0);
}

void MprisService::next()
{
    mDelegate.onButtonNext(true);
}

void MprisService::previous()
{
    mDelegate.onButtonPrev();
}

// As a drag of the time slider does: slider, time, map and G-sensor cursor all follow.
void MprisService::moveTo(int seconds)
{
    mDelegate.playbarView()->poTimeSlider()->setCurrentValue(seconds);
    mMoving = true;
    mDelegate.onSliderChanged(seconds, kSliderTypeTime);
    mMoving = false;
    announceSeek(seconds);
}

void MprisService::seek(qint64 offsetMicroseconds)
{
    if (!playerProperties().value("CanSeek").toBool())
        return;
    const double target = mDelegate.selectedMovieCurrentTime() + double(offsetMicroseconds) / kMicroseconds;
    if (target > mDelegate.selectedMovieDuration()) {
        next();
        return;
    }
    moveTo(int(std::max(0.0, target)));
}

void MprisService::setPosition(const QString& track, qint64 positionMicroseconds)
{
    const double target = double(positionMicroseconds) / kMicroseconds;
    // A position meant for a recording that is no longer open is stale.
    if (track != trackId() || target < 0 || target > mDelegate.selectedMovieDuration()
        || !playerProperties().value("CanSeek").toBool())
        return;
    moveTo(int(target));
}

void MprisService::openUri(const QString& uri)
{
    const OpenTarget target = OpenTarget::fromArgument(uri);
    if (!target.isEmpty())
        target.openIn(mDelegate);
}

// As presses of the speed button do: the button shows the speed and the controller takes it.
void MprisService::setRate(double rate)
{
    if (rate <= 0) {
        pause();
        return;
    }
    MultiButtons* button = mDelegate.playbarView()->poSpeedBtn();
    button->setButtonIndex(speedIndexFor(rate));
    mDelegate.onButtonSpeed();
}

// As a move of the volume slider does, which also stores the volume.
void MprisService::setVolume(double volume)
{
    const int level = int(std::lround(std::clamp(volume, 0.0, 1.0) * kVolumeSteps));
    mDelegate.playbarView()->poVolumeSlider()->setCurrentValue(level);
    mDelegate.onSliderChanged(level, kSliderTypeVolume);
}
