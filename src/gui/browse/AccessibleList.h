#pragma once
// A skinned list (the file list, a drop-down's list) as assistive technology sees it: a list
// whose rows are its children, each named by the texts it shows, including the rows scrolled
// out of sight.

#include <QAccessibleWidget>

#include <vector>

class ScrollListBox;

class AccessibleList : public QAccessibleWidget {
public:
    explicit AccessibleList(ScrollListBox* list);
    ~AccessibleList() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    ScrollListBox* list() const;

    // The rows' interfaces, made when first asked for and owned by Qt's registry.
    mutable std::vector<QAccessible::Id> mRows;
};
