#pragma once
// Keeps the screen on while a recording plays, through the desktop's
// org.freedesktop.ScreenSaver Inhibit and UnInhibit. Calls are asynchronous, so a desktop
// that is slow to answer never holds the window up; where no session bus or no screen saver
// service exists, nothing happens and nothing fails.

#include <QDBusConnection>
#include <QObject>

class ScreenSaverInhibitor : public QObject {
    Q_OBJECT
public:
    explicit ScreenSaverInhibitor(const QDBusConnection& bus = QDBusConnection::sessionBus(),
                                  QObject* parent = nullptr);
    ~ScreenSaverInhibitor() override;

    // The wish follows the playing state; the service is asked only when the wish changes.
    void setInhibited(bool inhibited);
    // The service granted an inhibition that is still held.
    bool isInhibiting() const { return mHolding; }

signals:
    // An Inhibit or UnInhibit call was answered (granted, refused or failed).
    void answered();

private:
    void requestInhibit();
    void release();

    QDBusConnection mBus;
    bool mWanted = false;
    bool mPending = false;  // an Inhibit call awaits its answer
    bool mHolding = false;  // the service granted mCookie
    uint mCookie = 0;
    bool mReportedMissing = false;
};
