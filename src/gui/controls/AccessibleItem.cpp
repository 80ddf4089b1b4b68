#include "AccessibleItem.h"

#include <QWindow>

QWindow* AccessibleItem::window() const
{
    return mOwner ? mOwner->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleItem::parent() const
{
    return mOwner ? QAccessible::queryAccessibleInterface(mOwner) : nullptr;
}

QRect AccessibleItem::rect() const
{
    if (!isValid())
        return {};
    QRect shown = frame();
    if (!shown.isEmpty())
        shown.moveTopLeft(mOwner->mapToGlobal(shown.topLeft()));
    return shown;
}

void* AccessibleItem::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}
