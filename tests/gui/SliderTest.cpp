// The skinned slider driven by the mouse: jumps, drags and their arithmetic, the ends of the
// range, what it posts and what it draws. A 280-pixel slider with a 20-pixel thumb, range
// 0..10, has 260 pixels of travel.
#include "controls/IdentityString.h"
#include "controls/Slider.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "SkinFolder.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Posted {
    int value;
    QVariantMap userInfo;
};

class SliderTest : public ::testing::Test {
protected:
    SliderTest()
    {
        skins.add({"volume_button.png"}, QSize(20, 44));
        skins.add({"icon_m1.png"}, QSize(10, 12));
        slider.loadBitmaps("track_bar_full.png", "track_bar_bg.png", "volume_button.png");
        slider.setRange(0, 10);
        slider.setRealParent("<Owner: 0x1>");
        slider.show();
        NotificationCenter::defaultCenter().addObserver(this, kSliderChangedNotification,
                                                        [this](const Notification& n) {
            posted.push_back({n.object.toInt(), n.userInfo});
        });
    }
    ~SliderTest() override { NotificationCenter::defaultCenter().removeObserver(this); }

    void press(int x, int y = 22) { QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(x, y)); }
    void move(int x, int y = 22) { QTest::mouseMove(&slider, QPoint(x, y)); }
    void release(int x, int y = 22) { QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(x, y)); }

    std::vector<int> postedValues() const
    {
        std::vector<int> values;
        for (const Posted& p : posted)
            values.push_back(p.value);
        return values;
    }

    SkinFolder skins{{"track_bar_bg.png", "track_bar_full.png"}, QSize(280, 44)};
    Slider slider{QRect(0, 0, 280, 44)};
    std::vector<Posted> posted;
};

} // namespace

TEST_F(SliderTest, ClickOnTheTrackJumpsPostsAndKeepsDragging)
{
    press(140);
    EXPECT_EQ(slider.getCurrentValue(), 5); // 10 * (140 - 10) / 260
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].value, 5);
    EXPECT_EQ(posted[0].userInfo.value(kParentWindowKey).toString(), "<Owner: 0x1>");
    EXPECT_EQ(posted[0].userInfo.value(kSliderWindowKey).toString(), pmIdentityString(&slider));
    EXPECT_EQ(slider.getCurrentPos(), 130);

    move(140 + 26); // the jump began a drag from the click
    EXPECT_EQ(slider.getCurrentValue(), 6);
    release(166);
    EXPECT_FALSE(slider.isDragging());
    move(250);
    EXPECT_EQ(postedValues(), (std::vector<int>{5, 6}));
}

TEST_F(SliderTest, DragFromTheThumbMovesByWholeStepsOfTravel)
{
    slider.setCurrentValue(5); // thumb at 130..150
    EXPECT_TRUE(posted.empty()); // set by the owner: nothing posted
    press(135);
    EXPECT_TRUE(posted.empty()); // on the thumb: a drag, not a jump
    move(135 + 25);
    EXPECT_EQ(slider.getCurrentValue(), 5);
    EXPECT_TRUE(posted.empty());
    move(135 + 26);
    EXPECT_EQ(slider.getCurrentValue(), 6);
    move(135 + 27); // still 6: nothing new to post
    move(135 - 52);
    EXPECT_EQ(slider.getCurrentValue(), 3);
    release(83);
    EXPECT_EQ(postedValues(), (std::vector<int>{6, 3}));
}

TEST_F(SliderTest, ClicksAndDragsPastTheEndsStopAtTheLimits)
{
    press(279);
    EXPECT_EQ(slider.getCurrentValue(), 10);
    move(600);
    move(-300);
    EXPECT_EQ(slider.getCurrentValue(), 0);
    release(-300);
    slider.setCurrentValue(10);
    press(2); // left of the thumb's centre: 10 * (2 - 10) / 260 rounds to 0
    EXPECT_EQ(slider.getCurrentValue(), 0);
    release(2);
    EXPECT_EQ(postedValues(), (std::vector<int>{10, 0, 0}));
}

TEST_F(SliderTest, ClickAboveOrBelowAShortThumbIsIgnored)
{
    skins.add({"volume_button.png"}, QSize(20, 20)); // the thumb covers the lower 20 rows
    slider.loadBitmaps("track_bar_full.png", "track_bar_bg.png", "volume_button.png");
    press(10, 5);
    EXPECT_FALSE(slider.isDragging());
    release(10, 5);
    press(10, 40);
    EXPECT_TRUE(slider.isDragging());
    release(10, 40);
    EXPECT_TRUE(posted.empty());
}

TEST_F(SliderTest, DisabledSliderIgnoresTheMouseAndDisablingOrANewRangeEndsADrag)
{
    slider.setEnabled(false);
    EXPECT_FALSE(slider.isSliderEnabled());
    press(140);
    release(140);
    press(5);
    move(100);
    release(100);
    EXPECT_EQ(slider.getCurrentValue(), 0);

    slider.setEnabled(true);
    press(5);
    slider.setEnabled(false);
    move(100);
    release(100);
    slider.setEnabled(true);
    press(5);
    slider.setRange(0, 100);
    move(100);
    release(100);
    EXPECT_TRUE(posted.empty());
}

TEST_F(SliderTest, EmptyRangeOrNoTravelNeverDividesByZero)
{
    slider.setRange(0, 0);
    EXPECT_EQ(slider.getCurrentPos(), 0);
    slider.setEventMarkPos(5);
    EXPECT_EQ(slider.eventMarkPos(), 10); // position 0 plus half a thumb
    press(140);
    move(200);
    release(200);
    press(5);
    move(200);
    release(200);
    EXPECT_EQ(slider.getCurrentValue(), 0);
    EXPECT_TRUE(posted.empty());
    EXPECT_FALSE(slider.grab().isNull());

    // A view no wider than its thumb has no travel: a click goes to the minimum.
    Slider narrow(QRect(0, 0, 20, 44));
    narrow.loadBitmaps("track_bar_full.png", "track_bar_bg.png", "volume_button.png");
    narrow.setRange(0, 10);
    narrow.setCurrentValue(4);
    narrow.show();
    QTest::mousePress(&narrow, Qt::LeftButton, {}, QPoint(19, 22));
    QTest::mouseMove(&narrow, QPoint(5, 22));
    QTest::mouseRelease(&narrow, Qt::LeftButton, {}, QPoint(5, 22));
    EXPECT_EQ(narrow.getCurrentValue(), 0);
    EXPECT_EQ(postedValues(), (std::vector<int>{0}));
}

TEST_F(SliderTest, DrawsTheTrackFilledToTheThumbCentreAndTheMarkAtTheTop)
{
    slider.setCurrentValue(5); // thumb at 130, filled to 140
    slider.setEventMarkPos(8); // 260 * 8 / 10 + 10 = 218
    EXPECT_EQ(slider.eventMarkPos(), 218);
    const QImage shown = slider.grab().toImage();
    const QImage full = skins.image("track_bar_full.png");
    const QImage empty = skins.image("track_bar_bg.png");
    const QImage thumb = skins.image("volume_button.png");
    const QImage mark = skins.image("icon_m1.png");
    EXPECT_EQ(shown.pixelColor(100, 30), full.pixelColor(100, 30));
    EXPECT_EQ(shown.pixelColor(145, 30), thumb.pixelColor(15, 30));
    EXPECT_EQ(shown.pixelColor(160, 30), empty.pixelColor(160, 30));
    EXPECT_EQ(shown.pixelColor(218, 8), mark.pixelColor(5, 8)); // mark left edge at 213
    EXPECT_EQ(shown.pixelColor(218, 20), empty.pixelColor(218, 20)); // below the mark

    slider.setEventMarkPos(-1);
    EXPECT_EQ(slider.eventMarkPos(), -1);
    EXPECT_EQ(slider.grab().toImage().pixelColor(218, 8), empty.pixelColor(218, 8));
}

TEST_F(SliderTest, DrawsTheClipsTicksAndShadesItsStretch)
{
    const QImage plain = slider.grab().toImage();
    // Values 2 and 6 stand at 62 and 166: 260 * value / 10 plus half a thumb.
    const auto drawn = [this](const SliderMarks& marks) {
        slider.setClipMarks(marks);
        return slider.grab().toImage();
    };
    const auto differs = [&plain](const QImage& shown, int x) { return shown.pixelColor(x, 30) != plain.pixelColor(x, 30); };

    const QImage clip = drawn({2, 6, false, false});
    EXPECT_TRUE(differs(clip, 62));
    EXPECT_TRUE(differs(clip, 166));
    EXPECT_TRUE(differs(clip, 120)) << "the stretch between them is shaded";
    EXPECT_NE(clip.pixelColor(120, 30), clip.pixelColor(62, 30)) << "the ticks stand out from the stretch";
    EXPECT_FALSE(differs(clip, 40));
    EXPECT_FALSE(differs(clip, 200));

    const QImage startOnly = drawn({2, std::nullopt, false, false});
    EXPECT_TRUE(differs(startOnly, 62));
    EXPECT_FALSE(differs(startOnly, 120)) << "no end yet: nothing to shade";

    // The clip goes on into the next recording, or came from the previous one.
    EXPECT_TRUE(differs(drawn({2, std::nullopt, false, true}), 260));
    const QImage fromBefore = drawn({std::nullopt, 6, true, false});
    EXPECT_TRUE(differs(fromBefore, 30));
    EXPECT_FALSE(differs(fromBefore, 200));

    EXPECT_EQ(drawn({}), plain);
}
