#pragma once
// A skinned drop-down as assistive technology sees it: a combo box whose value is the chosen
// entry's text; pressing it opens or closes its list, as its arrow button does.

#include <QAccessibleWidget>

class ComboBox;

class AccessibleComboBox : public QAccessibleWidget {
public:
    explicit AccessibleComboBox(ComboBox* combo);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    ComboBox* combo() const;
};
