#include "LocalizedText.h"
#include "PreferenceKeys.h"
#include "PreferenceStore.h"
#include "Preferences.h"

#include <QDirIterator>
#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QString sourceDir()
{
    return QStringLiteral(KORIV_SOURCE_DIR);
}

QSet<QString> keysMatching(const QString& text, const QString& pattern)
{
    QSet<QString> keys;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext()) {
        keys.insert(it.next().captured(1));
    }
    return keys;
}

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every key the English table defines.
QSet<QString> englishKeys()
{
    return keysMatching(readAll(sourceDir() + "/resources/translations/English.ts"),
                        R"re(<message id="([A-Z0-9_]+)")re");
}

// Every complete key written as a literal in the program's sources, and the numbered families
// that the code builds with a format.
QSet<QString> keysUsedByTheCode()
{
    QSet<QString> keys;
    QDirIterator it(sourceDir() + "/src", {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        keys += keysMatching(readAll(it.next()), R"re("(ID[SR]_[A-Z0-9_]*[A-Z0-9])")re");
    }
    for (int i = 1; i <= kLanguageCount; ++i) {
        keys.insert(QString::asprintf("IDS_LANG_%02d", i));
    }
    for (int i = 1; i <= kSkinCount; ++i) {
        keys.insert(QString::asprintf("IDS_SKIN_STYLE_%02d", i));
    }
    for (int i = 1; i <= 7; ++i) {
        keys.insert(QString::asprintf("IDS_WEEK_%d", i));
    }
    return keys;
}

class LocalizedTextTest : public ::testing::Test {
protected:
    PreferenceStore store;
};

TEST_F(LocalizedTextTest, EveryTableHasEveryKeyTheCodeUses)
{
    const QSet<QString> keys = keysUsedByTheCode() + englishKeys();
    ASSERT_GT(keys.size(), 90);
    for (int id = 0; id < kLanguageCount; ++id) {
        saveLanguageId(id);
        for (const QString& key : keys) {
            EXPECT_NE(pmLoadString(key), key) << qPrintable(pmLanguageTableName(id)) << " " << qPrintable(key);
        }
    }
}

TEST_F(LocalizedTextTest, EveryTableIsATranslationNotACopyOfEnglish)
{
    // Names that stay the same everywhere: the program, brands, units, the language menu.
    const QRegularExpression sameEverywhere("^(IDR_MAINFRAME|IDS_OK|IDS_UNIT_DEGREE|IDS_UPLOAD_YOUTUBE|IDS_LANG_\\d+)$");
    QMap<QString, QString> english;
    saveLanguageId(kLanguageEnglish);
    for (const QString& key : englishKeys()) {
        english[key] = pmLoadString(key);
    }
    for (int id = 1; id < kLanguageCount; ++id) {
        saveLanguageId(id);
        int compared = 0;
        int copied = 0;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            if (!sameEverywhere.match(it.key()).hasMatch()) {
                ++compared;
                copied += pmLoadString(it.key()) == it.value() ? 1 : 0;
            }
        }
        EXPECT_LT(copied * 5, compared) << qPrintable(pmLanguageTableName(id)) << " copies " << copied;
    }
}

TEST_F(LocalizedTextTest, VersionTextKeepsExactlyOnePlaceholder)
{
    for (int id = 0; id < kLanguageCount; ++id) {
        saveLanguageId(id);
        const QString text = pmLoadString("IDS_VERSION_COPYRIGHT");
        EXPECT_EQ(text.count("%1"), 1) << qPrintable(pmLanguageTableName(id));
        EXPECT_EQ(text.arg("1.2.3").count("1.2.3"), 1);
        EXPECT_FALSE(text.contains("%2"));
    }
}

TEST_F(LocalizedTextTest, LookupFollowsTheStoredLanguage)
{
    saveLanguageId(8);
    EXPECT_EQ(pmLoadString("IDS_CANCEL"), "Abbrechen");
    saveLanguageId(21);
    EXPECT_EQ(pmLoadString("IDS_CANCEL"), "キャンセル");
    // Ids without a table of their own, above 21 or negative, read English.
    saveLanguageId(30);
    EXPECT_EQ(pmLoadString("IDS_CANCEL"), "Cancel");
    saveLanguageId(-2);
    EXPECT_EQ(pmLoadString("IDS_CANCEL"), "Cancel");
    EXPECT_EQ(pmLanguageTableName(-2), "English");
    EXPECT_EQ(pmLanguageTableName(22), "English");
    EXPECT_EQ(pmLanguageTableName(13), "Arabic");
    EXPECT_EQ(pmLanguageTableName(18), "Slovinian");
}

TEST_F(LocalizedTextTest, MissingKeyGivesTheKeyItself)
{
    saveLanguageId(3);
    EXPECT_EQ(pmLoadString("IDS_NO_SUCH_TEXT"), "IDS_NO_SUCH_TEXT");
    EXPECT_EQ(pmLoadString(""), "");
}

TEST_F(LocalizedTextTest, QtTrIdFollowsTheLanguageToo)
{
    saveLanguageId(7);
    pmInstallLanguageTranslator();
    EXPECT_EQ(qtTrId("IDS_CLOSE"), "Fermer");
    saveLanguageId(12);
    pmInstallLanguageTranslator();
    EXPECT_EQ(qtTrId("IDS_CLOSE"), "Cerrar");
}

// Standard dialogs (the folder chooser) speak the language too, where Qt has a table for it.
TEST_F(LocalizedTextTest, QtsOwnDialogTextsFollowTheLanguage)
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
        GTEST_SKIP() << "Qt's translations are not installed";
    saveLanguageId(8);
    pmInstallLanguageTranslator();
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Suchen in:");
    saveLanguageId(0);
    pmInstallLanguageTranslator();
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
}

} // namespace

namespace {

// The category boxes of the file list panel leave 62 points (event, normal) or 82 points
// (parking, triplapse, time-lapse) beside the box for a Helvetica 12 title, and the calendar's
// mode button 85; a title that does not fit is cut off on screen.
TEST_F(LocalizedTextTest, ControlTitlesFitTheirControlsInEveryLanguage)
{
    QFont font("Helvetica");
    font.setPixelSize(12);
    const QFontMetrics metrics(font);
    const std::pair<const char*, int> titles[] = {
        {"IDS_EVENT", 62}, {"IDS_NORMAL", 62}, {"IDS_PARKING", 82}, {"IDS_TRIPLAPSE", 82},
        {"IDS_TIMELAPSE", 82}, {"IDS_ALL", 80}, {"IDS_CALENDAR", 80}, {"IDS_WEEK_4", 40},
    };
    for (int id = 0; id < kLanguageCount; ++id) {
        saveLanguageId(id);
        for (const auto& [key, width] : titles) {
            const QString text = pmLoadString(key);
            EXPECT_LE(metrics.horizontalAdvance(text), width)
                << qPrintable(pmLanguageTableName(id)) << " " << key << " \"" << qPrintable(text) << "\"";
        }
    }
}

} // namespace

namespace {

// Without a font for a script its texts show as empty boxes; the setup installs them.
TEST(FontSetupTest, EveryScriptOfTheTablesHasAFontAndHelveticaHasItsMetrics)
{
    const QList<QFontDatabase::WritingSystem> installed = QFontDatabase::writingSystems();
    for (QFontDatabase::WritingSystem script :
         {QFontDatabase::Latin, QFontDatabase::Cyrillic, QFontDatabase::Arabic, QFontDatabase::Thai,
          QFontDatabase::SimplifiedChinese, QFontDatabase::TraditionalChinese, QFontDatabase::Japanese,
          QFontDatabase::Korean}) {
        EXPECT_TRUE(installed.contains(script)) << QFontDatabase::writingSystemName(script).toStdString();
    }
    // Qt names the family with its foundry when several share a name: "Nimbus Sans [urw]".
    const QString helvetica = QFontInfo(QFont("Helvetica")).family().section(" [", 0, 0);
    EXPECT_TRUE(QStringList({"Helvetica", "Nimbus Sans", "Liberation Sans", "Arial", "TeX Gyre Heros"}).contains(helvetica))
        << helvetica.toStdString();
}

} // namespace
