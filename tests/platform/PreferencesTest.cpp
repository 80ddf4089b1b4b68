#include "PreferenceKeys.h"
#include "PreferenceStore.h"
#include "Preferences.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class PreferencesTest : public ::testing::Test {
protected:
    PreferenceStore store;
};

TEST_F(PreferencesTest, IntegerKeysGiveTheDefaultOnlyWhenAbsentOrUnreadable)
{
    EXPECT_EQ(pmGetProfileInt(kPrefVolume, kDefaultVolume), 8);
    pmSetProfileInt(kPrefVolume, 0);
    EXPECT_EQ(pmGetProfileInt(kPrefVolume, kDefaultVolume), 0);
    pmSetProfileString(kPrefSpeedUnit, "fast");
    EXPECT_EQ(pmGetProfileInt(kPrefSpeedUnit, kDefaultSpeedUnit), 0);
    pmSetProfileString(kPrefCaptureFolder, "");
    EXPECT_EQ(pmGetProfileString(kPrefCaptureFolder, "default"), "");
}

TEST_F(PreferencesTest, CorruptFileGivesDefaultsAndCanBeWrittenAgain)
{
    store.writeSettingsFile(QByteArray("\x01\xff[General\nVolume\n=\x00\x02", 18));
    EXPECT_EQ(pmGetProfileInt(kPrefVolume, kDefaultVolume), 8);
    EXPECT_EQ(getSkinId(), 0);
    saveSkinId(2);
    EXPECT_EQ(getSkinId(), 2);
}

TEST_F(PreferencesTest, FirstLanguageReadStoresTheSystemLanguage)
{
    const int expected = pmGetSystemLanguageId();
    EXPECT_EQ(getLanguageId(), expected);
    EXPECT_EQ(store.readOnDisk(kPrefLanguageId), QString::number(expected));
}

TEST_F(PreferencesTest, LanguageAbove21ReadsAsEnglishAndStaysStored)
{
    pmSetProfileInt(kPrefLanguageId, 30);
    EXPECT_EQ(getLanguageId(), kLanguageEnglish);
    EXPECT_EQ(pmGetProfileInt(kPrefLanguageId, -99), 30);
    pmSetProfileInt(kPrefLanguageId, -4);
    EXPECT_EQ(getLanguageId(), -4);
}

TEST_F(PreferencesTest, LanguageAndSkinChangesReachTheDiskAtOnce)
{
    saveLanguageId(8);
    saveSkinId(3);
    EXPECT_EQ(store.readOnDisk(kPrefLanguageId), "8");
    EXPECT_EQ(store.readOnDisk(kPrefSkinId), "3");
    EXPECT_EQ(getLanguageId(), 8);
}

TEST_F(PreferencesTest, SkinDefaultsToTheFirstAndSetsTheCurrentSkin)
{
    EXPECT_EQ(getSkinId(), 0);
    EXPECT_EQ(pmGetCurrentSkin(), 0);
    saveSkinId(1);
    EXPECT_EQ(pmGetCurrentSkin(), 1);
    pmSetProfileInt(kPrefSkinId, 3);
    EXPECT_EQ(getSkinId(), 3);
    EXPECT_EQ(pmGetCurrentSkin(), 3);
    // An id outside the four skins would find no images at all.
    pmSetProfileInt(kPrefSkinId, 9);
    EXPECT_EQ(getSkinId(), 0);
    EXPECT_EQ(pmGetProfileInt(kPrefSkinId, 0), 9);
}

TEST(SystemLanguageTest, FirstMatchingPrefixInTableOrderCaseSensitive)
{
    const std::pair<const char*, int> cases[] = {
        {"de-DE", 8}, {"ar", 0}, {"sa", 13}, {"en-GB", 0}, {"pt-BR", 17}, {"zh-HK", 0},
        {"zh-Hant-TW", 1}, {"zh-Hans-CN", 2}, {"ja-JP", 21}, {"jp", 21}, {"sk-SK", 16},
        {"sl", 18}, {"DE", 0}, {"", 0}, {"tr-TR", 20}, {"ko-KR", 4},
    };
    for (const auto& [tag, id] : cases) {
        EXPECT_EQ(pmSystemLanguageIdFor(tag), id) << tag;
    }
}

TEST(SystemLanguageTest, ChineseTagsFromQtGainTheirScript)
{
    EXPECT_EQ(pmPreferredLanguageTag("zh-TW"), "zh-Hant-TW");
    EXPECT_EQ(pmPreferredLanguageTag("zh-CN"), "zh-Hans-CN");
    EXPECT_EQ(pmSystemLanguageIdFor(pmPreferredLanguageTag("zh-TW")), 1);
    EXPECT_EQ(pmSystemLanguageIdFor(pmPreferredLanguageTag("zh-SG")), 2);
    for (const char* unchanged : {"zh-Hant-TW", "de-DE", "pt-BR", "ar-SA", "C", ""}) {
        EXPECT_EQ(pmPreferredLanguageTag(unchanged), unchanged);
    }
}

TEST_F(PreferencesTest, CurrentFolderFallsBackToMoviesAndKeepsAVanishedCard)
{
    EXPECT_EQ(pmGetCurrentFolder(), store.moviesFolder());
    const QString card = store.makeFolder("card");
    pmSaveCurrentFolder(card);
    EXPECT_EQ(pmGetCurrentFolder(), card);

    pmSetProfileString(kPrefCurrentFolder, "/media/nobody/UNPLUGGED");
    EXPECT_EQ(pmGetCurrentFolder(), store.moviesFolder());
    EXPECT_EQ(pmGetProfileString(kPrefCurrentFolder, ""), "/media/nobody/UNPLUGGED");

    pmSaveCurrentFolder("/no/such/folder");
    EXPECT_EQ(pmGetProfileString(kPrefCurrentFolder, ""), "/media/nobody/UNPLUGGED");

    // No Videos folder yet: still that folder (an empty library), never the whole home tree.
    QDir(store.moviesFolder()).removeRecursively();
    EXPECT_EQ(pmGetCurrentFolder(), store.moviesFolder());
}

TEST_F(PreferencesTest, ExportFolderIsStoredOnlyWhenItExists)
{
    EXPECT_EQ(getExportFolder(), store.documentsFolder());
    saveExportFolder("/no/such/folder");
    EXPECT_EQ(pmGetProfileString(kPrefExportFolder, "absent"), "absent");
    const QString exports = store.makeFolder("exports");
    saveExportFolder(exports);
    EXPECT_EQ(getExportFolder(), exports);
}

TEST_F(PreferencesTest, CaptureFolderIsStoredAsGivenButReadBackOnlyWhenItExists)
{
    EXPECT_EQ(pmGetCaptureFolder(), store.documentsFolder());
    pmSaveCaptureFolder("/no/such/folder");
    EXPECT_EQ(pmGetProfileString(kPrefCaptureFolder, ""), "/no/such/folder");
    EXPECT_EQ(pmGetCaptureFolder(), store.documentsFolder());
}

} // namespace
