#include "LogText.h"
#include "PlayControlView.h"

#include "controls/ViewGeometry.h"
#include "BitmapButton.h"
#include "CentredText.h"
#include "IdentityString.h"
#include "LocalizedText.h"
#include "MultiButtons.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "SkinImages.h"
#include "Slider.h"
#include "TiledBackground.h"

#include <QDebug>
#include <QPainter>

namespace {

const char* const kBackgroundImageName = "playbar_background.png";
const char* const kPrevImage = "button_previous.png";
const char* const kNextImage = "button_next.png";

using State = PlayControlView::ButtonState;
constexpr State kPlayStates[] = {{"button_play.png", "IDS_PLAY"}, {"button_pause.png", "IDS_PAUSE"}};
// Rates 1, 1.5, 2, 0.25 and 0.5.
constexpr State kSpeedStates[] = {
    {"button_playback1.png", "IDS_PLAY_SPEED"}, {"button_playback1.5.png", "IDS_PLAY_SPEED"},
    {"button_playback2.png", "IDS_PLAY_SPEED"}, {"button_playback.png", "IDS_PLAY_SPEED"},
    {"button_playback1-2.png", "IDS_PLAY_SPEED"}};
constexpr State kVolumeStates[] = {{"icon_volume_on.png", "IDS_SOUND_MUTE"},
                                   {"icon_volume_off.png", "IDS_SOUND_MUTE"}};
constexpr State kFullScreenStates[] = {{"button_full.png", "IDS_FULL_SCREEN"},
                                       {"button_full1.png", "IDS_NORMAL_SCREEN"}};

struct SliderImages {
    const char* full;
    const char* empty;
    const char* thumb;
};
constexpr SliderImages kVolumeSliderImages{"volume_full.png", "volume_bg.png", "volume_button.png"};
constexpr SliderImages kTimeSliderImages{"track_bar_full.png", "track_bar_bg.png", "volume_button.png"};

constexpr int kBarItemHeight = 44;
constexpr int kTimeSliderWidth = 260;
constexpr int kTimeTextWidth = 44;
// The width the bar is laid out for until the window gives it its own.
constexpr int kInitialLayoutWidth = 689;
constexpr int kInitialTimeSliderMax = 1000;

void loadImages(Slider* slider, const SliderImages& images)
{
    slider->loadBitmaps(images.full, images.empty, images.thumb);
}

void addStates(MultiButtons* button, std::span<const State> states)
{
    for (const State& state : states)
        button->addBitmapButton(pmLoadString(state.toolTipKey), state.image);
}

} // namespace

PlayControlView::PlayControlView(const QRect& frame, QWidget* parent) : QWidget(parent)
{
    setObjectName("PlayControlView");
    setGeometry(frame);
    backgroundImage = pmGetSkinImage(kBackgroundImageName);
    setButtonRect();
    setTimeRects(kInitialLayoutWidth, height(), false);
    SetPlayTime(0, 0, false);
    setupButtons();
}

PlayControlView::~PlayControlView()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

QRect PlayControlView::toQt(const QRectF& yUp) const
{
    return pmYUpToQt(yUp, height());
}

std::array<std::pair<MultiButtons*, std::span<const State>>, 4> PlayControlView::multiButtons() const
{
    return {{{mPlayBtn, kPlayStates}, {mSpeedBtn, kSpeedStates}, {mVolumeBtn, kVolumeStates},
             {mFullScreenBtn, kFullScreenStates}}};
}

void PlayControlView::setButtonRect()
{
    const auto item = [](double x, double width) { return QRectF(x, 0, width, kBarItemHeight); };
    rectPrev = item(0, 40);
    rectNext = item(40, 40);
    rectPlay = item(80, 40);
    rectSpeed = item(120, 40);
    rectVolume = item(180, 40);
    rectVolumeSlider = item(220, 70);
    rectFullScreen = item(300, 40);
}

// The time slider keeps its width and sits at the right, between the two time texts.
void PlayControlView::setTimeRects(int width, int height, bool rightToLeft)
{
    const int x = width - 304;
    const int sliderX = rightToLeft ? width - kTimeSliderWidth - x : x;
    rectTimeSlider = QRectF(sliderX, 0, kTimeSliderWidth, kBarItemHeight);
    const double textY = height - kBarItemHeight;
    rectRemainTime = QRectF(sliderX + kTimeSliderWidth + 1, textY, kTimeTextWidth, kBarItemHeight);
    rectPlayTime = QRectF(sliderX - 1 - kTimeTextWidth, textY, kTimeTextWidth, kBarItemHeight);
}

void PlayControlView::setupButtons()
{
    const auto bitmapButton = [this](const QRectF& rect, const char* name) {
        auto* button = BitmapButton::windowButtonWithSize(int(rect.width()), int(rect.height()), this);
        button->setObjectName(QString(name).section('.', 0, 0));
        return button;
    };
    const auto multiButton = [this](const QRectF& rect, const char* name) {
        auto* button = MultiButtons::windowButtonWithSize(int(rect.width()), int(rect.height()), this);
        button->setObjectName(QString(name).section('.', 0, 0));
        return button;
    };
    mPrevBtn = bitmapButton(rectPrev, kPrevImage);
    mNextBtn = bitmapButton(rectNext, kNextImage);
    mPlayBtn = multiButton(rectPlay, kPlayStates[0].image);
    mSpeedBtn = multiButton(rectSpeed, kSpeedStates[0].image);
    mVolumeBtn = multiButton(rectVolume, kVolumeStates[0].image);
    mFullScreenBtn = multiButton(rectFullScreen, kFullScreenStates[0].image);
    mVolumeSlider = new Slider(toQt(rectVolumeSlider), this);
    mTimeSlider = new Slider(toQt(rectTimeSlider), this);
    loadButtonImages();
    changeLanguage();

    mVolumeSlider->setRange(0, 10);
    mVolumeSlider->setCurrentValue(pmGetProfileInt(kPrefVolume, kDefaultVolume));
    mTimeSlider->setRange(0, kInitialTimeSliderMax);
    mTimeSlider->setCurrentValue(0);
    const QString identity = pmIdentityString(this);
    mVolumeSlider->setRealParent(identity);
    mTimeSlider->setRealParent(identity);
    frameControls();

    connect(mPrevBtn, &BitmapButton::clicked, this, [this] {
        pmWriteConsoleText("Prev button pressed !");
        postButton(kTagPrev);
    });
    connect(mNextBtn, &BitmapButton::clicked, this, [this] {
        pmWriteConsoleText("Next button pressed !");
        postButton(kTagNext);
    });
    connect(mPlayBtn, &MultiButtons::clicked, this, &PlayControlView::onPlayButton);
    connect(mSpeedBtn, &MultiButtons::clicked, this,
            [this] { onMultiButton(mSpeedBtn, "Speed button pressed !", kTagSpeed); });
    connect(mVolumeBtn, &MultiButtons::clicked, this,
            [this] { onMultiButton(mVolumeBtn, "Volume button pressed !", kTagMute); });
    connect(mFullScreenBtn, &MultiButtons::clicked, this,
            [this] { onMultiButton(mFullScreenBtn, "Fullscreen button pressed !", kTagFullScreen); });

    NotificationCenter::defaultCenter().addObserver(
        this, kSliderChangedNotification, [this](const Notification& n) { sliderValueChanged(n); });
}

// Every button's and slider's images from the current skin; the states shown are kept.
void PlayControlView::loadButtonImages()
{
    mPrevBtn->setBitmapButton(kPrevImage);
    mNextBtn->setBitmapButton(kNextImage);
    for (const auto& [button, states] : multiButtons()) {
        button->clearBitmaps();
        addStates(button, states);
        button->changeToolTips({}); // the tool tip of the state shown, not of the first
    }
    loadImages(mVolumeSlider, kVolumeSliderImages);
    loadImages(mTimeSlider, kTimeSliderImages);
}

void PlayControlView::frameControls()
{
    mPrevBtn->setGeometry(toQt(rectPrev));
    mNextBtn->setGeometry(toQt(rectNext));
    mPlayBtn->setGeometry(toQt(rectPlay));
    mSpeedBtn->setGeometry(toQt(rectSpeed));
    mVolumeBtn->setGeometry(toQt(rectVolume));
    mVolumeSlider->setGeometry(toQt(rectVolumeSlider));
    mFullScreenBtn->setGeometry(toQt(rectFullScreen));
    mTimeSlider->setGeometry(toQt(rectTimeSlider));
}

void PlayControlView::relayoutContents(bool rightToLeft, double width, double height)
{
    const int W = static_cast<int>(width);
    setTimeRects(W, static_cast<int>(height), rightToLeft);
    setButtonRect();
    if (rightToLeft) {
        for (QRectF* rect : {&rectPrev, &rectNext, &rectPlay, &rectSpeed, &rectVolume,
                             &rectVolumeSlider, &rectFullScreen})
            rect->moveLeft(W - rect->width() - rect->x());
    }
    frameControls();
    mPrevBtn->setButtonFlipped(rightToLeft);
    mNextBtn->setButtonFlipped(rightToLeft);
    update();
}

void PlayControlView::changeLanguage()
{
    mPrevBtn->setToolTip(pmLoadString("IDS_PRE_VIDEO"));
    mNextBtn->setToolTip(pmLoadString("IDS_NEXT_VIDEO"));
    // The sliders show no text; screen readers still need to tell them apart.
    mVolumeSlider->setAccessibleName(pmLoadString("IDS_VOLUME"));
    mTimeSlider->setAccessibleName(pmLoadString("IDS_PLAY_POSITION"));
    for (const auto& [button, states] : multiButtons()) {
        std::array<QString, MultiButtons::kMaxStates> toolTips;
        for (size_t i = 0; i < states.size(); ++i)
            toolTips[i] = pmLoadString(states[i].toolTipKey);
        button->changeToolTips(toolTips);
    }
}

void PlayControlView::loadSkinBitmap()
{
    backgroundImage = pmGetSkinImage(kBackgroundImageName);
    loadButtonImages();
    for (const auto& [button, states] : multiButtons())
        button->updateImage();
    mPrevBtn->updateImage();
    mNextBtn->updateImage();
    mVolumeSlider->loadSkinBitmap();
    mTimeSlider->loadSkinBitmap();
    update();
}

void PlayControlView::SetPlayTime(int position, int length, bool redraw)
{
    if (position != m_nPlayTime) {
        m_nPlayTime = position;
        if (redraw)
            update(toQt(rectPlayTime));
    }
    if (length != m_nRemainTime) {
        m_nRemainTime = length;
        if (redraw)
            update(toQt(rectRemainTime));
    }
}

QString PlayControlView::timeText(int seconds)
{
    if (seconds < 1)
        return QStringLiteral("00:00");
    int minutes = seconds / 60;
    if (minutes >= 60)
        minutes %= 60;
    return QString::asprintf("%02d:%02d", minutes, seconds % 60);
}

void PlayControlView::onMultiButton(MultiButtons* button, const char* consoleLine, int tag)
{
    pmWriteConsoleText(consoleLine);
    button->changeButtonIndex();
    postButton(tag);
}

void PlayControlView::onPlayButton()
{
    // The tag says what the button offered when it was pressed.
    const int shown = mPlayBtn->getCurButtonIndex();
    onMultiButton(mPlayBtn, "Play button pressed !", shown == 0 ? kTagPlay : kTagPause);
}

void PlayControlView::postButton(int tag)
{
    NotificationCenter::defaultCenter().postNotification(kPlayBarButtonClickedNotification, tag);
}

void PlayControlView::sliderValueChanged(const Notification& notification)
{
    const QString sender = notification.userInfo.value(kSliderWindowKey).toString();
    const char* type = nullptr;
    if (sender == pmIdentityString(mVolumeSlider))
        type = kSliderTypeVolume;
    else if (sender == pmIdentityString(mTimeSlider))
        type = kSliderTypeTime;
    else
        return; // another view's slider
    pmWriteConsoleText(QString::asprintf("sliderValueChanged - %d", notification.object.toInt()));
    NotificationCenter::defaultCenter().postNotification(kDoSliderChangedNotification, notification.object,
                                                         {{kSliderTypeKey, type}});
}

void PlayControlView::paintEvent(QPaintEvent*)
{
    nBackgroundWidth = width();
    nBackgroundHeight = height();
    QPainter painter(this);
    pmDrawTiledBackground(painter, backgroundImage, nBackgroundWidth, nBackgroundHeight);
    DrawTime(painter);
}

void PlayControlView::DrawTime(QPainter& painter)
{
    pmDrawCentredText(painter, rectPlayTime, height(), timeText(m_nPlayTime));
    pmDrawCentredText(painter, rectRemainTime, height(), timeText(m_nRemainTime));
}
