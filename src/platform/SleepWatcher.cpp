#include "SleepWatcher.h"

#include "util/Log.h"

#include <QDBusConnection>
#include <QDBusError>

SleepWatcher::SleepWatcher(QObject* parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        pmWriteLog("SleepWatcher - no system bus, sleep and wake are not watched: "
                   + bus.lastError().message().toStdString());
        return;
    }
    mWatching = bus.connect("org.freedesktop.login1", "/org/freedesktop/login1",
                            "org.freedesktop.login1.Manager", "PrepareForSleep", this,
                            SLOT(onPrepareForSleep(bool)));
    if (!mWatching)
        pmWriteLog("SleepWatcher - PrepareForSleep could not be watched");
}

void SleepWatcher::onPrepareForSleep(bool start)
{
    if (start)
        emit willSleep();
    else
        emit didWake();
}
