#include "AccessibleNotice.h"

void pmAccessibleValueChanged(QObject* control, const QVariant& value)
{
    QAccessibleValueChangeEvent event(control, value);
    QAccessible::updateAccessibility(&event);
}

void pmAccessibleCheckedChanged(QObject* control)
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

void pmAccessibleSelectionChanged(QObject* list, int row)
{
    if (row < 0)
        return;
    QAccessibleEvent event(list, QAccessible::Selection);
    event.setChild(row);
    QAccessible::updateAccessibility(&event);
}
