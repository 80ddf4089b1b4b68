// The about box shows the program's version.
#include "AboutDialog.h"
#include "AppVersion.h"
#include "LocalizedText.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(AboutDialog, ShowsTheVersionInTheCopyrightText)
{
    AboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), pmLoadString("IDS_ABOUT"));
    bool versionShown = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        versionShown |= label->text().contains(pmGetVersion()) && !pmGetVersion().isEmpty();
    EXPECT_TRUE(versionShown);
}
