#include "CommaLocale.h"
#include "LocalDate.h"
#include "export/GpxWriter.h"
#include "export/KmlExport.h"
#include "export/KmlSave.h"
#include "gps/GpsList.h"
#include "TempDir.h"
#include "TextFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace {

FileTime localNoon()
{
    return localFileTime(2026, 1, 2, 12, 3, 4);
}

const char* kExpectedOneSample =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<kml xmlns=\"http://earth.google.com/kml/2.0\" xmlns:atom=\"http://www.w3.org/2005/Atom\">\r\n"
    "<Document>\r\n"
    "<atom:author><atom:name>Koriv Manager on Mac</atom:name></atom:author>\r\n"
    "<name><![CDATA[FILE0001F.kml]]></name>\r\n"
    "<description><![CDATA[2026/01/02 12:03:04]]></description>\r\n"
    "<Style id=\"track\"><LineStyle><color>7f0000ff</color><width>4</width></LineStyle></Style>\r\n"
    "<Style id=\"sh_green-circle\"><IconStyle><scale>1.3</scale><Icon><href>http://maps.google.com/mapfiles/kml/"
    "paddle/grn-circle.png</href></Icon><hotSpot x=\"32\" y=\"1\" xunits=\"pixels\" yunits=\"pixels\"/>"
    "</IconStyle></Style>\r\n"
    "<Style id=\"sh_red-circle\"><IconStyle><scale>1.3</scale><Icon><href>http://maps.google.com/mapfiles/kml/"
    "paddle/red-circle.png</href></Icon><hotSpot x=\"32\" y=\"1\" xunits=\"pixels\" yunits=\"pixels\"/>"
    "</IconStyle></Style>\r\n"
    "<Style id=\"sh_ylw-pushpin\"><IconStyle><scale>1.3</scale><Icon><href>http://maps.google.com/mapfiles/kml/"
    "pushpin/ylw-pushpin.png</href></Icon><hotSpot x=\"20\" y=\"2\" xunits=\"pixels\" yunits=\"pixels\"/>"
    "</IconStyle></Style>\r\n"
    "<Style id=\"sh_blue-pushpin\"><IconStyle><scale>1.3</scale><Icon><href>http://maps.google.com/mapfiles/kml/"
    "pushpin/blue-pushpin.png</href></Icon><hotSpot x=\"20\" y=\"2\" xunits=\"pixels\" yunits=\"pixels\"/>"
    "</IconStyle></Style>\r\n"
    "<Style id=\"sh_green-pushpin\"><IconStyle><scale>1.3</scale><Icon><href>http://maps.google.com/mapfiles/kml/"
    "pushpin/grn-pushpin.png</href></Icon><hotSpot x=\"20\" y=\"2\" xunits=\"pixels\" yunits=\"pixels\"/>"
    "</IconStyle></Style>"
    "<Style id=\"sh_red-pushpin\"><IconStyle><scale>1.3</scale><Icon><href>http://maps.google.com/mapfiles/kml/"
    "pushpin/red-pushpin.png</href></Icon><hotSpot x=\"20\" y=\"2\" xunits=\"pixels\" yunits=\"pixels\"/>"
    "</IconStyle></Style>"
    "<Placemark>\r\n"
    "  <name><![CDATA[(Start)]]></name>\r\n"
    "  <description><![CDATA[]]></description>\r\n"
    "  <styleUrl>#sh_green-circle</styleUrl>\r\n"
    "  <Point>\r\n"
    "    <coordinates>121.500000,25.100000</coordinates>\r\n"
    "  </Point>\r\n"
    "</Placemark>\r\n"
    "<Placemark>\r\n"
    "<name><![CDATA[FILE0001F.kml]]></name>\r\n"
    "<description><![CDATA[]]></description>\r\n"
    "<styleUrl>#track</styleUrl>\r\n"
    "<MultiGeometry>\r\n"
    "<LineString><coordinates>121.500000,25.100000,35.200000 </coordinates></LineString>"
    "</MultiGeometry>\r\n"
    "</Placemark>\r\n"
    "<Placemark>\r\n"
    "  <name><![CDATA[(End)]]></name>\r\n"
    "  <description><![CDATA[]]></description>\r\n"
    "  <styleUrl>#sh_red-circle</styleUrl>\r\n"
    "  <Point>\r\n"
    "    <coordinates>121.500000,25.100000</coordinates>\r\n"
    "  </Point>\r\n"
    "</Placemark>\r\n"
    "</Document>\r\n"
    "</kml>\r\n";


GpsList oneSample()
{
    GpsList list;
    list.InsertData(25.1f, 121.5f, 10, 0, -1);
    list.GetGpsData(0)->setDAltitude(35.2);
    return list;
}

} // namespace

TEST(KmlExportTest, OneSampleByteForByte)
{
    TempDir dir;
    const GpsList list = oneSample();
    const std::string path = dir.file("FILE0001F.kml");
    ASSERT_TRUE(outputKML(path, &list, localNoon()));
    EXPECT_EQ(readTextFile(path), kExpectedOneSample);
}

TEST(KmlExportTest, NumbersKeepThePointUnderACommaLocale)
{
    TempDir dir;
    const GpsList list = oneSample();
    const std::string kml = dir.file("FILE0001F.kml");
    const std::string gpx = dir.file("FILE0001F.gpx");
    bool written = false;
    {
        // The application runs under the user's locale; its files must not follow it.
        CommaLocale comma;
        if (!comma.active())
            GTEST_SKIP() << "no locale with a decimal comma could be set";
        written = outputKML(kml, &list, localNoon()) && pmWriteGpx(gpx, list, "x");
    }
    ASSERT_TRUE(written);
    EXPECT_EQ(readTextFile(kml), kExpectedOneSample);
    EXPECT_NE(readTextFile(gpx).find("<trkpt lat=\"25.100000\" lon=\"121.500000\"><ele>35.2</ele>"), std::string::npos);
}

TEST(KmlExportTest, SteppedBySecondAndEndingAtTheLastWritten)
{
    TempDir dir;
    GpsList list;
    for (int i = 0; i < 95; ++i)
        list.InsertData(25.0f + i * 0.001f, 121.5f, 10, 0, -1);
    list.GetGpsData(0)->setFLatitude(0);
    list.GetGpsData(0)->setDAltitude(65535);
    list.SetGpsFrequency(10);
    const std::string path = dir.file("out.kml");
    ASSERT_TRUE(outputKML(path, &list, localNoon()));
    const std::string kml = readTextFile(path);
    const size_t line = kml.find("<LineString><coordinates>");
    const std::string coordinates = kml.substr(line, kml.find("</coordinates>", line) - line);
    EXPECT_EQ(countOf(coordinates, " "), 10u);
    EXPECT_NE(coordinates.find(">121.500000,0.000000,65535.000000 "), std::string::npos)
        << "samples without a fix are written as they are";
    EXPECT_NE(kml.find("<coordinates>121.500000,25.090000</coordinates>\r\n  </Point>\r\n</Placemark>\r\n</Doc"),
              std::string::npos);
}

TEST(KmlExportTest, FailuresWriteNothing)
{
    TempDir dir;
    GpsList empty;
    EXPECT_FALSE(outputKML(dir.file("empty.kml"), &empty, localNoon()));
    EXPECT_FALSE(outputKML(dir.file("none.kml"), nullptr, localNoon()));
    GpsList list;
    list.InsertData(25, 121, 0, 0, -1);
    EXPECT_FALSE(outputKML(dir.path() + "/missing/x.kml", &list, localNoon()));
    EXPECT_FALSE(outputKML(dir.path(), &list, localNoon())) << "a folder cannot be created as a file";
    // Without the device, opening the path would create a regular file there.
    if (std::filesystem::is_character_file("/dev/full")) {
        EXPECT_FALSE(outputKML("/dev/full", &list, localNoon())) << "a full disk is a failure, not a saved file";
        EXPECT_TRUE(std::filesystem::is_character_file("/dev/full")) << "a device is never removed";
    }
    EXPECT_FALSE(std::ifstream(dir.path() + "/empty.kml").good());
}

TEST(KmlSaveTest, CDataStaysWellFormed)
{
    EXPECT_EQ(KmlSave::StringAsCData("a]]>b"), "<![CDATA[a]]]]><![CDATA[>b]]>");
    EXPECT_EQ(KmlSave::StringAsCData("]]>]]>"), "<![CDATA[]]]]><![CDATA[>]]]]><![CDATA[>]]>");
    EXPECT_EQ(KmlSave::StringAsCData("]]"), "<![CDATA[]]]]>");
    TempDir dir;
    GpsList list;
    list.InsertData(25, 121, 0, 0, -1);
    const std::string path = dir.file("x]]>y.kml");
    ASSERT_TRUE(outputKML(path, &list, localNoon()));
    const std::string kml = readTextFile(path);
    EXPECT_EQ(countOf(kml, "]]>"), countOf(kml, "<![CDATA[")) << "every section is closed exactly once";
    EXPECT_NE(kml.find("<name><![CDATA[x]]]]><![CDATA[>y.kml]]></name>"), std::string::npos);
}
