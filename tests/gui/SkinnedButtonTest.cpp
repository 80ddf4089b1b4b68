// The state machines of the skinned buttons: which image shows, what the mouse may do, and
// how multi-state buttons cycle. Images come from a skin folder made by the test.
#include "controls/BitmapButton.h"
#include "controls/MultiButtons.h"
#include "SkinFolder.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SkinnedButtonTest : public ::testing::Test {
protected:
    SkinFolder skins{{"button_play.png", "button_pause.png"}};
};

void hover(QWidget& button)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&button, &enter);
}

void unhover(QWidget& button)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
}

} // namespace

TEST_F(SkinnedButtonTest, BitmapButtonShowsTheImageOfItsState)
{
    BitmapButton button(40, 30);
    button.setBitmapButton("button_play.png");
    const StateImages& images = button.stateImages();
    EXPECT_EQ(images.pressed, skins.image("button_play_d.png"));
    EXPECT_EQ(button.shownImage(), images.active);
    hover(button);
    EXPECT_EQ(button.shownImage(), images.rollover);
    unhover(button);
    EXPECT_EQ(button.shownImage(), images.active);
    button.setEnabled(false);
    EXPECT_EQ(button.shownImage(), images.inactive);
    hover(button); // a disabled button does not light up
    EXPECT_EQ(button.shownImage(), images.inactive);
}

TEST_F(SkinnedButtonTest, DisabledButtonIgnoresTheMouseEntirely)
{
    BitmapButton button(40, 30);
    button.setBitmapButton("button_play.png");
    button.show();
    QSignalSpy clicks(&button, &BitmapButton::clicked);
    button.setEnabled(false);
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_EQ(button.shownImage(), button.stateImages().inactive);
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 0);

    button.setEnabled(true);
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_EQ(button.shownImage(), button.stateImages().pressed);
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(button.shownImage(), button.stateImages().active);
}

TEST_F(SkinnedButtonTest, CheckedButtonRestsOnItsPressedImage)
{
    BitmapButton button(40, 30);
    button.setBitmapButton("button_play.png");
    button.checkButton(true);
    EXPECT_EQ(button.shownImage(), button.stateImages().pressed);
    hover(button);
    unhover(button);
    EXPECT_EQ(button.shownImage(), button.stateImages().pressed);
    button.checkButton(false);
    EXPECT_EQ(button.shownImage(), button.stateImages().active);
}

TEST_F(SkinnedButtonTest, MirroringIsIdempotentAndReversible)
{
    BitmapButton button(40, 30);
    button.setBitmapButton("button_play.png");
    const QImage original = button.stateImages().active;
    button.setButtonFlipped(true);
    const QImage mirrored = button.stateImages().active;
    EXPECT_EQ(mirrored, original.mirrored(true, false));
    EXPECT_NE(mirrored, original);
    button.setButtonFlipped(true);
    EXPECT_EQ(button.stateImages().active, mirrored);
    // A skin reload keeps the images mirrored while the layout is right to left.
    button.setBitmapButton("button_play.png");
    EXPECT_EQ(button.stateImages().active, mirrored);
    button.setButtonFlipped(false);
    EXPECT_EQ(button.stateImages().active, original);
    EXPECT_EQ(button.stateImages().inactive, skins.image("button_play_g.png"));
}

TEST_F(SkinnedButtonTest, MultiButtonsCycleThroughTheirStates)
{
    MultiButtons button(40, 30);
    button.addBitmapButton("Play", "button_play.png");
    button.changeButtonIndex(); // one state: nothing to cycle
    EXPECT_EQ(button.getCurButtonIndex(), 0);
    button.addBitmapButton("Pause", "button_pause.png");
    EXPECT_EQ(button.toolTip(), "Play");

    button.changeButtonIndex();
    EXPECT_EQ(button.getCurButtonIndex(), 1);
    EXPECT_EQ(button.toolTip(), "Pause");
    EXPECT_EQ(button.shownImage(), skins.image("button_pause_f.png")); // the pointer is on it
    button.changeButtonIndex();
    EXPECT_EQ(button.getCurButtonIndex(), 0);
    EXPECT_EQ(button.toolTip(), "Play");
}

TEST_F(SkinnedButtonTest, MultiButtonsIgnoreImpossibleIndexesAndExtraStates)
{
    MultiButtons button(40, 30);
    button.addBitmapButton("Play", "button_play.png");
    button.addBitmapButton("Pause", "button_pause.png");
    button.setButtonIndex(5);
    button.setButtonIndex(-1);
    EXPECT_EQ(button.getCurButtonIndex(), 0);
    button.setButtonIndex(1);
    EXPECT_EQ(button.shownImage(), skins.image("button_pause.png"));
    EXPECT_EQ(button.toolTip(), "Play"); // setButtonIndex leaves the tool tip

    for (int i = 0; i < 4; ++i)
        button.addBitmapButton(QString::number(i), "button_play.png");
    EXPECT_EQ(button.buttonCount(), 5);

    button.changeToolTips({QString(), "Stop", QString(), QString(), QString()});
    EXPECT_EQ(button.toolTip(), "Stop");
    button.resetButtonState();
    EXPECT_EQ(button.getCurButtonIndex(), 0);
    EXPECT_EQ(button.toolTip(), "Play");
    EXPECT_EQ(button.shownImage(), skins.image("button_play.png"));

    button.clearBitmaps();
    EXPECT_EQ(button.buttonCount(), 0);
}
