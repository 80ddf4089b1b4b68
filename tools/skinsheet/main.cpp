// koriv-skinsheet: writes one contact sheet per skin (every bundled image with its name) and
// one sheet of the texts of every language, so a person can look at a whole skin, or check
// that every language renders with real glyphs, at once.
//
//   koriv-skinsheet <output folder>
//
// The build runs it for the target "skinsheets" into <build>/skinsheets/.
#include "ContactSheet.h"
#include "LocalizedText.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "SkinImages.h"
#include "WindowPreview.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// The base names of the bundled images, in the first skin.
QStringList baseNames()
{
    QStringList names;
    const QString prefix = pmSkinImageName(0, QString());
    for (const QString& file : QDir(":/skins").entryList(QDir::Files, QDir::Name)) {
        if (file.startsWith(prefix)) {
            names.append(file.mid(prefix.size()));
        }
    }
    return names;
}

// Groups the images by the word their name starts with (button, icon, calendar...).
QString groupOf(const QString& name)
{
    return name.section(QRegularExpression("[_ .-]"), 0, 0);
}

bool writeSkinSheet(int skinId, const QStringList& names, const QString& folder)
{
    saveSkinId(skinId);
    ContactSheet sheet(QString("Skin %1 (%2): %3 images").arg(skinId).arg(pmLoadString(
                           QString::asprintf("IDS_SKIN_STYLE_%02d", skinId + 1))).arg(names.size()),
                       1500);
    QString group;
    for (const QString& name : names) {
        if (groupOf(name) != group) {
            group = groupOf(name);
            sheet.addHeading(group);
        }
        const QImage image = pmGetSkinImage(name);
        sheet.add(image, QString("%1 %2x%3").arg(name).arg(image.width()).arg(image.height()));
    }
    const QImage preview = renderWindowPreview(skinId);
    return preview.save(QDir(folder).filePath(QString("preview_%1.png").arg(skinId + 1, 2, 10, QChar('0')))) &&
           sheet.render().save(QDir(folder).filePath(QString("skin_%1.png").arg(skinId + 1, 2, 10, QChar('0'))));
}

// A row per language: its menu name and texts of every length, in Helvetica as the views use.
bool writeLanguageSheet(const QString& folder)
{
    static const char* const kKeys[] = {"IDS_OPEN", "IDS_PLAY_SPEED", "IDS_EVENT", "IDS_PARKING",
                                        "IDS_WEEK_1", "IDS_ERR_NO_GPS_DATA"};
    const int rowHeight = 26;
    QImage sheet(1500, 40 + rowHeight * kLanguageCount, QImage::Format_ARGB32);
    sheet.fill(QColor(0x1e, 0x21, 0x26));
    QPainter painter(&sheet);
    QFont font("Helvetica");
    font.setPixelSize(14);
    painter.setFont(font);
    for (int id = 0; id < kLanguageCount; ++id) {
        saveLanguageId(id);
        const int y = 20 + id * rowHeight;
        painter.setPen(QColor(0x8a, 0x90, 0x99));
        painter.drawText(QRect(10, y, 140, rowHeight), Qt::AlignVCenter, pmLanguageTableName(id));
        painter.setPen(Qt::white);
        painter.drawText(QRect(150, y, 130, rowHeight), Qt::AlignVCenter,
                         pmLoadString(QString::asprintf("IDS_LANG_%02d", id + 1)));
        int x = 290;
        for (const char* key : kKeys) {
            const QString text = pmLoadString(key);
            painter.drawText(QRect(x, y, 200, rowHeight), Qt::AlignVCenter, text);
            x += painter.fontMetrics().horizontalAdvance(text) + 24;
        }
    }
    painter.end();
    return sheet.save(QDir(folder).filePath("languages.png"));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: koriv-skinsheet <output folder>\n");
        return 2;
    }
    // Choosing skins and languages goes through the preference store: keep the user's apart.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const QStringList names = baseNames();
    bool ok = !names.isEmpty();
    for (int skinId = 0; skinId < kSkinCount; ++skinId) {
        ok = writeSkinSheet(skinId, names, folder) && ok;
    }
    ok = writeLanguageSheet(folder) && ok;
    std::printf("koriv-skinsheet: %s %s\n", ok ? "wrote sheets to" : "failed writing to", qPrintable(folder));
    return ok ? 0 : 1;
}
