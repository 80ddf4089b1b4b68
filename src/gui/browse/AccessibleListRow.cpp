#include "AccessibleListRow.h"

#include "FileListBox.h"
#include "ScrollListBox.h"

AccessibleListRow::AccessibleListRow(ScrollListBox* list, int row) : AccessibleItem(list, row)
{
}

ScrollListBox* AccessibleListRow::list() const
{
    return static_cast<ScrollListBox*>(owner());
}

bool AccessibleListRow::isValid() const
{
    return AccessibleItem::isValid() && index() < list()->getCount();
}

QString AccessibleListRow::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !isValid())
        return {};
    // A recording is told by its name, day and time, as its row shows them.
    if (auto* files = qobject_cast<FileListBox*>(list())) {
        const FileListBox::RowTexts texts = files->rowTexts(index());
        return texts.name + ", " + texts.date + " " + texts.time;
    }
    return list()->getText(index());
}

int AccessibleListRow::slot() const
{
    const int slot = index() - list()->startIndex();
    return slot >= 0 && slot < list()->itemCount() ? slot : -1;
}

QRect AccessibleListRow::frame() const
{
    return slot() < 0 ? QRect() : list()->slotFrame(slot());
}

QAccessible::State AccessibleListRow::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.selected = list()->getCurSel() == index();
    state.offscreen = slot() < 0;
    state.invisible = !list()->isVisible();
    return state;
}

QStringList AccessibleListRow::actionNames() const
{
    return {pressAction(), setFocusAction()};
}

void AccessibleListRow::doAction(const QString& actionName)
{
    if (!isValid())
        return;
    const bool fileList = qobject_cast<FileListBox*>(list()) != nullptr;
    if (actionName == pressAction())
        list()->clickRow(index(), fileList ? 2 : 1);
    else if (actionName == setFocusAction())
        list()->clickRow(index(), 1);
}
