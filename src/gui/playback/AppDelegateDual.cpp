// The controller's front and rear cameras: the second player beside the first.
#include "AppDelegate.h"

#include "LogText.h"
#include "ToolbarView.h"
#include "controls/BitmapButton.h"

void AppDelegate::enable2VideoWindow(bool enable)
{
    pmWriteLogText(QString::asprintf("AppDelegate::enable2VideoWindow = %d", enable ? 1 : 0));
    const bool changed = enable != m_b2VideoWindowEnable;
    m_b2VideoWindowEnable = enable;
    BitmapButton* switchButton = mToolbarView->oWindowSwitchBtn();
    switchButton->setVisible(enable);
    // Swapping the two videos arrives with dual playback.
    switchButton->setEnabled(false);
    if (changed && mWindowSize.width() > 0 && mWindowSize.height() > 0)
        relayout(mWindowSize.width(), mWindowSize.height());
}

