#include "library/RecordingName.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// A file of the given name; write-protected files have no write bit for anyone.
std::string recording(const TempDir& dir, const std::string& name, bool writeProtected = false)
{
    std::string path = dir.write(name, "x");
    if (writeProtected)
        ::chmod(path.c_str(), 0444);
    return path;
}

} // namespace

TEST(RecordingName, FileTypeFromExtensionIgnoresCase)
{
    EXPECT_EQ(pmGetFileType("/a/FILE0001.AVI"), FileTypeAvi);
    EXPECT_EQ(pmGetFileType("/a/FILE0001.Mov"), FileTypeMov);
    EXPECT_EQ(pmGetFileType("/a/FILE0001.mp4"), FileTypeMp4);
    EXPECT_EQ(pmGetFileType("/a/FILE0001.m4v"), FileTypeOther);
    EXPECT_EQ(pmGetFileType("/a/FILE0001.3gp"), FileTypeOther);
    EXPECT_EQ(pmGetFileType("/a/FILE0001"), FileTypeOther);
    EXPECT_EQ(pmGetFileType("/a.mp4/FILE0001"), FileTypeOther);
    EXPECT_EQ(pmGetFileType("/a/.mp4"), FileTypeOther);
}

TEST(RecordingName, CategoryWordsNeedFourDigitsElseFallback)
{
    TempDir dir;
    EXPECT_EQ(pmGetVideoType(recording(dir, "FILE0001.MOV")), VideoNormal);
    EXPECT_EQ(pmGetVideoType(recording(dir, "p/FILE0001.MOV", true)), VideoNormal);
    EXPECT_EQ(pmGetVideoType(recording(dir, "EMER0001.MOV")), VideoEvent);
    EXPECT_EQ(pmGetVideoType(recording(dir, "park0001.mov")), VideoParking);
    EXPECT_EQ(pmGetVideoType(recording(dir, "TRIP0002F.MP4")), VideoTriplapse);
    EXPECT_EQ(pmGetVideoType(recording(dir, "TIME1234.MOV")), VideoTimelapse);
    EXPECT_EQ(pmGetVideoType(recording(dir, "BP123456.MOV")), VideoParking);
    EXPECT_EQ(pmGetVideoType(recording(dir, "be123456.mov")), VideoEvent);

    // No digits after the word: the write protection decides.
    EXPECT_EQ(pmGetVideoType(recording(dir, "EVENT0001.MOV")), VideoNormal);
    EXPECT_EQ(pmGetVideoType(recording(dir, "p/EVENT0001.MOV", true)), VideoEvent);
    EXPECT_EQ(pmGetVideoType(recording(dir, "TIME.MOV")), VideoNormal);
    EXPECT_EQ(pmGetVideoType(recording(dir, "p/TIME.MOV", true)), VideoEvent);
    EXPECT_EQ(pmGetVideoType(recording(dir, "BPX12345.MOV")), VideoNormal);
    EXPECT_EQ(pmGetVideoType(recording(dir, "CLIP_EMER_01.MP4")), VideoEvent);
    EXPECT_EQ(pmGetVideoType(recording(dir, "CLIP_01.MP4")), VideoNormal);
    EXPECT_EQ(pmGetVideoType(recording(dir, "p/CLIP_01.MP4", true)), VideoEvent);
    EXPECT_EQ(pmGetVideoType(recording(dir, "A.MP4")), VideoNormal);
}

TEST(RecordingName, WriteProtectionCountsEvenForRoot)
{
    // Root may write anything, but the camera's protection is in the permission bits.
    TempDir dir;
    EXPECT_TRUE(pmIsEventFile(recording(dir, "CLIP_02.MP4", true)));
    EXPECT_FALSE(pmIsEventFile(recording(dir, "CLIP_03.MP4")));
}

TEST(RecordingName, CameraLetterFollowsFourDigits)
{
    EXPECT_EQ(pmGetCameraType("/c/FILE0001F.MOV"), CameraFront);
    EXPECT_EQ(pmGetCameraType("/c/FILE0001r.mov"), CameraRear);
    EXPECT_EQ(pmGetCameraType("/c/FILE001F.MOV"), CameraNone);
    EXPECT_EQ(pmGetCameraType("/c/ABCF.MOV"), CameraNone);
    EXPECT_EQ(pmGetCameraType("/c/FILE0001X.MOV"), CameraNone);
    EXPECT_EQ(pmGetCameraType("/c/0001F.MOV"), CameraFront);
    EXPECT_EQ(pmGetCameraType(""), CameraNone);
}

TEST(RecordingName, OtherCameraFilePrefersSameFolderThenTwinFolder)
{
    TempDir dir;
    std::string front = recording(dir, "DCIMF/FILE0001F.MOV");
    EXPECT_EQ(pmGetAnotherCameraFile(front), dir.path() + "/DCIMR/FILE0001R.MOV");
    std::string rear = recording(dir, "DCIMF/FILE0001R.MOV");
    EXPECT_EQ(pmGetAnotherCameraFile(front), rear);
    EXPECT_EQ(pmGetAnotherCameraFile(rear), front);

    EXPECT_EQ(pmGetAnotherCameraFile(""), std::nullopt);
    EXPECT_EQ(pmGetAnotherCameraFile("/c/CLIP.MOV"), std::nullopt);
    // Too short for the letter position of a three-letter extension: no partner, no crash.
    EXPECT_EQ(pmGetAnotherCameraFile("0001F"), std::nullopt);
    EXPECT_EQ(pmGetAnotherCameraFile("/FILE0001F.MOV"), std::nullopt); // no twin for the root folder
}

TEST(RecordingName, MotorTypeFromPrefixedNames)
{
    EXPECT_EQ(pmGetMotorType(""), MotorNone);
    EXPECT_EQ(pmGetMotorType("/c/BP123456.MOV"), MotorPrefixed);
    EXPECT_EQ(pmGetMotorType("/c/bn123456.mov"), MotorPrefixed);
    EXPECT_EQ(pmGetMotorType("/c/BPX12345.MOV"), MotorOrdinary);
    EXPECT_EQ(pmGetMotorType("/c/FILE0001.MOV"), MotorOrdinary);
}
