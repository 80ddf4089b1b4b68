#pragma once
// One item that a widget paints itself (a list row, a calendar day), for assistive
// technology: the interface an item needs beside its name, place, role, state and actions,
// which each kind of item gives.

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

class AccessibleItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleItem(QWidget* owner, int index) : mOwner(owner), mIndex(index) {}

    int index() const { return mIndex; }
    QWidget* owner() const { return mOwner; }

    bool isValid() const override { return mOwner; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    // The item's frame in the owner's coordinates; empty while it is not shown.
    virtual QRect frame() const = 0;

private:
    QPointer<QWidget> mOwner;
    int mIndex;
};
