#pragma once
// The play bar under the video: previous, next, play/pause, speed, mute, the volume slider,
// full screen, the time slider and the two time texts. It holds no playback logic: each
// button advances its own state and posts kPlayBarButtonClickedNotification with its tag, and
// each change of one of its sliders is reposted as kDoSliderChangedNotification, labelled
// "volume" or "time". The controller writes back the times, the slider values and the
// buttons' states.
//
// Rectangles are y-up with the origin at the bar's bottom-left, turned into Qt frames by
// toQt().

#include <QImage>
#include <QRectF>
#include <QWidget>

#include <array>
#include <span>
#include <utility>

class BitmapButton;
class MultiButtons;
class Slider;
struct Notification;

class PlayControlView : public QWidget {
    Q_OBJECT
public:
    enum Tag { kTagPlay = 1, kTagPause = 2, kTagNext = 3, kTagPrev = 4, kTagMute = 7,
               kTagSpeed = 9, kTagFullScreen = 10 };

    // One state of a multi-state button: its image base name and tool tip key.
    struct ButtonState {
        const char* image;
        const char* toolTipKey;
    };

    explicit PlayControlView(const QRect& frame, QWidget* parent = nullptr);
    ~PlayControlView() override;

    BitmapButton* poPrevBtn() const { return mPrevBtn; }
    BitmapButton* poNextBtn() const { return mNextBtn; }
    MultiButtons* poPlayBtn() const { return mPlayBtn; }
    MultiButtons* poSpeedBtn() const { return mSpeedBtn; }
    MultiButtons* poVolumeBtn() const { return mVolumeBtn; }
    MultiButtons* poFullScreenBtn() const { return mFullScreenBtn; }
    Slider* poVolumeSlider() const { return mVolumeSlider; }
    Slider* poTimeSlider() const { return mTimeSlider; }

    // Stores each time that changed; with redraw, repaints the text of each changed one.
    void SetPlayTime(int position, int length, bool redraw);
    int playTime() const { return m_nPlayTime; }
    int remainTime() const { return m_nRemainTime; } // the recording's length
    // The y-up rectangles of the position and length texts, as last laid out.
    const QRectF& playTimeRect() const { return rectPlayTime; }
    const QRectF& remainTimeRect() const { return rectRemainTime; }
    // "mm:ss"; hours are not shown.
    static QString timeText(int seconds);

    // The tiled background's size: its height is the bar's natural height.
    QSize backgroundSize() const { return backgroundImage.size(); }

    void relayoutContents(bool rightToLeft, double width, double height);
    void changeLanguage();
    void loadSkinBitmap();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setButtonRect();
    void setTimeRects(int width, int height, bool rightToLeft);
    void setupButtons();
    void loadButtonImages();
    void frameControls();
    QRect toQt(const QRectF& yUp) const;
    // The multi-state buttons with the states they are given, in the order they are made.
    std::array<std::pair<MultiButtons*, std::span<const ButtonState>>, 4> multiButtons() const;

    void onMultiButton(MultiButtons* button, const char* consoleLine, int tag);
    void onPlayButton();
    void postButton(int tag);
    void sliderValueChanged(const Notification& notification);
    void DrawTime(QPainter& painter);

    BitmapButton* mPrevBtn = nullptr;
    BitmapButton* mNextBtn = nullptr;
    MultiButtons* mPlayBtn = nullptr;
    MultiButtons* mSpeedBtn = nullptr;
    MultiButtons* mVolumeBtn = nullptr;
    MultiButtons* mFullScreenBtn = nullptr;
    Slider* mVolumeSlider = nullptr;
    Slider* mTimeSlider = nullptr;

    QRectF rectPrev, rectNext, rectPlay, rectSpeed, rectVolume, rectVolumeSlider, rectFullScreen;
    QRectF rectTimeSlider, rectPlayTime, rectRemainTime;

    QImage backgroundImage;
    int nBackgroundWidth = 0;
    int nBackgroundHeight = 0;
    int m_nPlayTime = 0;
    int m_nRemainTime = 0;
};
