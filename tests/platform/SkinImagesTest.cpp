#include "PreferenceKeys.h"
#include "PreferenceStore.h"
#include "Preferences.h"
#include "SkinImages.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// Every image the program asks for by name, without the state variants.
const char* const kRequiredImages[] = {
    "toolbar_background.png", "button_open.png", "button_print.png", "button_backup.png", "button_capture.png",
    "button_export.png", "button_youtube.png", "button_facebook.png", "button_settings.png",
    "button_window_switch.png", "button_full_map.png", "button_full1_map.png", "km_map.png", "gps_link.png",
    "km_gps.png", "button_google_map.png", "map_disable.png", "map_no_gps.png", "gps_panel_bg.png", "bg_map.png",
    "G-Sensor Screen_bg.png", "G-Sensor Screen_default.png", "G-Sensor Screen_default_d.png",
    "G-Sensor Screen_disable.png", "GSensorGraphic.png", "arrow_x1.png", "arrow_x2.png", "arrow_y1.png",
    "arrow_y2.png", "arrow_z1.png", "arrow_z2.png", "icon_m1.png", "playbar_background.png",
    "button_previous.png", "button_next.png", "button_play.png", "button_pause.png", "button_playback1.png",
    "button_playback1.5.png", "button_playback2.png", "button_playback.png", "button_playback1-2.png",
    "icon_volume_on.png", "icon_volume_off.png", "button_full.png", "button_full1.png", "volume_full.png",
    "volume_bg.png", "volume_button.png", "track_bar_full.png", "track_bar_bg.png", "list_bg_1.png",
    "list_bg_2.png", "list_d.png", "scrollbar_background.png", "button_bar_up.png", "button_bar_down.png",
    "slider.png", "icon_play.png", "icon_event.png", "icon_parking.png", "bg_calendar_title.png",
    "calendar_background.png", "calendar_pic_d.png", "icon_calendar_black.png", "icon_calendar_white.png",
    "button_calendar_back.png", "button_calendar_next.png", "button_calendar.png", "calendar_checkbox.png",
    "calendar_uncheckbox.png", "enter_calendar.png", "button_enter.png", "calendar_list_d.png",
    "calendar_list_bg_1.png", "calendar_list_bg_2.png", "button_print_camera1.png", "button_print_camera2.png",
    "button_print_camera12.png", "icon_logo.png",
};

// Controls drawn in four states, and those (the camera choice) without a disabled state.
const char* const kFourStateControls[] = {
    "button_open.png", "button_print.png", "button_backup.png", "button_capture.png", "button_export.png",
    "button_youtube.png", "button_settings.png", "button_window_switch.png", "button_full_map.png",
    "button_full1_map.png", "button_previous.png", "button_next.png", "button_play.png", "button_pause.png",
    "button_playback1.png", "button_playback1.5.png", "button_playback2.png", "button_playback.png",
    "button_playback1-2.png", "icon_volume_on.png", "icon_volume_off.png", "button_full.png", "button_full1.png",
    "button_bar_up.png", "button_bar_down.png", "slider.png", "button_calendar_back.png",
    "button_calendar_next.png", "button_calendar.png", "calendar_checkbox.png", "calendar_uncheckbox.png",
    "button_enter.png", "km_map.png", "km_gps.png", "gps_link.png", "button_google_map.png",
};
const char* const kThreeStateControls[] = {
    "button_print_camera1.png", "button_print_camera2.png", "button_print_camera12.png",
};

QString variant(const QString& baseName, const char* suffix)
{
    return baseName.chopped(4) + suffix + ".png";
}

QImage bundled(int skinId, const QString& baseName)
{
    return QImage(":/skins/" + pmSkinImageName(skinId, baseName));
}

// The image as it shows on the dark bars it sits on.
QImage onDarkSurface(const QImage& image)
{
    QImage surface(image.size(), QImage::Format_RGB32);
    surface.fill(QColor(30, 33, 38));
    QPainter(&surface).drawImage(0, 0, image);
    return surface;
}

double meanLuma(const QImage& image)
{
    const QImage surface = onDarkSurface(image);
    double sum = 0;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            const QRgb pixel = surface.pixel(x, y);
            sum += 0.299 * qRed(pixel) + 0.587 * qGreen(pixel) + 0.114 * qBlue(pixel);
        }
    }
    return sum / (surface.width() * surface.height());
}

// The largest channel spread of any pixel: 0 for pure greys.
int maxChroma(const QImage& image)
{
    const QImage surface = onDarkSurface(image);
    int chroma = 0;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            const QRgb p = surface.pixel(x, y);
            chroma = std::max(chroma, std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}));
        }
    }
    return chroma;
}

class SkinImagesTest : public ::testing::Test {
protected:
    // The current skin is process-wide: start every test from the fresh store's skin 0.
    void SetUp() override { getSkinId(); }

    PreferenceStore store;
};

TEST(SkinImageNameTest, CarriesTheSkinNumberPlusOne)
{
    EXPECT_EQ(pmSkinImageName(0, "button_play.png"), "skin_01_button_play.png");
    EXPECT_EQ(pmSkinImageName(3, "button_play.png"), "skin_04_button_play.png");
    EXPECT_EQ(pmSkinImageName(1, "G-Sensor Screen_bg.png"), "skin_02_G-Sensor Screen_bg.png");
}

TEST_F(SkinImagesTest, LookupUsesTheCurrentSkinAndGivesNothingForAnUnknownName)
{
    EXPECT_EQ(getSkinId(), 0);
    EXPECT_EQ(pmGetSkinImage("button_play.png"), bundled(0, "button_play.png"));
    saveSkinId(2);
    EXPECT_EQ(pmGetSkinImage("button_play.png"), bundled(2, "button_play.png"));
    EXPECT_NE(bundled(0, "button_play.png"), bundled(2, "button_play.png"));
    EXPECT_TRUE(pmGetSkinImage("button_nothing.png").isNull());
    EXPECT_TRUE(pmGetSkinImage("").isNull());
}

TEST_F(SkinImagesTest, ImageFromTheOverrideFolderWins)
{
    const QString folder = store.makeFolder("designer");
    QImage replacement(5, 7, QImage::Format_ARGB32);
    replacement.fill(Qt::red);
    ASSERT_TRUE(replacement.save(folder + "/skin_01_button_play.png"));
    qputenv("KORIV_SKIN_DIR", QFile::encodeName(folder));
    const QImage image = pmGetSkinImage("button_play.png");
    const QImage other = pmGetSkinImage("button_pause.png");
    qunsetenv("KORIV_SKIN_DIR");
    EXPECT_EQ(image.size(), QSize(5, 7));
    EXPECT_EQ(other, bundled(0, "button_pause.png"));
}

TEST(SkinSetTest, EverySkinHasEveryImageAndStateAtOneSize)
{
    QStringList required;
    for (const char* name : kRequiredImages) {
        required << name;
    }
    for (int digit = 0; digit <= 9; ++digit) {
        required << QString("ovl_speedno_%1.png").arg(digit);
    }
    for (const char* name : kFourStateControls) {
        required << variant(name, "_d") << variant(name, "_f") << variant(name, "_g");
    }
    for (const char* name : kThreeStateControls) {
        required << variant(name, "_d") << variant(name, "_f");
    }
    for (const QString& name : required) {
        const QImage first = bundled(0, name);
        ASSERT_FALSE(first.isNull()) << qPrintable(name);
        for (int skinId = 1; skinId < kSkinCount; ++skinId) {
            EXPECT_EQ(bundled(skinId, name).size(), first.size()) << qPrintable(pmSkinImageName(skinId, name));
        }
    }
}

TEST(SkinSetTest, ImagesHaveTheSizesOfTheirControls)
{
    const std::pair<const char*, QSize> sizes[] = {
        {"button_open.png", {45, 30}},         {"button_window_switch.png", {45, 30}},
        {"button_youtube.png", {60, 30}},      {"button_settings.png", {45, 45}},
        {"button_play.png", {40, 44}},         {"button_playback1-2.png", {40, 44}},
        {"icon_volume_off.png", {40, 44}},     {"track_bar_bg.png", {260, 44}},
        {"volume_bg.png", {70, 44}},           {"button_full_map.png", {30, 20}},
        {"km_map.png", {40, 20}},              {"gps_link.png", {40, 40}},
        {"km_gps.png", {70, 25}},              {"GSensorGraphic.png", {238, 63}},
        {"button_calendar_back.png", {30, 30}}, {"button_calendar.png", {85, 30}},
        {"enter_calendar.png", {67, 27}},      {"button_print_camera1.png", {76, 35}},
        {"calendar_checkbox.png", {18, 18}},   {"bg_calendar_title.png", {291, 30}},
    };
    for (const auto& [name, size] : sizes) {
        EXPECT_EQ(bundled(0, name).size(), size) << name;
    }
    // A calendar cell is a seventh of the calendar, 31 high; file list rows leave room for
    // the scroll bar in the 291-wide panel; 8 drop-down rows fill its 144-high list.
    const QImage calendar = bundled(0, "calendar_background.png");
    EXPECT_EQ(bundled(0, "calendar_pic_d.png").size(), QSize(calendar.width() / 7, 31));
    const int scrollWidth = bundled(0, "button_bar_up.png").width();
    EXPECT_EQ(bundled(0, "list_d.png").width() + scrollWidth, 291);
    EXPECT_EQ(bundled(0, "list_bg_1.png").size(), bundled(0, "list_d.png").size());
    EXPECT_EQ(bundled(0, "calendar_list_d.png").width() + scrollWidth, 67);
    EXPECT_EQ(bundled(0, "calendar_list_d.png").height() * 8, 144);
    const QSize panel = bundled(0, "G-Sensor Screen_disable.png").size();
    for (const char* name : {"G-Sensor Screen_bg.png", "G-Sensor Screen_default.png", "G-Sensor Screen_default_d.png"}) {
        EXPECT_EQ(bundled(0, name).size(), panel) << name;
    }
    for (int digit = 1; digit <= 9; ++digit) {
        EXPECT_EQ(bundled(0, QString("ovl_speedno_%1.png").arg(digit)).size(), bundled(0, "ovl_speedno_0.png").size());
    }
}

TEST(SkinSetTest, PressedIsDarkerRollOverLighterAndDisabledGrey)
{
    for (int skinId = 0; skinId < kSkinCount; ++skinId) {
        for (const char* name : kFourStateControls) {
            const double normal = meanLuma(bundled(skinId, name));
            const QString label = pmSkinImageName(skinId, name);
            EXPECT_LT(meanLuma(bundled(skinId, variant(name, "_d"))), normal - 1) << qPrintable(label);
            EXPECT_GT(meanLuma(bundled(skinId, variant(name, "_f"))), normal + 1) << qPrintable(label);
            EXPECT_LT(maxChroma(bundled(skinId, variant(name, "_g"))), 24) << qPrintable(label);
        }
    }
}

TEST(SkinSetTest, AxisColoursAreSolidAndClearlyDistinct)
{
    for (int skinId = 0; skinId < kSkinCount; ++skinId) {
        std::vector<QColor> axes;
        for (const char* name : {"arrow_x1.png", "arrow_y1.png", "arrow_z1.png"}) {
            const QImage arrow = bundled(skinId, name);
            const QColor centre = arrow.pixelColor(arrow.width() / 2, arrow.height() / 2);
            EXPECT_EQ(centre.alpha(), 255) << name;
            axes.push_back(centre);
        }
        for (size_t a = 0; a < axes.size(); ++a) {
            for (size_t b = a + 1; b < axes.size(); ++b) {
                const int distance = std::abs(axes[a].red() - axes[b].red()) +
                                     std::abs(axes[a].green() - axes[b].green()) +
                                     std::abs(axes[a].blue() - axes[b].blue());
                EXPECT_GT(distance, 150);
            }
        }
    }
}

TEST(MirrorImageTest, FlipsLeftToRightAtTheSameSize)
{
    QImage image(3, 2, QImage::Format_ARGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            image.setPixel(x, y, qRgba(x * 100, y * 100, 7, 255));
        }
    }
    const QImage mirrored = pmMirrorImage(image);
    ASSERT_EQ(mirrored.size(), image.size());
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(mirrored.pixel(x, y), image.pixel(2 - x, y));
        }
    }
    EXPECT_EQ(pmMirrorImage(mirrored), image);
    EXPECT_TRUE(pmMirrorImage(QImage()).isNull());
}

TEST_F(SkinImagesTest, OnlyArabicIsRightToLeft)
{
    for (int id : {0, 12, 14, 21, 30, -1}) {
        saveLanguageId(id);
        EXPECT_FALSE(pmIsRightToLeft()) << id;
    }
    saveLanguageId(kLanguageArabic);
    EXPECT_TRUE(pmIsRightToLeft());
}

} // namespace
