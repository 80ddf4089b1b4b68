#pragma once
// File > Open Recent: the recent folders that exist now, newest first, and a command that
// forgets them all. Built anew each time it opens, so it always shows the stored list.

#include <QMenu>

class RecentFoldersMenu : public QMenu {
    Q_OBJECT
public:
    explicit RecentFoldersMenu(QWidget* parent = nullptr);

    void changeLanguage();

signals:
    void folderChosen(const QString& folder);

private:
    void rebuild();
};
