// The dashboard the map panel draws, compared part by part with the skin images it is made
// of: the speed digits in their cells, the "-" rules of the values, right to left, and the unit
// menu as the user drives it.
#include "GuiTestSupport.h"

#include "PreferenceKeys.h"
#include "Preferences.h"
#include "SkinImages.h"
#include "TempDir.h"
#include "controls/BitmapButton.h"
#include "display/MapView.h"

#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

constexpr int kCellTop = 104 - 85;

QImage argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

class Dashboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        saveLanguageId(0);
        pmSetProfileInt(kPrefSpeedUnit, 0);
        view = std::make_unique<MapView>(QRect(0, 0, 320, 212));
    }
    void TearDown() override { saveLanguageId(0); }

    // The panel's background alone: black with the dashboard image, as under the digits.
    QImage background(bool mirrored = false) const
    {
        QImage image(320, 212, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::black);
        QPainter painter(&image);
        const QImage panel = pmGetSkinImage("gps_panel_bg.png");
        painter.drawImage(mirrored ? 0 : (320 - panel.width()) / 2, 0, mirrored ? pmMirrorImage(panel) : panel);
        return image;
    }

    // What a digit cell at x must show: the background, and the digit image over it (or none).
    static QImage cell(const QImage& base, int x, int digit)
    {
        QImage expected = argb(base.copy(x, kCellTop, 60, 85));
        if (digit >= 0) {
            QPainter painter(&expected);
            painter.drawImage(0, 0, pmGetSkinImage(QString("ovl_speedno_%1.png").arg(digit)));
        }
        return expected;
    }

    QImage shownCell(int x) { return argb(view->panelImage().copy(x, kCellTop, 60, 85)); }

    void expectDigits(int left, std::array<int, 3> digits, bool mirrored = false)
    {
        const QImage base = background(mirrored);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(shownCell(left + 60 * i), cell(base, left + 60 * i, digits[static_cast<size_t>(i)])) << "cell " << i;
    }

    std::unique_ptr<MapView> view;
};

TEST_F(Dashboard, SpeedDigitsInTheirCells)
{
    view->SetPosition(25.1, 121.5, 99.6, 35, 45);
    expectDigits(64, {1, 0, 0});
    view->SetPosition(25.1, 121.5, 7, 35, 45);
    expectDigits(64, {-1, -1, 7});
    view->SetPosition(25.1, 121.5, 0.4, 35, 45);
    expectDigits(64, {-1, -1, 0});
    // Beyond three digits the panel shows its largest number.
    view->SetPosition(25.1, 121.5, 1000, 35, 45);
    expectDigits(64, {9, 9, 9});
    view->SetPosition(25.1, 121.5, 25000, 35, 45);
    expectDigits(64, {9, 9, 9});

    view->setSpeedUnit(1);
    view->SetPosition(25.1, 121.5, 100, 35, 45);
    expectDigits(64, {-1, 6, 2});
    view->SetPosition(25.1, 121.5, 7, 35, 45);
    expectDigits(64, {-1, -1, 4});
}

TEST_F(Dashboard, UnknownValuesShowDashes)
{
    const QRect latitude(20, 198 - 32, 130, 32);
    const QRect direction(20, 151 - 32, 130, 32);
    const QRect altitude(150, 151 - 32, 130, 32);
    const auto part = [&](const QRect& rect) { return argb(view->panelImage().copy(rect)); };

    view->SetPosition(0, 0, 0, 65535, -1); // no position at all
    const QImage dashLatitude = part(latitude);
    const QImage dashDirection = part(direction);
    const QImage dashAltitude = part(altitude);

    view->SetPosition(25.5, 121.5, 40, 35.2, 90);
    EXPECT_NE(part(latitude), dashLatitude);
    EXPECT_NE(part(direction), dashDirection);
    EXPECT_NE(part(altitude), dashAltitude);

    // Carried over from the last fix: the position is not shown, the heading is.
    view->SetPosition(25.5, 121.5, -1, 35.2, 90);
    EXPECT_EQ(part(latitude), dashLatitude);
    EXPECT_NE(part(direction), dashDirection);
    // No altitude.
    view->SetPosition(25.5, 121.5, 40, 65535, 90);
    EXPECT_EQ(part(altitude), dashAltitude);
    EXPECT_NE(part(latitude), dashLatitude);
}

TEST_F(Dashboard, RightToLeftMovesTheDigitsAndMirrorsThePanel)
{
    saveLanguageId(kLanguageArabic);
    view->changeLanguage();
    view->loadSkinBitmap();
    view->SetPosition(25.1, 121.5, 123, 35, 45);
    expectDigits(94, {1, 2, 3}, true);
    // The unit button is mirrored across the panel.
    EXPECT_EQ(view->panelSpeedUnitButton()->geometry().x(), 320 - 70 - 246);
    EXPECT_EQ(view->speedUnitButton()->geometry().x(), 320 - 40 - 234);
}

TEST_F(Dashboard, StatesShowTheirPictures)
{
    const auto top = [&](const QString& name) {
        const QImage image = pmGetSkinImage(name);
        return argb(view->panelImage().copy((320 - image.width()) / 2, 0, image.width(), image.height()));
    };
    const auto stateImage = [](const QString& name) {
        const QImage image = pmGetSkinImage(name);
        QImage expected(image.size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(QColor(55, 55, 55));
        QPainter(&expected).drawImage(0, 0, image);
        return expected;
    };
    view->EnableMap(MapView::kStateNoGps);
    EXPECT_EQ(top("map_no_gps.png"), stateImage("map_no_gps.png"));
    EXPECT_FALSE(view->mapButton()->isVisibleTo(view.get()));
    view->EnableMap(MapView::kStateDisabled);
    // Disabled in dashboard mode: the dashboard and its buttons stay.
    EXPECT_TRUE(view->mapButton()->isVisibleTo(view.get()));
    EXPECT_EQ(argb(view->panelImage().copy(0, 0, 320, 1)), argb(background().copy(0, 0, 320, 1)));
    view->SetMapMode(MapView::kModeWebMap);
    EXPECT_EQ(top("map_disable.png"), stateImage("map_disable.png"));
    EXPECT_FALSE(view->webView()->isVisibleTo(view.get()));
    EXPECT_FALSE(view->dashboardButton()->isVisibleTo(view.get()));
}

TEST(DashboardUnitMenu, ChoosingMphFromTheMenuStoresItAndRetitlesBothButtons)
{
    pmSetProfileInt(kPrefSpeedUnit, 0);
    TempDir folder;
    auto app = launchApplication(QString::fromStdString(folder.path()));
    MapView* map = app->mapView();
    EXPECT_EQ(map->panelSpeedUnitButton()->bitmapTitle(), "km/h");
    QTest::mouseClick(map->panelSpeedUnitButton(), Qt::LeftButton);
    QMenu* menu = map->speedUnitMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(waitFor([menu] { return menu->isVisible(); }));
    EXPECT_EQ(menu->title(), "Speed Unit");
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_TRUE(menu->actions()[0]->isChecked());
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(map->getSpeedUnit(), 1);
    EXPECT_EQ(pmGetProfileInt(kPrefSpeedUnit, 0), 1);
    EXPECT_EQ(map->panelSpeedUnitButton()->bitmapTitle(), "mph");
    EXPECT_EQ(map->speedUnitButton()->bitmapTitle(), "mph");
    EXPECT_EQ(MapView::getSpeedUnitString(2), "mph");
    pmSetProfileInt(kPrefSpeedUnit, 0);
}

} // namespace
