#include "AccessibleList.h"

#include "AccessibleListRow.h"
#include "ScrollListBox.h"

AccessibleList::AccessibleList(ScrollListBox* list)
    : QAccessibleWidget(list, QAccessible::List), mRows([list](int row) { return new AccessibleListRow(list, row); })
{
}

ScrollListBox* AccessibleList::list() const
{
    return static_cast<ScrollListBox*>(widget());
}

int AccessibleList::childCount() const
{
    return list()->getCount();
}

QAccessibleInterface* AccessibleList::child(int index) const
{
    return index < childCount() ? mRows.item(index) : nullptr;
}

int AccessibleList::indexOfChild(const QAccessibleInterface* child) const
{
    const int row = mRows.indexOf(child);
    return row < childCount() ? row : -1;
}

QAccessibleInterface* AccessibleList::childAt(int x, int y) const
{
    for (int slot = 0; slot < list()->itemCount(); ++slot) {
        QRect frame = list()->slotFrame(slot);
        frame.moveTopLeft(list()->mapToGlobal(frame.topLeft()));
        if (frame.contains(x, y))
            return child(list()->startIndex() + slot);
    }
    return nullptr;
}
