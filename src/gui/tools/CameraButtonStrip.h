#pragma once
// The three camera buttons of the capture and print dialogs in dual-camera mode: camera 1,
// camera 2 and both, acting as a radio group. Options: 1 camera 1, 2 camera 2, 3 both.

#include <QWidget>

#include <array>

class BitmapButton;

class CameraButtonStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtonWidth = 76;
    static constexpr int kButtonHeight = 35;

    explicit CameraButtonStrip(QWidget* parent = nullptr);

    BitmapButton* oCamera1Btn() const { return mButtons[0]; }
    BitmapButton* oCamera2Btn() const { return mButtons[1]; }
    BitmapButton* oCamera12Btn() const { return mButtons[2]; }
    int option() const { return mOption; }
    void loadSkinBitmap();

signals:
    // A different option was chosen with a button.
    void optionChosen(int option);

private:
    void onButtonPressed(int option);

    std::array<BitmapButton*, 3> mButtons{};
    int mOption = 3;
};
