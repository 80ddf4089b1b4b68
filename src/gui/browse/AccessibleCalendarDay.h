#pragma once
// One day of the calendar's month grid for assistive technology: a button named by its date
// in the chosen language, checked when it is the chosen day, described when it has
// recordings, disabled when it is a grey day of the next or previous month. Pressing it is a
// click on it.

#include "controls/AccessibleItem.h"

class CalendarView;

class AccessibleCalendarDay : public AccessibleItem {
public:
    AccessibleCalendarDay(CalendarView* calendar, int cell);

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

protected:
    QRect frame() const override;

private:
    CalendarView* calendar() const;
};
