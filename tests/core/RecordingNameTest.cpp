#include "library/RecordingName.h"

#include <gtest/gtest.h>

TEST(RecordingName, FileTypeFromExtensionIgnoresCase)
{
    EXPECT_EQ(pmGetFileType("/a/FILE0001.AVI"), FileTypeAvi);
    EXPECT_EQ(pmGetFileType("/a/FILE0001.Mov"), FileTypeMov);
    EXPECT_EQ(pmGetFileType("/a/FILE0001.mp4"), FileTypeMp4);
    EXPECT_EQ(pmGetFileType("/a/FILE0001.m4v"), FileTypeOther);
    EXPECT_EQ(pmGetFileType("/a/FILE0001.3gp"), FileTypeOther);
    EXPECT_EQ(pmGetFileType("/a/FILE0001"), FileTypeOther);
    EXPECT_EQ(pmGetFileType("/a.mp4/FILE0001"), FileTypeOther);
}
