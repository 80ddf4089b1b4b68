#pragma once
// Offers to open a dash camera's card as soon as it is mounted: a new volume under one of the
// mount roots is looked at on a worker thread, and when it holds a DCIM folder with
// recordings (and is not what the window already shows) the user is asked whether to open it,
// or, when a backup is offered, to back it up.

#include "CardBackupOffer.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <functional>

class MountWatcher;
class QWidget;

class CardAnnouncer : public QObject {
    Q_OBJECT
public:
    using OpenFolder = std::function<void(const QString& folder)>;
    using IsShown = std::function<bool(const QString& volume)>;

    CardAnnouncer(QWidget* window, OpenFolder openFolder, IsShown isShown, QObject* parent = nullptr);
    ~CardAnnouncer() override;

    // Where volumes are mounted: KORIV_MOUNT_ROOTS (paths separated by ":") when set,
    // otherwise /media/USER, /run/media/USER and /mnt.
    static QStringList defaultMountRoots();
    void setMountRoots(const QStringList& roots) { mMountRoots = roots; }
    QStringList mountRoots() const { return mMountRoots; }
    void setBackupOffer(CardBackupOffer offer) { mBackupOffer = std::move(offer); }

    // The question on screen, or none.
    QMessageBox* question() const { return mQuestion; }

signals:
    // A new volume was looked at (for the log and for tests).
    void volumeProbed(const QString& volume, bool hasRecordings);

private:
    enum class Answer { Cancel, Open, BackUp };

    void onMountsChanged();
    void probe(const QString& volume);
    void onProbed(const QString& volume, bool hasRecordings);
    void askNext();
    void onAnswered(const QString& volume, Answer answer);
    bool isMounted(const QString& volume) const;

    QWidget* mWindow;
    OpenFolder mOpenFolder;
    IsShown mIsShown;
    CardBackupOffer mBackupOffer;
    QStringList mMountRoots;
    MountWatcher* mWatcher = nullptr;
    QSet<QString> mKnownVolumes; // mounted now, announced or not
    QStringList mWaiting;        // cards with recordings, waiting for their question
    QPointer<QMessageBox> mQuestion;
    QString mAskedVolume;
};
