#include "AccessibleList.h"

#include "AccessibleListRow.h"
#include "ScrollListBox.h"

AccessibleList::AccessibleList(ScrollListBox* list) : QAccessibleWidget(list, QAccessible::List)
{
}

AccessibleList::~AccessibleList()
{
    for (QAccessible::Id id : mRows)
        QAccessible::deleteAccessibleInterface(id);
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
    if (index < 0 || index >= childCount())
        return nullptr;
    while (int(mRows.size()) <= index)
        mRows.push_back(QAccessible::registerAccessibleInterface(new AccessibleListRow(list(), int(mRows.size()))));
    return QAccessible::accessibleInterface(mRows[size_t(index)]);
}

int AccessibleList::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* row = dynamic_cast<const AccessibleListRow*>(child);
    return row && row->isValid() && row->list() == list() ? row->row() : -1;
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
