#include "AccessibleCalendarDay.h"

#include "CalendarView.h"
#include "LocalizedText.h"

#include <QCoreApplication>
#include <QDate>
#include <QMouseEvent>

AccessibleCalendarDay::AccessibleCalendarDay(CalendarView* calendar, int cell) : AccessibleItem(calendar, cell)
{
}

CalendarView* AccessibleCalendarDay::calendar() const
{
    return static_cast<CalendarView*>(owner());
}

QString AccessibleCalendarDay::text(QAccessible::Text t) const
{
    if (!isValid())
        return {};
    const CalendarDate& day = calendar()->cells()[size_t(index())];
    if (t == QAccessible::Name)
        return pmCurrentLanguageLocale().toString(QDate(day.year, day.month, day.day), QLocale::LongFormat);
    if (t == QAccessible::Description && calendar()->hasMark(index()))
        return pmLoadString("IDS_DAY_HAS_RECORDINGS");
    return {};
}

QRect AccessibleCalendarDay::frame() const
{
    return calendar()->isShrunk() ? QRect() : calendar()->cellFrame(index());
}

QAccessible::State AccessibleCalendarDay::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const CalendarDate& day = calendar()->cells()[size_t(index())];
    state.checkable = true;
    state.checked = day == calendar()->chosenDay();
    state.disabled = day.month != calendar()->shownMonth().month;
    state.invisible = !calendar()->isVisible() || calendar()->isShrunk();
    return state;
}

QStringList AccessibleCalendarDay::actionNames() const
{
    return {pressAction()};
}

// The calendar keeps its choosing to itself; a click on the day is the way in.
void AccessibleCalendarDay::doAction(const QString& actionName)
{
    if (actionName != pressAction() || !isValid() || frame().isEmpty())
        return;
    const QPointF centre = QRectF(frame()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, calendar()->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(calendar(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, calendar()->mapToGlobal(centre), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(calendar(), &release);
}
