#include "LogText.h"
#include "CameraButtonStrip.h"

#include "SkinImages.h"
#include "controls/BitmapButton.h"

#include <QDebug>
#include <QHBoxLayout>

namespace {

const char* const kImages[] = {"button_print_camera1", "button_print_camera2", "button_print_camera12"};

} // namespace

CameraButtonStrip::CameraButtonStrip(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(0);
    layout->addStretch();
    for (int i = 0; i < 3; ++i) {
        auto* button = BitmapButton::windowButtonWithSize(kButtonWidth, kButtonHeight, this);
        button->setObjectName(kImages[i]);
        button->setFixedSize(kButtonWidth, kButtonHeight);
        const int option = i + 1;
        connect(button, &BitmapButton::clicked, this, [this, option] { onButtonPressed(option); });
        layout->addWidget(button);
        mButtons[static_cast<size_t>(i)] = button;
    }
    layout->addStretch();
    loadSkinBitmap();
    oCamera12Btn()->checkButton(true);
}

void CameraButtonStrip::loadSkinBitmap()
{
    for (int i = 0; i < 3; ++i) {
        const QString base = kImages[i];
        // These buttons have no disabled image.
        mButtons[static_cast<size_t>(i)]->setBitmapButton(base + ".png", base + "_d.png", base + "_f.png", QString());
        mButtons[static_cast<size_t>(i)]->setButtonFlipped(pmIsRightToLeft());
    }
}

void CameraButtonStrip::onButtonPressed(int option)
{
    pmWriteConsoleText(option == 2 ? "Camera2 button pressed !" : "Camera1 button pressed !");
    if (option == mOption)
        return;
    mOption = option;
    for (int i = 0; i < 3; ++i)
        mButtons[static_cast<size_t>(i)]->checkButton(i + 1 == option);
    emit optionChosen(option);
}
