#include "CardBackup.h"

#include "BackupMessages.h"
#include "BackupSession.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "MessageBox.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "controls/FileDialog.h"

#include <QAction>
#include <QMenu>

namespace {

// Why the folder cannot take the copies, for the user; empty when it can or when the card
// went away before the answer.
QString refusalMessage(BackupRefusal refusal, const QString& target)
{
    switch (refusal) {
    case BackupRefusal::DestinationReadOnly:
        return pmLoadString("IDS_ERR_FOLDER_READ_ONLY");
    case BackupRefusal::DestinationMissing:
    case BackupRefusal::DestinationInsideSource:
        return pmLoadString("IDS_ERR_BACKUP_FOLDER").arg(target);
    case BackupRefusal::None:
    case BackupRefusal::SourceUnreadable:
        break;
    }
    return {};
}

// Asks for the folder and keeps it when it can take copies.
void chooseFolder(QWidget* window)
{
    QFileDialog* chooser =
        pmFolderDialog(window, pmLoadString("IDS_BACKUP"), pmGetDocumentsFolder(), pmLoadString("IDS_OK"));
    QObject::connect(chooser, &QFileDialog::fileSelected, chooser, [](const QString& folder) {
        const QString message = refusalMessage(pmCheckBackupFolders({}, folder.toStdString()), folder);
        if (message.isEmpty())
            CardBackup::setFolder(folder);
        else
            pmMessageBox(message);
    });
    chooser->open();
}

} // namespace

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

QAction* CardBackup::addSettingTo(QMenu* menu, QWidget* window)
{
    QAction* item = menu->addAction(settingText());
    item->setObjectName("cardBackupSetting");
    item->setCheckable(true);
    item->setChecked(isOffered());
    // The menu goes once an item is chosen: the chooser belongs to the window.
    QObject::connect(item, &QAction::toggled, window, [window](bool on) {
        if (on)
            chooseFolder(window);
        else
            setFolder(QString());
    });
    return item;
}

CardBackupOffer CardBackup::offer()
{
    return {[this] { return isOffered() && !mSession.isRunning(); }, [this](const QString& volume) { start(volume); }};
}

bool CardBackup::start(const QString& volume)
{
    const QString target = folder();
    if (target.isEmpty() || mSession.isRunning())
        return false;
    pmWriteLogText("CardBackup::start - " + volume + " -> " + target);
    const BackupRefusal refusal = pmCheckBackupFolders(volume.toStdString(), target.toStdString());
    if (refusal != BackupRefusal::None) {
        if (const QString message = refusalMessage(refusal, target); !message.isEmpty())
            pmMessageBox(message);
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
