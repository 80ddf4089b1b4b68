#include "SkinnedAccessibility.h"

#include "browse/AccessibleCalendar.h"
#include "browse/AccessibleCheckBox.h"
#include "browse/AccessibleComboBox.h"
#include "browse/AccessibleList.h"
#include "browse/CalendarView.h"
#include "browse/CheckBox.h"
#include "browse/ComboBox.h"
#include "browse/ScrollListBox.h"
#include "controls/AccessibleSlider.h"
#include "controls/Slider.h"

namespace {

QAccessibleInterface* skinnedInterface(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (auto* slider = qobject_cast<Slider*>(object))
        return new AccessibleSlider(slider);
    if (auto* box = qobject_cast<CheckBox*>(object))
        return new AccessibleCheckBox(box);
    if (auto* combo = qobject_cast<ComboBox*>(object))
        return new AccessibleComboBox(combo);
    if (auto* list = qobject_cast<ScrollListBox*>(object))
        return new AccessibleList(list);
    if (auto* calendar = qobject_cast<CalendarView*>(object))
        return new AccessibleCalendar(calendar);
    return nullptr;
}

} // namespace

void pmInstallSkinnedAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(skinnedInterface);
}
