#include "gps/GpsLogFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

TEST(GpsLogFileTest, CandidatesInOrder)
{
    TempDir dir;
    const std::string video = dir.write("CARD/MOVIEF/FILE0001F.MOV", "v");
    EXPECT_EQ(pmGetGpsLogFile(video), std::nullopt);

    const std::string txtFull = dir.write("CARD/MOVIEF/FILE0001F.MOV.txt", "");
    EXPECT_EQ(pmGetGpsLogFile(video), txtFull);
    const std::string shared = dir.write("CARD/NMEA/FILE0001N.NMEA", "");
    EXPECT_EQ(pmGetGpsLogFile(video), shared);
    const std::string sharedOwn = dir.write("CARD/NMEA/FILE0001F.NMEA", "");
    EXPECT_EQ(pmGetGpsLogFile(video), sharedOwn);
    const std::string sharedLower = dir.write("CARD/NMEA/FILE0001F.nmea", "");
    EXPECT_EQ(pmGetGpsLogFile(video), sharedLower);
    const std::string pair = dir.write("CARD/MOVIEF/FILE0001N.NMEA", "");
    EXPECT_EQ(pmGetGpsLogFile(video), pair);
    EXPECT_EQ(pmGetGpsLogFile(dir.write("CARD/MOVIEF/FILE0001R.MOV", "v")), pair) << "front and rear share it";
    const std::string upper = dir.write("CARD/MOVIEF/FILE0001F.NMEA", "");
    EXPECT_EQ(pmGetGpsLogFile(video), upper);
    const std::string nmea = dir.write("CARD/MOVIEF/FILE0001F.nmea", "");
    EXPECT_EQ(pmGetGpsLogFile(video), nmea);
    const std::string txt = dir.write("CARD/MOVIEF/FILE0001F.txt", "");
    EXPECT_EQ(pmGetGpsLogFile(video), txt);
    const std::string log = dir.write("CARD/MOVIEF/FILE0001F.log", "");
    EXPECT_EQ(pmGetGpsLogFile(video), log);
}
