#include "RecentFoldersMenu.h"

#include "LocalizedText.h"
#include "RecentFolders.h"

#include <QDir>

RecentFoldersMenu::RecentFoldersMenu(QWidget* parent) : QMenu(parent)
{
    connect(this, &QMenu::aboutToShow, this, &RecentFoldersMenu::rebuild);
    changeLanguage();
    rebuild();
}

void RecentFoldersMenu::changeLanguage()
{
    setTitle(pmLoadString("IDS_OPEN_RECENT"));
}

void RecentFoldersMenu::rebuild()
{
    clear();
    const QStringList folders = RecentFolders::folders();
    for (const QString& folder : folders) {
        // A folder name with "&" would otherwise lose it to a mnemonic.
        QString text = QDir::toNativeSeparators(folder);
        addAction(text.replace('&', "&&"), this, [this, folder] { emit folderChosen(folder); });
    }
    addSeparator();
    QAction* clearAction = addAction(pmLoadString("IDS_CLEAR_RECENT"), this, [] { RecentFolders::clear(); });
    clearAction->setEnabled(!folders.isEmpty());
}
