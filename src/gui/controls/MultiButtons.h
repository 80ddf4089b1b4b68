#pragma once
// A button with up to five states, each with its own images and tool tip: play/pause, mute,
// the playback speed cycle.

#include "SkinnedButton.h"

#include <array>

class MultiButtons : public SkinnedButton {
    Q_OBJECT
public:
    static constexpr int kMaxStates = 5;

    MultiButtons(int width, int height, QWidget* parent = nullptr);
    static MultiButtons* windowButtonWithSize(int width, int height, QWidget* parent = nullptr);

    // Appends a state while fewer than five exist; the first state's tool tip becomes the
    // button's.
    void addBitmapButton(const QString& toolTip, const QString& base, const QString& pressed,
                         const QString& rollover, const QString& disabled);
    void addBitmapButton(const QString& toolTip, const QString& base);
    void clearBitmaps();

    // Next state, back to the first after the last; the tool tip follows.
    void changeButtonIndex();
    void setButtonIndex(int index);
    int getCurButtonIndex() const { return nCurrentButtonIndex; }
    int buttonCount() const { return nButtonCount; }
    void resetButtonState();
    // A null text leaves that state's tool tip as it is.
    void changeToolTips(const std::array<QString, kMaxStates>& toolTips);

    const StateImages& stateImages(int index) const { return mImages[static_cast<size_t>(index)]; }

protected:
    const StateImages& images() const override;
    void drawTitle(QPainter& painter) override;

private:
    std::array<QString, kMaxStates> strToolTip;
    std::array<StateImages, kMaxStates> mImages;
    int nButtonCount = 0;
    int nCurrentButtonIndex = 0;
};
