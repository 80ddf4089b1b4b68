// Placement of the window's panels: the arithmetic, and the controller applying it.
#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "app/MainWindowLayout.h"
#include "controls/PanelHost.h"
#include "browse/CalendarView.h"
#include "browse/FileListView.h"
#include "display/MapView.h"
#include "Preferences.h"
#include "app/ToolbarView.h"
#include "controls/PlayControlView.h"
#include "util/Log.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

PanelMetrics smallBars()
{
    PanelMetrics m;
    m.toolbarHeight = 30;
    m.playbarHeight = 40;
    m.calendarWidth = 291;
    m.calendarHeight = 250;
    m.gsensorWidth = 300;
    m.gsensorHeight = 212;
    return m;
}

} // namespace

TEST(MainWindowLayout, NormalModePlacesEveryPanel)
{
    const PanelFrames f = layoutMainWindow(980, 660, smallBars(), LayoutMode{});
    EXPECT_EQ(f.playbar, QRectF(0, 212, 980 - 291, 40));
    EXPECT_EQ(f.largeVideo, QRectF(0, 252, 689, 358)); // 660 - 30 - 212 - 40 - 20
    EXPECT_EQ(f.fileList, QRectF(689, 0, 291, 660 - 30 - 250 - 20));
    EXPECT_EQ(f.calendar, QRectF(689, 360, 291, 250)); // directly above the file list
    EXPECT_EQ(f.gsensor, QRectF(980 - 291 - 300, 0, 300, 212));
    EXPECT_EQ(f.map, QRectF(0, 0, 980 - 300 - 291 + 1, 212));
    EXPECT_EQ(f.toolbar, QRectF(0, 638 - 30, 980, 30));
    EXPECT_FALSE(f.smallVideoVisible);
    // Qt's frames are measured from the top of the 638-point content.
    EXPECT_EQ(f.toQt(f.toolbar), QRect(0, 0, 980, 30));
    EXPECT_EQ(f.toQt(f.map), QRect(0, 638 - 212, 689 - 300 + 1, 212));
}

TEST(MainWindowLayout, DualCameraShortensFileListAndShowsSecondVideo)
{
    LayoutMode dual;
    dual.dualCamera = true;
    const PanelFrames single = layoutMainWindow(980, 660, smallBars(), LayoutMode{});
    const PanelFrames f = layoutMainWindow(980, 660, smallBars(), dual);
    EXPECT_EQ(f.fileList.height(), single.fileList.height() - 184);
    EXPECT_EQ(f.calendar.y(), f.fileList.height());
    EXPECT_TRUE(f.smallVideoVisible);
    EXPECT_EQ(f.smallVideo, QRectF(980 - 291, f.toolbar.y() - 184, 291, 184));
    EXPECT_EQ(f.toQt(f.smallVideo).top(), 30); // right under the tool bar
}

TEST(MainWindowLayout, RightToLeftMirrorsTheColumns)
{
    LayoutMode rtl;
    rtl.rightToLeft = true;
    const PanelFrames f = layoutMainWindow(980, 660, smallBars(), rtl);
    EXPECT_EQ(f.fileList.x(), 0);
    EXPECT_EQ(f.calendar.x(), 0);
    EXPECT_EQ(f.playbar.x(), 291);
    EXPECT_EQ(f.largeVideo.x(), 291);
    EXPECT_EQ(f.gsensor.x(), 291);
    EXPECT_EQ(f.map.x(), 291 + 300);
    EXPECT_EQ(f.smallVideo.x(), 0);
    EXPECT_EQ(switchButtonPosition(f.fileList, true), 291 - 22);
    EXPECT_EQ(switchButtonPosition(layoutMainWindow(980, 660, smallBars(), {}).fileList, false), 689 - 22);
}

TEST(MainWindowLayout, FullScreenModesFillTheWindow)
{
    LayoutMode video;
    video.screenMode = kScreenVideoFull;
    PanelFrames f = layoutMainWindow(1920, 1080, smallBars(), video);
    EXPECT_EQ(f.playbar, QRectF(0, 0, 1920, 40));
    EXPECT_EQ(f.largeVideo, QRectF(0, 40, 1920, 1040));
    EXPECT_EQ(f.smallVideo, QRectF(0, -10, 2, 2));
    EXPECT_EQ(f.toQt(f.largeVideo), QRect(0, 0, 1920, 1040));

    LayoutMode map;
    map.screenMode = kScreenMapFull;
    f = layoutMainWindow(1920, 1080, smallBars(), map);
    EXPECT_EQ(f.map, QRectF(0, 0, 1920, 1080));
    EXPECT_EQ(f.largeVideo, QRectF(0, -10, 2, 2));
    EXPECT_FALSE(f.panelsVisible);
}

TEST(MainWindowLayout, LayoutBeforeAnySizeUsesTheFallbackAndLogsIt)
{
    pmClearLog();
    auto app = std::make_unique<AppDelegate>();
    app->awakeFromNib(); // the window is made but not shown, so no size is known
    ASSERT_EQ(app->storedWindowSize(), QSizeF(0, 0));
    app->relayoutContents();
    EXPECT_EQ(app->storedWindowSize(), QSizeF(977, 664));
    const QStringList log = logMessages();
    const int zero = logIndexOf(log, "AppDelegate::relayoutContents () frame size is 0");
    ASSERT_GE(zero, 0);
    EXPECT_GT(logIndexOf(log, "AppDelegate::relayoutContents () 977.000000x664.000000 OK!", zero), zero);
    EXPECT_EQ(app->fileListView()->geometry().right() + 1, 977);
    EXPECT_EQ(app->toolbarView()->width(), 977);
}

TEST(MainWindowLayout, FirstActivationLaysTheWindowOutForItsContent)
{
    QTemporaryDir folder;
    auto app = launchApplication(folder.path());
    app->mainWindow()->resize(1200, 800);
    const LogWatch layouts(kContentsLaidOut);
    app->applicationDidBecomeActive();
    const QWidget* content = app->mainWindow()->contentView();
    EXPECT_EQ(app->storedWindowSize(), QSizeF(content->width(), content->height() + 22));
    ASSERT_TRUE(layouts.waitFor());
    EXPECT_EQ(app->fileListView()->geometry().x(), content->width() - 291);
    EXPECT_EQ(app->calendarView()->geometry().bottom() + 1, app->fileListView()->geometry().top());
    EXPECT_EQ(app->playerView()->geometry().bottom() + 1, app->playbarView()->geometry().top());
    EXPECT_EQ(app->mapView()->geometry().bottom() + 1, content->height());
    EXPECT_GE(logIndexOf(logMessages(), "AppDelegate::applicationDidBecomeActive, bFirstTimeActive = 1, isDualCameraMode = 0"), 0);
}

TEST(MainWindowLayout, LiveResizeLaysOutAtOnceAndTheContentsHalfASecondLater)
{
    QTemporaryDir folder;
    auto app = launchApplication(folder.path());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app->mainWindow())); // the window's first sizing
    pmClearLog();
    app->mainWindow()->resize(1200, 800);
    const QWidget* content = app->mainWindow()->contentView();
    ASSERT_EQ(content->width(), 1200);
    EXPECT_EQ(app->storedWindowSize(), QSizeF(1200, content->height() + 22));
    EXPECT_EQ(app->fileListView()->x(), 1200 - 291);
    const QString contentsLaidOut =
        QString::asprintf("AppDelegate::relayoutContents () 1200.000000x%d.000000 OK!", content->height() + 22);
    EXPECT_LT(logIndexOf(logMessages(), contentsLaidOut), 0);
    EXPECT_TRUE(waitFor([&] { return logIndexOf(logMessages(), contentsLaidOut) >= 0; }));
}
