// The waiting window: one at a time, no nesting, every call logged.
#include "GuiTestSupport.h"

#include "WaitingWindow/WaitingWindowController.h"
#include "WaitingWindow/YRKSpinningProgressIndicator.h"
#include "util/Log.h"

#include <gtest/gtest.h>

TEST(WaitingWindow, OpensOnceAndClosesOnTheFirstEnd)
{
    pmClearLog();
    pmStartWait();
    WaitingWindowController* window = pmWaitingWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->turboFan()->isAnimating());
    pmStartWait(); // no second window, no nesting count
    EXPECT_EQ(pmWaitingWindow(), window);

    pmEndWait();
    EXPECT_EQ(pmWaitingWindow(), nullptr);
    pmEndWait(); // nothing to close: only the log line
    EXPECT_EQ(logMessages(), QStringList({"pmStartWait()", "pmStartWait()", "pmEndWait()", "pmEndWait()"}));
}

TEST(WaitingWindow, SpinnerStepsWhileAnimating)
{
    YRKSpinningProgressIndicator spinner;
    spinner.resize(48, 48);
    spinner.startAnimation();
    EXPECT_TRUE(waitFor([&] { return spinner.position() > 0; }));
    spinner.stopAnimation();
    const int stopped = spinner.position();
    // A spinner started now steps twice: the stopped one, had it gone on, would have too.
    YRKSpinningProgressIndicator clock;
    clock.startAnimation();
    ASSERT_TRUE(waitFor([&] { return clock.position() >= 2; }));
    EXPECT_EQ(spinner.position(), stopped);
}
