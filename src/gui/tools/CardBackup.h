#pragma once
// The opt-in backup of an inserted card: with the setting on, the question asked when a card
// with recordings arrives also offers to copy the card's event recordings into the folder the
// setting names. The backup runs behind the progress window like any other and ends with a
// message of what was copied and what was already there.

#include "browse/CardBackupOffer.h"

#include <QObject>
#include <QString>

class BackupSession;
class QAction;
class QMenu;
class QWidget;

class CardBackup : public QObject {
    Q_OBJECT
public:
    explicit CardBackup(BackupSession& session, QObject* parent = nullptr);

    // The setting: the folder, or empty when it is off (the default).
    static QString folder();
    // An empty folder turns the setting off.
    static void setFolder(const QString& folder);
    // The setting's menu text, naming its folder ("…" while none is chosen).
    static QString settingText();
    // Whether the insert question offers the backup.
    static bool isOffered() { return !folder().isEmpty(); }
    // The setting as a checkable menu item: checking it asks for the folder (the setting
    // stays off when none is chosen), unchecking it turns the setting off.
    static QAction* addSettingTo(QMenu* menu, QWidget* window);

    // For the insert question: offered while the setting is on and no backup runs.
    CardBackupOffer offer();

    // Starts backing up the card at volume. False when the setting is off or a backup is
    // running; false with a message when the folder cannot take the copies.
    bool start(const QString& volume);
    bool isRunning() const { return mRunning; }

signals:
    // After the closing message has been dismissed.
    void finished();

private:
    void onSessionFinished();

    BackupSession& mSession;
    bool mRunning = false;
};
