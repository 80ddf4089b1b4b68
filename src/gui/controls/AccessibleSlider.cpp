#include "AccessibleSlider.h"

#include "Slider.h"

AccessibleSlider::AccessibleSlider(Slider* slider) : QAccessibleWidget(slider, QAccessible::Slider)
{
}

Slider* AccessibleSlider::slider() const
{
    return static_cast<Slider*>(widget());
}

void* AccessibleSlider::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

// The slider stays enabled as a widget while it ignores the mouse; say what the user meets.
QAccessible::State AccessibleSlider::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.disabled = state.disabled || !slider()->isSliderEnabled();
    return state;
}

QString AccessibleSlider::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return QString::number(slider()->getCurrentValue());
    return QAccessibleWidget::text(t);
}

QVariant AccessibleSlider::currentValue() const
{
    return slider()->getCurrentValue();
}

void AccessibleSlider::setCurrentValue(const QVariant& value)
{
    slider()->moveByUser(value.toInt());
}

QVariant AccessibleSlider::maximumValue() const
{
    return slider()->maxValue();
}

QVariant AccessibleSlider::minimumValue() const
{
    return slider()->minValue();
}
