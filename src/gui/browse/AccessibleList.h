#pragma once
// A skinned list (the file list, a drop-down's list) as assistive technology sees it: a list
// whose rows are its children, each named by the texts it shows, including the rows scrolled
// out of sight.

#include "controls/AccessibleItems.h"

#include <QAccessibleWidget>

class ScrollListBox;

class AccessibleList : public QAccessibleWidget {
public:
    explicit AccessibleList(ScrollListBox* list);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    ScrollListBox* list() const;

    mutable AccessibleItems mRows;
};
