#include "export/GpxWriter.h"
#include "gps/GpsList.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

TEST(GpxWriterTest, OnePointPerSecondWithAPosition)
{
    TempDir dir;
    GpsList list;
    list.InsertData(0, 0, 0, 0, -1);
    list.InsertData(0, 0, 0, 0, -1);
    list.InsertData(25.1f, 121.5f, 30, 0, -1);
    list.InsertData(25.2f, -121.5f, 30, 0, -1);
    list.GetGpsData(2)->setDAltitude(35.25);
    list.GetGpsData(3)->setDAltitude(65535);
    const std::string path = dir.file("t.gpx");
    ASSERT_TRUE(pmWriteGpx(path, list, "A&B <trip>"));
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    EXPECT_EQ(text.str(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<gpx version=\"1.1\" creator=\"Koriv Manager\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
              "<metadata><name>A&amp;B &lt;trip&gt;</name></metadata>\n"
              "<trk><name>A&amp;B &lt;trip&gt;</name><trkseg>\n"
              "<trkpt lat=\"25.100000\" lon=\"121.500000\"><ele>35.2</ele></trkpt>\n"
              "<trkpt lat=\"25.200001\" lon=\"-121.500000\"/>\n"
              "</trkseg></trk>\n</gpx>\n");

    list.SetGpsFrequency(2);
    ASSERT_TRUE(pmWriteGpx(path, list, "x"));
    std::ostringstream stepped;
    stepped << std::ifstream(path).rdbuf();
    EXPECT_EQ(stepped.str().find("25.2"), std::string::npos) << "index 3 is not a second's sample";

    GpsList blank;
    blank.InsertData(0, 0, 0, 0, -1);
    EXPECT_FALSE(pmWriteGpx(dir.file("blank.gpx"), blank, "x"));
    EXPECT_FALSE(std::ifstream(dir.file("blank.gpx")).good());
    if (std::filesystem::is_character_file("/dev/full")) {
        EXPECT_FALSE(pmWriteGpx("/dev/full", list, "x"));
        EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
    }
}
