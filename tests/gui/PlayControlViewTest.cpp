// The play bar with the program's own skins: what each button posts and shows, which slider
// changes it relays, the time texts and the layout for a width and a writing direction.
#include "GuiTestSupport.h"

#include "LocalizedText.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "SkinImages.h"
#include "controls/BitmapButton.h"
#include "controls/IdentityString.h"
#include "controls/MultiButtons.h"
#include "controls/PlayControlView.h"
#include "controls/Slider.h"
#include "util/Log.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PlayControlViewTest : public ::testing::Test {
protected:
    PlayControlViewTest()
    {
        saveLanguageId(0);
        saveSkinId(0);
        auto& center = NotificationCenter::defaultCenter();
        center.addObserver(this, kPlayBarButtonClickedNotification,
                           [this](const Notification& n) { tags.push_back(n.object.toInt()); });
        center.addObserver(this, kDoSliderChangedNotification, [this](const Notification& n) {
            relayed.emplace_back(n.userInfo.value(kSliderTypeKey).toString(), n.object.toInt());
        });
    }
    ~PlayControlViewTest() override
    {
        NotificationCenter::defaultCenter().removeObserver(this);
        saveLanguageId(0);
        saveSkinId(0);
        pmInstallLanguageTranslator();
    }

    static void click(QWidget* widget, QPoint at = QPoint(20, 22))
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }

    std::unique_ptr<PlayControlView> makeBar()
    {
        auto bar = std::make_unique<PlayControlView>(QRect(0, 0, 689, 44));
        bar->show();
        return bar;
    }

    std::vector<int> tags;
    std::vector<std::pair<QString, int>> relayed;
};

} // namespace

TEST_F(PlayControlViewTest, EveryImageOfTheBarIsInEverySkin)
{
    for (int skin = 0; skin < kSkinCount; ++skin) {
        saveSkinId(skin);
        pmClearLog();
        auto bar = makeBar();
        bar->loadSkinBitmap();
        EXPECT_EQ(logMessages().filter("pmGetSkinImage - no image").join('\n'), QString()) << skin;
        for (MultiButtons* button : {bar->poPlayBtn(), bar->poSpeedBtn(), bar->poVolumeBtn(), bar->poFullScreenBtn()}) {
            for (int i = 0; i < button->buttonCount(); ++i)
                EXPECT_FALSE(button->stateImages(i).inactive.isNull()) << button->objectName().toStdString();
        }
        EXPECT_EQ(bar->poPrevBtn()->stateImages().pressed, pmGetSkinImage("button_previous_d.png"));
    }
}

TEST_F(PlayControlViewTest, PlayButtonPostsWhatItOfferedAndTurnsToPause)
{
    auto bar = makeBar();
    MultiButtons* play = bar->poPlayBtn();
    EXPECT_EQ(play->toolTip(), pmLoadString("IDS_PLAY"));
    click(play);
    EXPECT_EQ(play->getCurButtonIndex(), 1);
    EXPECT_EQ(play->shownImage(), pmGetSkinImage("button_pause_f.png"));
    EXPECT_EQ(play->toolTip(), pmLoadString("IDS_PAUSE"));
    click(play);
    EXPECT_EQ(play->getCurButtonIndex(), 0);
    EXPECT_EQ(tags, (std::vector<int>{PlayControlView::kTagPlay, PlayControlView::kTagPause}));
}

TEST_F(PlayControlViewTest, EachButtonPostsItsTagAndSpeedCyclesThroughFiveStates)
{
    auto bar = makeBar();
    click(bar->poPrevBtn());
    click(bar->poNextBtn());
    click(bar->poVolumeBtn());
    EXPECT_EQ(bar->poVolumeBtn()->getCurButtonIndex(), 1);
    click(bar->poFullScreenBtn());
    EXPECT_EQ(bar->poFullScreenBtn()->toolTip(), pmLoadString("IDS_NORMAL_SCREEN"));
    EXPECT_EQ(tags, (std::vector<int>{4, 3, 7, 10}));

    tags.clear();
    std::vector<int> states;
    for (int i = 0; i < 5; ++i) {
        click(bar->poSpeedBtn());
        states.push_back(bar->poSpeedBtn()->getCurButtonIndex());
    }
    EXPECT_EQ(states, (std::vector<int>{1, 2, 3, 4, 0}));
    EXPECT_EQ(tags, std::vector<int>(5, PlayControlView::kTagSpeed));

    // A button the controller disabled posts nothing.
    bar->poNextBtn()->setEnabled(false);
    click(bar->poNextBtn());
    EXPECT_EQ(tags.size(), 5u);
}

TEST_F(PlayControlViewTest, RelaysOnlyItsOwnSlidersLabelledByWhatTheyControl)
{
    pmSetProfileInt(kPrefVolume, 3);
    auto bar = makeBar();
    auto other = makeBar();
    EXPECT_EQ(bar->poVolumeSlider()->getCurrentValue(), 3);
    EXPECT_EQ(bar->poTimeSlider()->maxValue(), 1000);
    EXPECT_EQ(bar->poTimeSlider()->getCurrentValue(), 0);

    // Volume: 70 wide with a 16-pixel thumb, 54 pixels of travel for 0..10.
    QTest::mousePress(bar->poVolumeSlider(), Qt::LeftButton, {}, QPoint(62, 22));
    QTest::mouseRelease(bar->poVolumeSlider(), Qt::LeftButton, {}, QPoint(62, 22));
    bar->poTimeSlider()->setRange(0, 120);
    QTest::mousePress(bar->poTimeSlider(), Qt::LeftButton, {}, QPoint(130, 22));
    QTest::mouseRelease(bar->poTimeSlider(), Qt::LeftButton, {}, QPoint(130, 22));
    EXPECT_EQ(relayed, (std::vector<std::pair<QString, int>>{{"volume", 10}, {"time", 60}}));

    // A slider of another view reaches this bar too, and is not relayed by it.
    relayed.clear();
    QTest::mousePress(other->poTimeSlider(), Qt::LeftButton, {}, QPoint(200, 22));
    QTest::mouseRelease(other->poTimeSlider(), Qt::LeftButton, {}, QPoint(200, 22));
    EXPECT_EQ(relayed.size(), 1u);
    Slider loose(QRect(0, 0, 70, 44));
    loose.loadBitmaps("volume_full.png", "volume_bg.png", "volume_button.png");
    loose.setRange(0, 10);
    loose.setRealParent(pmIdentityString(bar.get()));
    loose.show();
    QTest::mousePress(&loose, Qt::LeftButton, {}, QPoint(40, 22));
    QTest::mouseRelease(&loose, Qt::LeftButton, {}, QPoint(40, 22));
    EXPECT_EQ(relayed.size(), 1u);
}

TEST_F(PlayControlViewTest, TimesShowMinutesAndSecondsWithoutHours)
{
    EXPECT_EQ(PlayControlView::timeText(3725), "02:05"); // 62 minutes wrap to 2
    EXPECT_EQ(PlayControlView::timeText(0), "00:00");
    EXPECT_EQ(PlayControlView::timeText(-5), "00:00");
    EXPECT_EQ(PlayControlView::timeText(59), "00:59");
    EXPECT_EQ(PlayControlView::timeText(600), "10:00");

    auto bar = makeBar();
    // White text somewhere in a y-up rectangle of the bar (44 high, like the rectangles).
    const auto hasText = [&bar](const QRectF& yUp) {
        const QImage shown = bar->grab().toImage().copy(yUp.toRect());
        for (int i = 0; i < shown.width() * shown.height(); ++i)
            if (shown.pixelColor(i % shown.width(), i / shown.width()).lightness() > 200)
                return true;
        return false;
    };
    bar->SetPlayTime(3725, 90, true);
    EXPECT_EQ(bar->playTime(), 3725);
    EXPECT_EQ(bar->remainTime(), 90);
    EXPECT_TRUE(hasText(bar->playTimeRect()));
    EXPECT_TRUE(hasText(bar->remainTimeRect()));
    EXPECT_FALSE(hasText(QRectF(161, 0, 18, 44))); // the gap between speed and volume
}

TEST_F(PlayControlViewTest, LayoutKeepsTheTimeSliderAtTheRightAndMirrorsRightToLeft)
{
    auto bar = makeBar();
    EXPECT_EQ(bar->poTimeSlider()->geometry(), QRect(385, 0, 260, 44));
    EXPECT_EQ(bar->playTimeRect().x(), 340);
    EXPECT_EQ(bar->remainTimeRect().x(), 646);

    bar->resize(1000, 44);
    bar->relayoutContents(false, 1000.7, 44);
    EXPECT_EQ(bar->poTimeSlider()->geometry(), QRect(696, 0, 260, 44));
    EXPECT_EQ(bar->playTimeRect(), QRectF(651, 0, 44, 44));
    EXPECT_EQ(bar->remainTimeRect(), QRectF(957, 0, 44, 44));
    EXPECT_EQ(bar->poVolumeSlider()->geometry(), QRect(220, 0, 70, 44));
    EXPECT_EQ(bar->poFullScreenBtn()->x(), 300);

    const QImage next = bar->poNextBtn()->stateImages().active;
    bar->relayoutContents(true, 1000, 44);
    EXPECT_EQ(bar->poTimeSlider()->x(), 44);
    EXPECT_EQ(bar->poPrevBtn()->x(), 960);
    EXPECT_EQ(bar->poNextBtn()->x(), 920);
    EXPECT_EQ(bar->poVolumeSlider()->x(), 710);
    EXPECT_EQ(bar->poFullScreenBtn()->x(), 660);
    EXPECT_EQ(bar->poNextBtn()->stateImages().active, next.mirrored(true, false));
    EXPECT_FALSE(bar->poPlayBtn()->stateImages(0).active.isNull());
    bar->relayoutContents(false, 1000, 44);
    EXPECT_EQ(bar->poNextBtn()->stateImages().active, next);
    EXPECT_EQ(bar->poPrevBtn()->x(), 0);
}

TEST_F(PlayControlViewTest, LanguageAndSkinChangesKeepTheStatesShown)
{
    auto bar = makeBar();
    click(bar->poPlayBtn()); // now offering pause
    const QString englishPause = bar->poPlayBtn()->toolTip();

    saveLanguageId(6); // Dutch
    pmInstallLanguageTranslator();
    bar->changeLanguage();
    EXPECT_EQ(bar->poPlayBtn()->toolTip(), pmLoadString("IDS_PAUSE"));
    EXPECT_NE(bar->poPlayBtn()->toolTip(), englishPause);
    EXPECT_EQ(bar->poPrevBtn()->toolTip(), pmLoadString("IDS_PRE_VIDEO"));
    EXPECT_EQ(bar->poSpeedBtn()->toolTip(), pmLoadString("IDS_PLAY_SPEED"));

    saveSkinId(2);
    bar->loadSkinBitmap();
    EXPECT_EQ(bar->poPlayBtn()->getCurButtonIndex(), 1);
    EXPECT_EQ(bar->poPlayBtn()->shownImage(), pmGetSkinImage("button_pause.png"));
    EXPECT_EQ(bar->poPlayBtn()->toolTip(), pmLoadString("IDS_PAUSE"));
    EXPECT_EQ(bar->poPrevBtn()->shownImage(), pmGetSkinImage("button_previous.png"));
}

TEST_F(PlayControlViewTest, BarWithoutABackgroundImageStillDraws)
{
    QTemporaryDir skin;
    QFile broken(skin.filePath(pmSkinImageName(0, "playbar_background.png")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    qputenv("KORIV_SKIN_DIR", skin.path().toUtf8());
    auto bar = makeBar();
    qunsetenv("KORIV_SKIN_DIR");
    EXPECT_TRUE(bar->backgroundSize().isEmpty());
    bar->SetPlayTime(75, 0, true);
    EXPECT_FALSE(bar->grab().isNull());
}
