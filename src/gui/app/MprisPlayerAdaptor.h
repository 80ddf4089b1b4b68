#pragma once
// org.mpris.MediaPlayer2.Player: the transport commands and the state of the open recording.
// Track ids are object paths, as the interface wants them.

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>

class MprisService;

class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate WRITE setRate)
    Q_PROPERTY(double MinimumRate READ minimumRate)
    Q_PROPERTY(double MaximumRate READ maximumRate)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ canGoNext)
    Q_PROPERTY(bool CanGoPrevious READ canGoPrevious)
    Q_PROPERTY(bool CanPlay READ canPlay)
    Q_PROPERTY(bool CanPause READ canPause)
    Q_PROPERTY(bool CanSeek READ canSeek)
    Q_PROPERTY(bool CanControl READ canControl)
public:
    explicit MprisPlayerAdaptor(MprisService* service);

    QString playbackStatus() const { return reported("PlaybackStatus").toString(); }
    double rate() const { return reported("Rate").toDouble(); }
    void setRate(double rate);
    double minimumRate() const { return reported("MinimumRate").toDouble(); }
    double maximumRate() const { return reported("MaximumRate").toDouble(); }
    QVariantMap metadata() const { return reported("Metadata").toMap(); }
    double volume() const { return reported("Volume").toDouble(); }
    void setVolume(double volume);
    qlonglong position() const;
    bool canGoNext() const { return reported("CanGoNext").toBool(); }
    bool canGoPrevious() const { return reported("CanGoPrevious").toBool(); }
    bool canPlay() const { return reported("CanPlay").toBool(); }
    bool canPause() const { return reported("CanPause").toBool(); }
    bool canSeek() const { return reported("CanSeek").toBool(); }
    bool canControl() const { return reported("CanControl").toBool(); }

public slots:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong offset);
    void SetPosition(const QDBusObjectPath& trackId, qlonglong position);
    void OpenUri(const QString& uri);

signals:
    void Seeked(qlonglong position);

private:
    QVariant reported(const char* name) const;

    MprisService* mService;
};
