#pragma once
// The items of one self-painting widget as its accessible interface hands them out: each
// made when first asked for, registered with Qt (which wants one interface per item for as
// long as it lives) and released with the widget's interface.

#include "AccessibleItem.h"

#include <functional>
#include <vector>

class AccessibleItems {
public:
    using Factory = std::function<AccessibleItem*(int index)>;

    explicit AccessibleItems(Factory make) : mMake(std::move(make)) {}
    ~AccessibleItems();
    AccessibleItems(const AccessibleItems&) = delete;
    AccessibleItems& operator=(const AccessibleItems&) = delete;

    QAccessibleInterface* item(int index);
    // The item's index when it is one of these, else -1.
    int indexOf(const QAccessibleInterface* item) const;

private:
    Factory mMake;
    std::vector<QAccessible::Id> mIds;
};
