#pragma once
// Tells assistive technology what changed in a control that paints itself: Qt knows of a
// change only when the control says so, as Qt's own controls do. Qt passes it on only while a
// screen reader or automation listens.

#include <QAccessible>
#include <QVariant>

class QObject;

void pmAccessibleValueChanged(QObject* control, const QVariant& value);
void pmAccessibleCheckedChanged(QObject* control);
// The row (child) that became the list's selection.
void pmAccessibleSelectionChanged(QObject* list, int row);
