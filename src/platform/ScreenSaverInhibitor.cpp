#include "ScreenSaverInhibitor.h"

#include "util/Log.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const char* const kService = "org.freedesktop.ScreenSaver";
const char* const kPath = "/org/freedesktop/ScreenSaver";
const char* const kInterface = "org.freedesktop.ScreenSaver";
const char* const kReason = "Playing a recording";

QDBusMessage screenSaverCall(const char* method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), mBus(bus)
{
}

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    release();
}

void ScreenSaverInhibitor::setInhibited(bool inhibited)
{
    mWanted = inhibited;
    if (inhibited && !mHolding && !mPending)
        requestInhibit();
    else if (!inhibited)
        release();
}

void ScreenSaverInhibitor::requestInhibit()
{
    if (!mBus.isConnected())
        return;
    QDBusMessage call = screenSaverCall("Inhibit");
    call << QCoreApplication::applicationName() << QString::fromLatin1(kReason);
    mPending = true;
    auto* watcher = new QDBusPendingCallWatcher(mBus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        mPending = false;
        const QDBusPendingReply<uint> reply = *finished;
        if (reply.isError()) {
            // Said once: a desktop without the service answers every call the same way.
            if (!mReportedMissing)
                pmWriteLog("ScreenSaverInhibitor - the screen saver cannot be held off: " + reply.error().message().toStdString());
            mReportedMissing = true;
        } else {
            mCookie = reply.value();
            mHolding = true;
            // Paused or stopped while the call was on its way.
            if (!mWanted)
                release();
        }
        emit answered();
    });
}

void ScreenSaverInhibitor::release()
{
    if (!mHolding)
        return;
    QDBusMessage call = screenSaverCall("UnInhibit");
    call << mCookie;
    mHolding = false;
    auto* watcher = new QDBusPendingCallWatcher(mBus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        emit answered();
    });
}
