#include "MprisPlayerAdaptor.h"

#include "MprisService.h"

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService* service) : QDBusAbstractAdaptor(service), mService(service)
{
    connect(service, &MprisService::seeked, this, &MprisPlayerAdaptor::Seeked);
}

QVariant MprisPlayerAdaptor::reported(const char* name) const
{
    return mService->playerProperties().value(QLatin1String(name));
}

void MprisPlayerAdaptor::setRate(double rate)
{
    mService->setRate(rate);
}

void MprisPlayerAdaptor::setVolume(double volume)
{
    mService->setVolume(volume);
}

qlonglong MprisPlayerAdaptor::position() const
{
    return mService->positionMicroseconds();
}

void MprisPlayerAdaptor::Next()
{
    mService->next();
}

void MprisPlayerAdaptor::Previous()
{
    mService->previous();
}

void MprisPlayerAdaptor::Pause()
{
    mService->pause();
}

void MprisPlayerAdaptor::PlayPause()
{
    mService->playPause();
}

void MprisPlayerAdaptor::Stop()
{
    mService->stop();
}

void MprisPlayerAdaptor::Play()
{
    mService->play();
}

void MprisPlayerAdaptor::Seek(qlonglong offset)
{
    mService->seek(offset);
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong position)
{
    mService->setPosition(trackId.path(), position);
}

void MprisPlayerAdaptor::OpenUri(const QString& uri)
{
    mService->openUri(uri);
}
