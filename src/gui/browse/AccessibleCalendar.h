#pragma once
// The calendar as assistive technology sees it: its buttons and drop-downs, then the days of
// the month grid it paints itself (while the grid is unfolded), each a button named by its
// date.

#include "controls/AccessibleItems.h"

#include <QAccessibleWidget>

class CalendarView;

class AccessibleCalendar : public QAccessibleWidget {
public:
    explicit AccessibleCalendar(CalendarView* calendar);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    CalendarView* calendar() const;
    int dayCount() const;

    mutable AccessibleItems mDays;
};
