#pragma once
// The strip of image buttons along the top of the main window. Each button posts the tool
// bar's notification with its Button; the settings button pops up the language, skin and
// about menu, whose items post the settings menu's notification.

#include <QImage>
#include <QWidget>

#include <array>

class BitmapButton;
class QMenu;

class ToolbarView : public QWidget {
    Q_OBJECT
public:
    // The buttons in the order they are made.
    enum Button { Browse, Print, Backup, Capture, Export, UploadYouTube, UploadFacebook, Setting,
                  WindowSwitch, ButtonCount };

    explicit ToolbarView(const QRect& frame, QWidget* parent = nullptr);

    BitmapButton* button(Button which) const { return mButtons[which]; }
    BitmapButton* oBrowseBtn() const { return mButtons[Browse]; }
    BitmapButton* oPrintBtn() const { return mButtons[Print]; }
    BitmapButton* oBackupBtn() const { return mButtons[Backup]; }
    BitmapButton* oCaptureBtn() const { return mButtons[Capture]; }
    BitmapButton* oExportBtn() const { return mButtons[Export]; }
    BitmapButton* oSettingBtn() const { return mButtons[Setting]; }
    BitmapButton* oUploadYouTubeBtn() const { return mButtons[UploadYouTube]; }
    BitmapButton* oUploadFacebookBtn() const { return mButtons[UploadFacebook]; }
    BitmapButton* oWindowSwitchBtn() const { return mButtons[WindowSwitch]; }

    // The y-up frame of a button (origin at the bar's bottom-left), as last laid out.
    const QRectF& buttonRect(Button which) const { return mRects[which]; }
    static QString imageName(Button which);

    // The window-switch button stands at switchX, over the file list panel.
    void relayoutContents(bool rightToLeft, int switchX);
    void changeLanguage();
    void loadSkinBitmap();

    // The settings menu as it would pop up now: built anew so its check marks show the
    // stored choices. The caller owns it.
    QMenu* buildSettingsMenu();
    void onSettingButtonPressed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setupButtons();
    void setRectPosition();
    void onButtonPressed(Button which);
    QRect toQt(const QRectF& yUp) const;
    double separatorX() const;

    int nBackgroundWidth = 0;
    int nBackgroundHeight = 0;
    QImage backgroundImage;
    bool bR2L = false;
    int mSwitchX = 668; // the window-switch button's x, from the window's layout
    std::array<BitmapButton*, ButtonCount> mButtons{};
    std::array<QRectF, ButtonCount> mRects{};
};
