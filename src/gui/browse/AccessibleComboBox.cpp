#include "AccessibleComboBox.h"

#include "ComboBox.h"
#include "controls/BitmapButton.h"

AccessibleComboBox::AccessibleComboBox(ComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox)
{
}

ComboBox* AccessibleComboBox::combo() const
{
    return static_cast<ComboBox*>(widget());
}

QAccessible::State AccessibleComboBox::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = combo()->isListShown();
    state.collapsed = !combo()->isListShown();
    return state;
}

QString AccessibleComboBox::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return combo()->title();
    return QAccessibleWidget::text(t);
}

QStringList AccessibleComboBox::actionNames() const
{
    return {pressAction()};
}

void AccessibleComboBox::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        combo()->spinButton()->click();
}
