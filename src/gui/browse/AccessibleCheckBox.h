#pragma once
// A skinned check box as assistive technology sees it: named by its title, checked or not,
// and toggled as a click would toggle it.

#include <QAccessibleWidget>

class CheckBox;

class AccessibleCheckBox : public QAccessibleWidget {
public:
    explicit AccessibleCheckBox(CheckBox* box);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    CheckBox* box() const;
};
