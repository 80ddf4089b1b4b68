#include "AccessibleListRow.h"

#include "FileListBox.h"
#include "ScrollListBox.h"

#include <QWidget>
#include <QWindow>

AccessibleListRow::AccessibleListRow(ScrollListBox* list, int row) : mList(list), mRow(row)
{
}

bool AccessibleListRow::isValid() const
{
    return mList && mRow < mList->getCount();
}

QWindow* AccessibleListRow::window() const
{
    return mList ? mList->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleListRow::parent() const
{
    return mList ? QAccessible::queryAccessibleInterface(mList) : nullptr;
}

QString AccessibleListRow::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !isValid())
        return {};
    // A recording is told by its name, day and time, as its row shows them.
    if (auto* files = qobject_cast<FileListBox*>(mList.data())) {
        const FileListBox::RowTexts texts = files->rowTexts(mRow);
        return texts.name + ", " + texts.date + " " + texts.time;
    }
    return mList->getText(mRow);
}

int AccessibleListRow::slot() const
{
    const int slot = mRow - mList->startIndex();
    return slot >= 0 && slot < mList->itemCount() ? slot : -1;
}

QRect AccessibleListRow::rect() const
{
    if (!isValid() || slot() < 0)
        return {};
    QRect frame = mList->slotFrame(slot());
    frame.moveTopLeft(mList->mapToGlobal(frame.topLeft()));
    return frame;
}

QAccessible::State AccessibleListRow::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.selected = mList->getCurSel() == mRow;
    state.offscreen = slot() < 0;
    state.invisible = !mList->isVisible();
    return state;
}

void* AccessibleListRow::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList AccessibleListRow::actionNames() const
{
    return {pressAction(), setFocusAction()};
}

void AccessibleListRow::doAction(const QString& actionName)
{
    if (!isValid())
        return;
    const bool fileList = qobject_cast<FileListBox*>(mList.data()) != nullptr;
    if (actionName == pressAction())
        mList->clickRow(mRow, fileList ? 2 : 1);
    else if (actionName == setFocusAction())
        mList->clickRow(mRow, 1);
}
