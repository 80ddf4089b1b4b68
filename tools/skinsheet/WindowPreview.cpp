#include "WindowPreview.h"

#include "LocalizedText.h"
#include "Preferences.h"
#include "SkinImages.h"

#include <QPainter>
#include <QtMath>

namespace {

QFont helvetica(int pixelSize)
{
    QFont font("Helvetica");
    font.setPixelSize(pixelSize);
    return font;
}

QColor labelColour(int skinId)
{
    static const QColor kColours[] = {{230, 105, 1}, {155, 198, 56}, {160, 127, 73}, {39, 182, 233}};
    return kColours[skinId];
}

void tile(QPainter& painter, const QString& name, const QRect& area)
{
    const QImage image = pmGetSkinImage(name);
    for (int x = area.left(); x < area.right(); x += image.width()) {
        painter.drawImage(QPoint(x, area.top()), image);
    }
}

void paintToolbar(QPainter& painter, QPoint origin)
{
    painter.save();
    painter.translate(origin);
    painter.setClipRect(QRect(0, 0, 700, 30));
    tile(painter, "toolbar_background.png", QRect(0, 0, 700, 30));
    const std::pair<const char*, int> buttons[] = {
        {"button_open.png", 0},      {"button_print_f.png", 45},  {"button_backup.png", 90},
        {"button_capture_d.png", 135}, {"button_settings.png", 180}, {"button_export_g.png", 270},
        {"button_youtube.png", 315}, {"button_window_switch.png", 646},
    };
    for (const auto& [name, x] : buttons) {
        painter.drawImage(QPoint(x, 0), pmGetSkinImage(name));
    }
    painter.fillRect(QRect(247, 3, 1, 24), Qt::white);
    painter.restore();
}

void paintPlaybar(QPainter& painter, QPoint origin)
{
    painter.save();
    painter.translate(origin);
    tile(painter, "playbar_background.png", QRect(0, 0, 700, 44));
    const std::pair<const char*, int> buttons[] = {
        {"button_previous.png", 0}, {"button_next.png", 40}, {"button_pause.png", 80},
        {"button_playback1.5.png", 120}, {"icon_volume_on.png", 180}, {"button_full.png", 300},
    };
    for (const auto& [name, x] : buttons) {
        painter.drawImage(QPoint(x, 0), pmGetSkinImage(name));
    }
    const auto slider = [&](int x, const char* empty, const char* full, int thumbX) {
        const QImage thumb = pmGetSkinImage("volume_button.png");
        painter.drawImage(QPoint(x, 0), pmGetSkinImage(empty));
        const QImage filled = pmGetSkinImage(full);
        painter.drawImage(QPoint(x, 0), filled, QRect(0, 0, thumbX + thumb.width() / 2, filled.height()));
        painter.drawImage(QPoint(x + thumbX, 0), thumb);
    };
    slider(220, "volume_bg.png", "volume_full.png", 43);
    slider(385, "track_bar_bg.png", "track_bar_full.png", 97);
    const QImage mark = pmGetSkinImage("icon_m1.png");
    painter.drawImage(QPoint(385 + 170 - mark.width() / 2, 0), mark);
    painter.setFont(helvetica(14));
    painter.setPen(Qt::white);
    painter.drawText(QRect(340, 0, 44, 44), Qt::AlignCenter, "01:23");
    painter.drawText(QRect(646, 0, 44, 44), Qt::AlignCenter, "03:00");
    painter.restore();
}

void paintFileList(QPainter& painter, QPoint origin, int skinId)
{
    painter.save();
    painter.translate(origin);
    painter.drawImage(QPoint(0, 0), pmGetSkinImage("bg_calendar_title.png"));
    painter.drawImage(QPoint(0, 30), pmGetSkinImage("bg_calendar_title.png"));
    const std::pair<const char*, QRect> boxes[] = {
        {"IDS_EVENT", {15, 6, 80, 18}}, {"IDS_NORMAL", {105, 6, 80, 18}}, {"IDS_PARKING", {195, 6, 100, 18}},
        {"IDS_TIMELAPSE", {15, 36, 100, 18}}, {"IDS_TRIPLAPSE", {105, 36, 100, 18}},
    };
    painter.setFont(helvetica(12));
    for (const auto& [key, box] : boxes) {
        const bool ticked = box.left() != 105 || box.top() != 36;
        painter.drawImage(box.topLeft(), pmGetSkinImage(ticked ? "calendar_uncheckbox.png" : "calendar_checkbox.png"));
        painter.setPen(Qt::white);
        painter.drawText(box.adjusted(18, 0, 0, 0), Qt::AlignCenter, pmLoadString(key));
    }
    const QImage row1 = pmGetSkinImage("list_bg_1.png");
    const QImage row2 = pmGetSkinImage("list_bg_2.png");
    const int rowHeight = row1.height();
    const char* const names[] = {"EF20150301-081502.MOV", "NF20150301-082002.MOV", "PF20150301-120000.MOV",
                                 "NF20150302-074502.MOV"};
    for (int i = 0; i < 4; ++i) {
        const int y = 60 + i * rowHeight;
        painter.drawImage(QPoint(0, y), i % 2 ? row1 : row2);
        if (i == 1) {
            painter.drawImage(QPoint(0, y), pmGetSkinImage("list_d.png"));
        }
        const bool black = i == 1 || skinId == 1;
        if (i == 2) {
            painter.drawImage(QPoint(2, y + 10), pmGetSkinImage("icon_play.png"));
        }
        const char* icon = i == 0 ? "icon_event.png" : i == 2 ? "icon_parking.png" : nullptr;
        if (icon) {
            painter.drawImage(QPoint(28, y + 8), pmGetSkinImage(icon));
        }
        painter.setPen(black ? Qt::black : Qt::white);
        painter.setFont(helvetica(15));
        painter.drawText(QRect(65, y + 2, 210, 20), Qt::AlignLeft | Qt::AlignVCenter, names[i]);
        painter.setFont(helvetica(11));
        painter.drawText(QRect(65, y + 20, 66, 16), Qt::AlignLeft | Qt::AlignVCenter, "2015/03/01");
        painter.drawText(QRect(143, y + 20, 56, 16), Qt::AlignLeft | Qt::AlignVCenter, "08:15:02");
    }
    const int scrollX = row1.width();
    for (int y = 60; y < 60 + 4 * rowHeight; y += 16) {
        painter.drawImage(QPoint(scrollX, y), pmGetSkinImage("scrollbar_background.png"));
    }
    painter.drawImage(QPoint(scrollX, 60), pmGetSkinImage("button_bar_up.png"));
    painter.drawImage(QPoint(scrollX, 76), pmGetSkinImage("slider_f.png"));
    painter.drawImage(QPoint(scrollX, 60 + 4 * rowHeight - 16), pmGetSkinImage("button_bar_down.png"));
    painter.restore();
}

void paintCalendar(QPainter& painter, QPoint origin, int skinId)
{
    painter.save();
    painter.translate(origin);
    const QImage background = pmGetSkinImage("calendar_background.png");
    painter.drawImage(QPoint(0, 0), background);
    painter.drawImage(QPoint(0, 0), pmGetSkinImage("button_calendar_back.png"));
    painter.drawImage(QPoint(31, 0), pmGetSkinImage("button_calendar_next_f.png"));
    painter.setFont(helvetica(12));
    const auto combo = [&](int x, const QString& title) {
        painter.drawImage(QPoint(x, 1), pmGetSkinImage("enter_calendar.png"));
        const QImage spin = pmGetSkinImage("button_enter.png");
        painter.drawImage(QPoint(x + 67 - spin.width() - 4, 1 + (27 - spin.height()) / 2), spin);
        painter.setPen(Qt::black);
        painter.drawText(QRect(x, 1, 67 - spin.width(), 27), Qt::AlignCenter, title);
    };
    combo(62, "2015");
    combo(131, "3");
    painter.drawImage(QPoint(202, 0), pmGetSkinImage("button_calendar.png"));
    painter.setPen(skinId == 0 || skinId == 3 ? Qt::white : Qt::black);
    painter.drawText(QRect(202, 0, 85, 30), Qt::AlignCenter, pmLoadString("IDS_ALL"));
    const int itemWidth = background.width() / 7;
    for (int i = 0; i < 7; ++i) {
        painter.setPen(i == 0 || i == 6 ? QColor(125, 15, 15) : Qt::white);
        painter.drawText(QRect(i * itemWidth, 31, itemWidth, 12), Qt::AlignCenter,
                         pmLoadString(QString("IDS_WEEK_%1").arg(i + 1)));
    }
    painter.setFont(helvetica(14));
    for (int cell = 0; cell < 42; ++cell) {
        const int day = cell < 31 ? cell + 1 : cell - 30;
        const QRect rect((cell % 7) * itemWidth, 44 + (cell / 7) * 33, itemWidth, 31);
        if (cell == 9) {
            painter.drawImage(rect.topLeft(), pmGetSkinImage("calendar_pic_d.png"));
        }
        if (cell == 0 || cell == 9 || cell == 14) {
            painter.drawImage(rect.topLeft(), pmGetSkinImage(cell == 9 ? "icon_calendar_white.png" : "icon_calendar_black.png"));
        }
        const bool weekend = cell % 7 == 0 || cell % 7 == 6;
        painter.setPen(cell >= 31 ? QColor(100, 100, 100) : weekend ? QColor(200, 0, 0) : QColor(32, 32, 32));
        painter.drawText(rect, Qt::AlignCenter, QString::number(day));
    }
    painter.restore();
}

void paintDashboard(QPainter& painter, QPoint origin, int skinId)
{
    painter.save();
    painter.translate(origin);
    painter.fillRect(QRect(0, 0, 340, 212), Qt::black);
    painter.drawImage(QPoint(10, 0), pmGetSkinImage("gps_panel_bg.png"));
    painter.translate(10, 0);
    painter.setFont(helvetica(12));
    painter.setPen(labelColour(skinId));
    const std::pair<const char*, QPoint> labels[] = {
        {"IDS_SPEED", {20, 4}}, {"IDS_DIRECTION", {20, 104}}, {"IDS_ALTITUDE", {150, 104}},
        {"IDS_LATITUDE", {20, 151}}, {"IDS_LONGITUDE", {150, 151}},
    };
    for (const auto& [key, at] : labels) {
        painter.drawText(QRect(at, QSize(130, 15)), Qt::AlignLeft | Qt::AlignVCenter, pmLoadString(key));
    }
    painter.drawImage(QPoint(124, 19), pmGetSkinImage("ovl_speedno_8.png"));
    painter.drawImage(QPoint(184, 19), pmGetSkinImage("ovl_speedno_7.png"));
    painter.drawImage(QPoint(246, 78), pmGetSkinImage("km_gps.png"));
    painter.setPen(Qt::white);
    painter.drawText(QRect(246, 78, 70, 25), Qt::AlignCenter, "km/h");
    painter.setFont(helvetica(20));
    painter.drawText(QRect(20, 119, 130, 32), Qt::AlignCenter, "NE 45°");
    painter.drawText(QRect(150, 119, 130, 32), Qt::AlignCenter, "35.2 m");
    painter.setFont(helvetica(18));
    painter.drawText(QRect(20, 170, 130, 28), Qt::AlignCenter, "N 25°03'38.3\"");
    painter.drawText(QRect(150, 170, 130, 28), Qt::AlignCenter, "E 121°33'54.1\"");
    painter.drawImage(QPoint(280, 172), pmGetSkinImage("gps_link.png"));
    painter.restore();
}

void paintGSensor(QPainter& painter, QPoint origin)
{
    painter.save();
    painter.translate(origin);
    painter.fillRect(QRect(0, 0, 340, 212), Qt::black);
    painter.drawImage(QPoint(0, 0), pmGetSkinImage("G-Sensor Screen_bg.png"));
    QImage curves = pmGetSkinImage("GSensorGraphic.png");
    QPainter curvePainter(&curves);
    curvePainter.setRenderHint(QPainter::Antialiasing);
    const char* const arrows[] = {"arrow_x1.png", "arrow_y1.png", "arrow_z1.png"};
    for (int axis = 0; axis < 3; ++axis) {
        const QImage arrow = pmGetSkinImage(arrows[axis]);
        curvePainter.setPen(QPen(arrow.pixelColor(arrow.width() / 2, arrow.height() / 2), 1));
        QPolygonF line;
        for (int x = 0; x <= curves.width(); x += 2) {
            line << QPointF(x, 31 + 12 * qSin(x / (9.0 + axis * 5)) * (axis == 2 ? 0.4 : 1));
        }
        curvePainter.drawPolyline(line);
    }
    curvePainter.setPen(Qt::red);
    curvePainter.drawLine(119, 0, 119, 62);
    curvePainter.end();
    painter.drawImage(QPoint(51, 3), curves);
    painter.setPen(Qt::white);
    painter.drawLine(150, 3, 150, 65);
    painter.setFont(helvetica(12));
    painter.drawText(QRect(0, 5, 46, 16), Qt::AlignCenter, "2.0G");
    painter.drawText(QRect(0, 28, 46, 16), Qt::AlignCenter, "0.0");
    painter.drawText(QRect(0, 50, 46, 16), Qt::AlignCenter, "-2.0G");
    const std::pair<const char*, QPoint> shown[] = {
        {"arrow_x1.png", {114, 168}}, {"arrow_y2.png", {107, 104}}, {"arrow_z1.png", {162, 90}},
    };
    for (const auto& [name, at] : shown) {
        painter.drawImage(at, pmGetSkinImage(name));
    }
    painter.restore();
}

} // namespace

QImage renderWindowPreview(int skinId)
{
    saveSkinId(skinId);
    QImage preview(1060, 560, QImage::Format_ARGB32);
    preview.fill(Qt::black);
    QPainter painter(&preview);
    painter.setRenderHint(QPainter::Antialiasing);
    paintToolbar(painter, QPoint(0, 0));
    paintPlaybar(painter, QPoint(0, 40));
    paintDashboard(painter, QPoint(0, 100), skinId);
    paintGSensor(painter, QPoint(350, 100));
    paintCalendar(painter, QPoint(710, 0), skinId);
    paintFileList(painter, QPoint(710, 250), skinId);
    painter.end();
    return preview;
}
