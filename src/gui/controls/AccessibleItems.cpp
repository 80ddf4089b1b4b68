#include "AccessibleItems.h"

#include <algorithm>

AccessibleItems::~AccessibleItems()
{
    for (QAccessible::Id id : mIds)
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* AccessibleItems::item(int index)
{
    if (index < 0)
        return nullptr;
    while (int(mIds.size()) <= index)
        mIds.push_back(QAccessible::registerAccessibleInterface(mMake(int(mIds.size()))));
    return QAccessible::accessibleInterface(mIds[size_t(index)]);
}

int AccessibleItems::indexOf(const QAccessibleInterface* item) const
{
    const auto found = std::find_if(mIds.begin(), mIds.end(), [item](QAccessible::Id id) {
        return QAccessible::accessibleInterface(id) == item;
    });
    return found == mIds.end() ? -1 : int(found - mIds.begin());
}
