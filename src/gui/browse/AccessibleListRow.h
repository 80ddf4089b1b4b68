#pragma once
// One row of a skinned list for assistive technology: named by the texts it shows, selected
// or not, shown or scrolled away; pressing it does what a double click on a file list row
// (open the recording) or a click on a drop-down row (choose it) does.

#include "controls/AccessibleItem.h"

class ScrollListBox;

class AccessibleListRow : public AccessibleItem {
public:
    AccessibleListRow(ScrollListBox* list, int row);

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

protected:
    QRect frame() const override;

private:
    ScrollListBox* list() const;
    // The slot showing the row, or -1 when it is scrolled out of sight.
    int slot() const;
};
