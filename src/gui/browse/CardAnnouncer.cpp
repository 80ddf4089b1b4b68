#include "CardAnnouncer.h"

#include "LocalizedText.h"
#include "LogText.h"
#include "MountWatcher.h"
#include "library/CardProbe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QThreadPool>

#include <pwd.h>
#include <unistd.h>

namespace {

// The login name the desktop mounts volumes under; USER is missing in some sessions.
QString userName()
{
    const QString user = qEnvironmentVariable("USER");
    if (!user.isEmpty())
        return user;
    const passwd* entry = ::getpwuid(::getuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

std::vector<std::string> toStdPaths(const QStringList& paths)
{
    std::vector<std::string> out;
    for (const QString& path : paths)
        out.push_back(QDir::cleanPath(path).toStdString());
    return out;
}

} // namespace

CardAnnouncer::CardAnnouncer(QWidget* window, OpenFolder openFolder, IsShown isShown, QObject* parent)
    : QObject(parent), mWindow(window), mOpenFolder(std::move(openFolder)), mIsShown(std::move(isShown)),
      mMountRoots(defaultMountRoots()), mWatcher(new MountWatcher(this))
{
    // Volumes mounted before the program started are not news.
    for (const MountEntry& mount : mWatcher->mounts())
        mKnownVolumes.insert(QString::fromStdString(mount.mountPoint));
    connect(mWatcher, &MountWatcher::mountsChanged, this, &CardAnnouncer::onMountsChanged);
}

CardAnnouncer::~CardAnnouncer()
{
    delete mQuestion;
}

QStringList CardAnnouncer::defaultMountRoots()
{
    const QString fromEnvironment = qEnvironmentVariable("KORIV_MOUNT_ROOTS");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment.split(':', Qt::SkipEmptyParts);
    const QString user = userName();
    QStringList roots;
    if (!user.isEmpty())
        roots << "/media/" + user << "/run/media/" + user;
    roots << "/mnt";
    return roots;
}

void CardAnnouncer::onMountsChanged()
{
    QSet<QString> mounted;
    for (const MountEntry& mount : mWatcher->mounts())
        mounted.insert(QString::fromStdString(mount.mountPoint));
    const std::vector<std::string> volumes = volumesUnder(mWatcher->mounts(), toStdPaths(mMountRoots));
    for (const std::string& point : volumes) {
        const QString volume = QString::fromStdString(point);
        if (!mKnownVolumes.contains(volume))
            probe(volume);
    }
    mKnownVolumes = mounted;
    // A card pulled out before its question was answered is not offered any more.
    mWaiting.removeIf([this](const QString& volume) { return !isMounted(volume); });
    if (mQuestion && !isMounted(mAskedVolume))
        mQuestion->reject();
}

bool CardAnnouncer::isMounted(const QString& volume) const
{
    return mKnownVolumes.contains(volume);
}

void CardAnnouncer::probe(const QString& volume)
{
    pmWriteLogText("CardAnnouncer::probe - " + volume);
    // The look is bounded, but a slow card can still take longer than the window may wait.
    const QPointer<CardAnnouncer> self(this);
    QThreadPool::globalInstance()->start([self, volume] {
        const bool found = pmFindCardRecordings(volume.toStdString()).has_value();
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, volume, found] {
            if (self)
                self->onProbed(volume, found);
        }, Qt::QueuedConnection);
    });
}

void CardAnnouncer::onProbed(const QString& volume, bool hasRecordings)
{
    pmWriteLogText(QString("CardAnnouncer::onProbed - %1, recordings = %2").arg(volume).arg(hasRecordings ? 1 : 0));
    emit volumeProbed(volume, hasRecordings);
    if (!hasRecordings || !isMounted(volume) || mWaiting.contains(volume) || mAskedVolume == volume)
        return;
    if (mIsShown(volume)) {
        pmWriteLogText("CardAnnouncer::onProbed - already shown - " + volume);
        return;
    }
    mWaiting << volume;
    askNext();
}

void CardAnnouncer::askNext()
{
    if (mQuestion || mWaiting.isEmpty())
        return;
    mAskedVolume = mWaiting.takeFirst();
    auto* box = new QMessageBox(mWindow);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName("cardQuestion");
    box->setIcon(QMessageBox::Question);
    box->setWindowTitle(pmLoadString("IDR_MAINFRAME"));
    box->setText(pmLoadString("IDS_CARD_INSERTED").arg(QFileInfo(mAskedVolume).fileName()));
    box->setInformativeText(mAskedVolume);
    QPushButton* open = box->addButton(pmLoadString("IDS_OPEN"), QMessageBox::AcceptRole);
    QPushButton* backUp = nullptr;
    if (mBackupOffer.offered())
        backUp = box->addButton(pmLoadString("IDS_CARD_BACKUP_OFFER"), QMessageBox::AcceptRole);
    box->setEscapeButton(box->addButton(pmLoadString("IDS_CANCEL"), QMessageBox::RejectRole));
    box->setDefaultButton(open);
    const QString volume = mAskedVolume;
    // Not exec(): a nested event loop would let the next mount or a folder event run inside it.
    connect(box, &QMessageBox::finished, this, [this, box, open, backUp, volume] {
        const QAbstractButton* clicked = box->clickedButton();
        const Answer answer = clicked == open ? Answer::Open
            : clicked && clicked == backUp    ? Answer::BackUp
                                              : Answer::Cancel;
        onAnswered(volume, answer);
    });
    mQuestion = box;
    box->open();
}

void CardAnnouncer::onAnswered(const QString& volume, Answer answer)
{
    pmWriteLogText(QString("CardAnnouncer::onAnswered - %1, open = %2, backup = %3")
                       .arg(volume)
                       .arg(answer == Answer::Open ? 1 : 0)
                       .arg(answer == Answer::BackUp ? 1 : 0));
    mQuestion = nullptr;
    mAskedVolume.clear();
    if (isMounted(volume)) {
        if (answer == Answer::Open)
            mOpenFolder(volume);
        else if (answer == Answer::BackUp)
            mBackupOffer.backUp(volume);
    }
    askNext();
}
