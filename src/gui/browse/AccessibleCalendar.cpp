#include "AccessibleCalendar.h"

#include "AccessibleCalendarDay.h"
#include "CalendarView.h"

AccessibleCalendar::AccessibleCalendar(CalendarView* calendar)
    : QAccessibleWidget(calendar, QAccessible::Grouping),
      mDays([calendar](int cell) { return new AccessibleCalendarDay(calendar, cell); })
{
}

CalendarView* AccessibleCalendar::calendar() const
{
    return static_cast<CalendarView*>(widget());
}

// A folded calendar shows no days.
int AccessibleCalendar::dayCount() const
{
    return calendar()->isShrunk() ? 0 : kMonthGridCells;
}

int AccessibleCalendar::childCount() const
{
    return QAccessibleWidget::childCount() + dayCount();
}

QAccessibleInterface* AccessibleCalendar::child(int index) const
{
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets)
        return QAccessibleWidget::child(index);
    return index - widgets < dayCount() ? mDays.item(index - widgets) : nullptr;
}

int AccessibleCalendar::indexOfChild(const QAccessibleInterface* child) const
{
    const int day = mDays.indexOf(child);
    if (day < 0)
        return QAccessibleWidget::indexOfChild(child);
    return day < dayCount() ? QAccessibleWidget::childCount() + day : -1;
}

QAccessibleInterface* AccessibleCalendar::childAt(int x, int y) const
{
    for (int cell = 0; cell < dayCount(); ++cell) {
        QAccessibleInterface* day = mDays.item(cell);
        if (day->rect().contains(x, y))
            return day;
    }
    return QAccessibleWidget::childAt(x, y);
}
