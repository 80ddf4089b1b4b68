#pragma once
// The desktop's media controls and the keyboard's media keys: the MPRIS 2 interfaces on the
// session bus (org.mpris.MediaPlayer2.korivmanager). Every command goes through the
// controller's own operations, the ones the play bar, its sliders and the keys use, so the
// play bar and the log show what a click would. The controller's state is read back four
// times a second and the properties that changed are announced (PropertiesChanged); the
// playing state is also offered to whoever keeps the screen on.

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

class AppDelegate;

class MprisService : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";
    static constexpr const char* kPlayerInterface = "org.mpris.MediaPlayer2.Player";

    // name follows "org.mpris.MediaPlayer2."; a test adds an instance part of its own.
    MprisService(AppDelegate& delegate, const QString& name = QStringLiteral("korivmanager"),
                 const QDBusConnection& bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);
    ~MprisService() override;

    // The bus answers to the name; false without a session bus or when the name is taken.
    bool isRegistered() const { return mRegistered; }
    QString serviceName() const { return mServiceName; }

    // The player interface's properties that are announced when they change.
    QVariantMap playerProperties() const;
    qint64 positionMicroseconds() const;
    bool isPlaying() const;

    // org.mpris.MediaPlayer2
    void raise();
    void quit();
    // org.mpris.MediaPlayer2.Player
    void play();
    void pause();
    void playPause();
    void stop();
    void next();
    void previous();
    void seek(qint64 offsetMicroseconds);
    void setPosition(const QString& trackId, qint64 positionMicroseconds);
    void openUri(const QString& uri);
    // The nearest of the play bar's speeds; 0 pauses, as the interface asks.
    void setRate(double rate);
    void setVolume(double volume);

signals:
    void playingChanged(bool playing);
    void seeked(qint64 positionMicroseconds);

private:
    void poll();
    // A jump of the play position that the rate does not explain (a key, the time slider) is
    // announced, so the desktop's position display follows it.
    void noticeJump(bool sameRecording);
    void moveTo(int seconds);
    void announceSeek(double seconds);
    QString trackId() const;
    QVariantMap metadata() const;

    AppDelegate& mDelegate;
    QDBusConnection mBus;
    QString mServiceName;
    bool mRegistered = false;
    QTimer mPollTimer;
    QVariantMap mAnnounced;
    bool mPlaying = false;
    double mLastPosition = 0;
    bool mMoving = false; // a move of ours, announced once when done
    QElapsedTimer mPositionClock;
};
