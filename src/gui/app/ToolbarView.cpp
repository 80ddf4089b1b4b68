#include "LogText.h"
#include "ToolbarView.h"

#include "controls/ViewGeometry.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "LocalizedText.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "SkinImages.h"
#include "controls/BitmapButton.h"
#include "controls/TiledBackground.h"
#include "tools/CardBackup.h"

#include <QActionGroup>
#include <QDebug>
#include <QMenu>
#include <QPainter>

#include <cmath>
#include <functional>

namespace {

struct ButtonSpec {
    const char* image;
    const char* toolTipKey;
    const char* consoleLine; // null: the button says nothing on the console
};

constexpr std::array<ButtonSpec, ToolbarView::ButtonCount> kButtons{{
    {"button_open.png", "IDS_OPEN", "Browse button pressed !"},
    {"button_print.png", "IDS_TOOLTIP_PRINT", "Print button pressed !"},
    {"button_backup.png", "IDS_TOOLTIP_BACKUP", "Backup button pressed !"},
    {"button_capture.png", "IDS_CAPTURE", "Capture button pressed !"},
    {"button_export.png", "IDS_EXPORT_TO_KML", "Export button pressed !"},
    {"button_youtube.png", "IDS_UPLOAD_YOUTUBE", nullptr},
    {"button_facebook.png", "IDS_UPLOAD_FACEBOOK", nullptr},
    {"button_settings.png", "IDS_SETTINGS", "Setting button pressed !"},
    {"button_window_switch.png", "IDS_WINDOW_SWITCH", "Window switch button pressed !"},
}};

const char* const kBackgroundImageName = "toolbar_background.png";

} // namespace

ToolbarView::ToolbarView(const QRect& frame, QWidget* parent) : QWidget(parent)
{
    setObjectName("ToolbarView");
    setGeometry(frame);
    getSkinId();
    backgroundImage = pmGetSkinImage(kBackgroundImageName);
    setRectPosition();
    setupButtons();
}

QString ToolbarView::imageName(Button which)
{
    return kButtons[which].image;
}

QRect ToolbarView::toQt(const QRectF& yUp) const
{
    return pmYUpToQt(yUp, height());
}

void ToolbarView::setRectPosition()
{
    nBackgroundWidth = width();
    nBackgroundHeight = height();
    const double H = nBackgroundHeight;
    mRects[Browse] = QRectF(0, 0, 45, 30);
    mRects[Print] = QRectF(45, H - 30, 45, 30);
    mRects[Backup] = QRectF(90, H - 30, 45, 30);
    mRects[Capture] = QRectF(135, H - 30, 45, 30);
    mRects[Setting] = QRectF(180, H - 45, 45, 45);
    mRects[Export] = QRectF(270, H - 30, 45, 30);
    mRects[UploadYouTube] = QRectF(315, H - 30, 60, 30);
    mRects[UploadFacebook] = QRectF(315, H - 30, 90, 30);
    mRects[WindowSwitch] = QRectF(mSwitchX, H - 30, 45, 30);
    if (bR2L) {
        for (int i = 0; i < ButtonCount; ++i) {
            if (i != WindowSwitch)
                mRects[i].moveLeft(nBackgroundWidth - mRects[i].width() - mRects[i].x());
        }
    }
}

void ToolbarView::setupButtons()
{
    for (int i = 0; i < ButtonCount; ++i) {
        const auto which = static_cast<Button>(i);
        auto* button = BitmapButton::windowButtonWithSize(int(mRects[i].width()),
                                                          int(mRects[i].height()), this);
        button->setObjectName(QString(kButtons[i].image).section('.', 0, 0));
        button->setBitmapButton(kButtons[i].image);
        button->setGeometry(toQt(mRects[i]));
        connect(button, &BitmapButton::clicked, this, [this, which] { onButtonPressed(which); });
        mButtons[i] = button;
    }
    // Made and kept up to date like the others, but never placed in the bar.
    mButtons[UploadFacebook]->hide();
    mButtons[WindowSwitch]->hide();
    changeLanguage();
}

void ToolbarView::relayoutContents(bool rightToLeft, int switchX)
{
    bR2L = rightToLeft;
    mSwitchX = switchX;
    setRectPosition();
    for (int i = 0; i < ButtonCount; ++i)
        mButtons[i]->setGeometry(toQt(mRects[i]));
    update();
}

void ToolbarView::changeLanguage()
{
    for (int i = 0; i < ButtonCount; ++i)
        mButtons[i]->setToolTip(pmLoadString(kButtons[i].toolTipKey));
}

void ToolbarView::loadSkinBitmap()
{
    backgroundImage = pmGetSkinImage(kBackgroundImageName);
    for (int i = 0; i < ButtonCount; ++i)
        mButtons[i]->setBitmapButton(kButtons[i].image);
    update();
}

void ToolbarView::onButtonPressed(Button which)
{
    if (kButtons[which].consoleLine)
        pmWriteConsoleText(kButtons[which].consoleLine);
    if (which == Setting)
        onSettingButtonPressed();
    else
        NotificationCenter::defaultCenter().postNotification(kToolbarButtonClickedNotification, int(which));
}

namespace {

// A submenu of numbered choices, the current one checked; item i has tag i.
void addChoiceMenu(QMenu* menu, const char* titleKey, int count, const char* itemKeyFormat, int current,
                   const std::function<void(int)>& choose)
{
    QMenu* choices = menu->addMenu(pmLoadString(titleKey));
    auto* group = new QActionGroup(choices); // one choice at a time, shown as radio items
    for (int i = 0; i < count; ++i) {
        QAction* item = choices->addAction(pmLoadString(QString::asprintf(itemKeyFormat, i + 1)));
        group->addAction(item);
        item->setData(i);
        item->setCheckable(true);
        item->setChecked(i == current);
        QObject::connect(item, &QAction::triggered, menu, [choose, i] { choose(i); });
    }
}

} // namespace

QMenu* ToolbarView::buildSettingsMenu()
{
    const auto choose = [](SettingsMenu menu) {
        return [menu](int tag) {
            NotificationCenter::defaultCenter().postNotification(kSettingsMenuItemClickedNotification, tag,
                                                                 {{kSettingsMenuKey, int(menu)}});
        };
    };
    auto* menu = new QMenu(this);
    addChoiceMenu(menu, "IDS_CHANGE_LANGUAGE", kLanguageCount, "IDS_LANG_%02d", getLanguageId(),
                  choose(SettingsMenu::Language));
    addChoiceMenu(menu, "IDS_CHANGE_SKIN", kSkinCount, "IDS_SKIN_STYLE_%02d", getSkinId(), choose(SettingsMenu::Skin));
    CardBackup::addSettingTo(menu, window());
    QAction* about = menu->addAction(pmLoadString("IDS_ABOUT"));
    connect(about, &QAction::triggered, menu, [choose] { choose(SettingsMenu::About)(0); });
    return menu;
}

void ToolbarView::onSettingButtonPressed()
{
    QMenu* menu = buildSettingsMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(oSettingBtn()->mapToGlobal(QPoint(0, 0)));
}

double ToolbarView::separatorX() const
{
    const QRectF& setting = mRects[Setting];
    if (bR2L)
        return setting.x() - std::trunc(0.5 * setting.width());
    return setting.x() + std::trunc(1.5 * setting.width());
}

void ToolbarView::paintEvent(QPaintEvent*)
{
    nBackgroundWidth = width();
    nBackgroundHeight = height();
    QPainter painter(this);
    pmDrawTiledBackground(painter, backgroundImage, nBackgroundWidth, nBackgroundHeight);
    // The separator after the settings button, from y 3 to 3 below the button's top (y-up).
    const QRectF& setting = mRects[Setting];
    const double top = setting.y() + setting.height() - 3;
    const QRect line = toQt(QRectF(separatorX(), 3, 1, top - 3));
    painter.fillRect(line, Qt::white);
}
