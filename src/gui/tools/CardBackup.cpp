#include "CardBackup.h"

#include "BackupMessages.h"
#include "BackupSession.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "MessageBox.h"
#include "PreferenceKeys.h"
#include "Preferences.h"

CardBackup::CardBackup(BackupSession& session, QObject* parent) : QObject(parent), mSession(session)
{
    connect(&mSession, &BackupSession::finished, this, &CardBackup::onSessionFinished);
}

QString CardBackup::folder()
{
    return pmGetProfileString(kPrefCardBackupFolder, QString());
}

void CardBackup::setFolder(const QString& folder)
{
    pmSetProfileString(kPrefCardBackupFolder, folder);
}

QString CardBackup::settingText()
{
    const QString target = folder();
    return pmLoadString("IDS_CARD_BACKUP_SETTING").arg(target.isEmpty() ? QStringLiteral("…") : target);
}

bool CardBackup::start(const QString& volume)
{
    const QString target = folder();
    if (target.isEmpty() || mSession.isRunning())
        return false;
    pmWriteLogText("CardBackup::start - " + volume + " -> " + target);
    switch (pmCheckBackupFolders(volume.toStdString(), target.toStdString())) {
    case BackupRefusal::None:
        break;
    case BackupRefusal::SourceUnreadable: // the card went away before the answer
        return false;
    case BackupRefusal::DestinationReadOnly:
        pmMessageBox(pmLoadString("IDS_ERR_FOLDER_READ_ONLY"));
        return false;
    case BackupRefusal::DestinationMissing:
    case BackupRefusal::DestinationInsideSource:
        pmMessageBox(pmLoadString("IDS_ERR_BACKUP_FOLDER").arg(target));
        return false;
    }
    mRunning = mSession.start([card = volume.toStdString(), into = target.toStdString()] {
        BackupSelection events;
        events.categories.fill(false);
        events.categories[VideoEvent] = true;
        return BackupPlan::forFolder(card, events, into);
    });
    return mRunning;
}

void CardBackup::onSessionFinished()
{
    if (!mRunning)
        return;
    mRunning = false;
    pmMessageBox(pmBackupSummaryText(mSession.result()));
    emit finished();
}
