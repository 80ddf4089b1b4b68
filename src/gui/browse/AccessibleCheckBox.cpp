#include "AccessibleCheckBox.h"

#include "CheckBox.h"

AccessibleCheckBox::AccessibleCheckBox(CheckBox* box) : QAccessibleWidget(box, QAccessible::CheckBox)
{
}

CheckBox* AccessibleCheckBox::box() const
{
    return static_cast<CheckBox*>(widget());
}

QAccessible::State AccessibleCheckBox::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = box()->isButtonChecked();
    state.disabled = state.disabled || !box()->isCheckBoxEnabled();
    return state;
}

QString AccessibleCheckBox::text(QAccessible::Text t) const
{
    const QString own = QAccessibleWidget::text(t);
    return t == QAccessible::Name && own.isEmpty() ? box()->title() : own;
}

QStringList AccessibleCheckBox::actionNames() const
{
    return {toggleAction()};
}

void AccessibleCheckBox::doAction(const QString& actionName)
{
    if (actionName == toggleAction() || actionName == pressAction())
        box()->toggleByUser();
}
