#include "MprisRootAdaptor.h"

#include "MprisService.h"

#include <QGuiApplication>

MprisRootAdaptor::MprisRootAdaptor(MprisService* service) : QDBusAbstractAdaptor(service), mService(service)
{
}

QString MprisRootAdaptor::identity() const
{
    return QGuiApplication::applicationDisplayName();
}

QString MprisRootAdaptor::desktopEntry() const
{
    return QGuiApplication::desktopFileName();
}

QStringList MprisRootAdaptor::supportedMimeTypes() const
{
    return {QStringLiteral("video/mp4"), QStringLiteral("video/quicktime"), QStringLiteral("video/x-msvideo"),
            QStringLiteral("inode/directory")};
}

void MprisRootAdaptor::Raise()
{
    mService->raise();
}

void MprisRootAdaptor::Quit()
{
    mService->quit();
}
