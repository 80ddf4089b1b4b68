#pragma once
// One row of a skinned list for assistive technology: named by the texts it shows, selected
// or not, shown or scrolled away; pressing it does what a double click on a file list row
// (open the recording) or a click on a drop-down row (choose it) does.

#include <QAccessibleInterface>
#include <QPointer>

class ScrollListBox;

class AccessibleListRow : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleListRow(ScrollListBox* list, int row);

    ScrollListBox* list() const { return mList; }
    int row() const { return mRow; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    // The slot showing the row, or -1 when it is scrolled out of sight.
    int slot() const;

    QPointer<ScrollListBox> mList;
    int mRow;
};
