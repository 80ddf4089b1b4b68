#include "util/CalendarDate.h"
#include "util/FileQueries.h"
#include "util/Log.h"
#include "util/Reachability.h"
#include "util/RouteTable.h"
#include "util/TextHelpers.h"

#include "TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(Log, MillisecondsAreNotPadded)
{
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(pmFormatLogTime(1772366400, 7000), "2026-03-01 12:00:00.7");
    EXPECT_EQ(pmFormatLogTime(1772366400, 250999), "2026-03-01 12:00:00.250");
    EXPECT_EQ(pmFormatLogTime(1772366400, 999), "2026-03-01 12:00:00.0");
}

TEST(Log, ClearStartsAFreshFileAndThreadsKeepLinesWhole)
{
    TempDir dir;
    pmSetLogFolder(dir.path());
    pmWriteLog("first run");
    pmClearLog();
    pmClearLog(); // a missing file is not an error
    pmWriteLog("AppDelegate::buildVideoLibrary - End !");
    std::string text = readFile(dir.path() + "/KorivManagerLog_mac.txt");
    EXPECT_EQ(text.find("first run"), std::string::npos);
    EXPECT_NE(text.find(" AppDelegate::buildVideoLibrary - End !\n"), std::string::npos);

    pmClearLog();
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t)
        writers.emplace_back([t] {
            for (int i = 0; i < 200; ++i)
                pmWriteLog("thread " + std::to_string(t) + " line " + std::string(100, 'x'));
        });
    for (auto& w : writers)
        w.join();
    std::istringstream lines(readFile(pmGetLogPath()));
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count)
        EXPECT_EQ(line.substr(line.size() - 100), std::string(100, 'x'));
    EXPECT_EQ(count, 800);
    pmSetLogFolder(dir.file("missing/folder")); // unwritable: the line is dropped quietly
    pmWriteLog("dropped");
}

TEST(FileQueries, VolumeRootOfMountedCards)
{
    EXPECT_EQ(pmGetVolumeRoot("/Volumes/CARD/DCIM/FILE0001.MOV"), "/Volumes/CARD");
    EXPECT_EQ(pmGetVolumeRoot("/Volumes/CARD"), "/Volumes/CARD");
    EXPECT_EQ(pmGetVolumeRoot("/media/anna/CARD/DCIM"), "/media/anna/CARD");
    EXPECT_EQ(pmGetVolumeRoot("/run/media/anna/CARD/DCIM"), "/run/media/anna/CARD");
    EXPECT_EQ(pmGetVolumeRoot("/mnt/sd/DCIM"), "/mnt/sd");
    EXPECT_EQ(pmGetVolumeRoot("/home/anna/Videos"), std::nullopt);
    EXPECT_EQ(pmGetVolumeRoot("/media/anna"), std::nullopt);
    EXPECT_EQ(pmGetVolumeRoot("Volumes/CARD/x"), std::nullopt);
}

TEST(FileQueries, SizesProtectionAndDeletion)
{
    TempDir dir;
    std::string file = dir.write("a.bin", std::string(1234, 'a'));
    EXPECT_EQ(pmGetFileSize(file), 1234u);
    EXPECT_EQ(pmGetFileSize(dir.file("none")), 0u);
    EXPECT_FALSE(pmIsReadOnly(file));
    ::chmod(file.c_str(), 0444);
    EXPECT_TRUE(pmIsReadOnly(file));
    EXPECT_GT(pmGetFreeDiskSpace(dir.path()), 0);
    EXPECT_EQ(pmGetFreeDiskSpace(dir.file("none/x")), 0);
    EXPECT_TRUE(pmIsFileExist(dir.path()));
    EXPECT_TRUE(pmDeleteFile(file));
    EXPECT_FALSE(pmDeleteFile(file));
    EXPECT_FALSE(pmIsFileExist(file));
}

TEST(TextHelpers, ShortenAfterTwentyThreeCharacters)
{
    EXPECT_EQ(pmShortenText("ABCDEFGHIJKLMNOPQRSTUVW"), "ABCDEFGHIJKLMNOPQRSTUVW");
    EXPECT_EQ(pmShortenText("ABCDEFGHIJKLMNOPQRSTUVWX"), "ABCDEFGHIJKLMNOPQRSTUVW...");
    // Counted in characters: a 24-character Cyrillic name is cut after its 23rd letter.
    std::string cyrillic;
    for (int i = 0; i < 24; ++i)
        cyrillic += "Ж";
    EXPECT_EQ(pmShortenText(cyrillic), cyrillic.substr(0, 46) + "...");
}

TEST(CalendarDate, TextsOfAMoment)
{
    setenv("TZ", "UTC", 1);
    tzset();
    FileTime t = std::chrono::system_clock::from_time_t(1772366400 + 3723);
    EXPECT_EQ(pmDateText(t), "2026/03/01");
    EXPECT_EQ(pmTimeText(t), "13:02:03");
    EXPECT_EQ(pmIsoLocalText(t), "2026-03-01T13:02:03");
}

TEST(Reachability, StatusFromFlags)
{
    std::vector<std::string> trace;
    Reachability::setTraceSink([&](const std::string& line) { trace.push_back(line); });
    Reachability r(nullptr);
    using namespace ReachabilityFlag;
    EXPECT_EQ(r.networkStatusForFlags(Reachable), ReachableViaNetwork);
    EXPECT_EQ(r.networkStatusForFlags(Reachable | ConnectionRequired), NotReachable);
    EXPECT_EQ(r.networkStatusForFlags(Reachable | ConnectionRequired | ConnectionOnTraffic), ReachableViaNetwork);
    EXPECT_EQ(r.networkStatusForFlags(Reachable | ConnectionRequired | ConnectionOnDemand | InterventionRequired),
              NotReachable);
    EXPECT_EQ(r.networkStatusForFlags(0), NotReachable);
    EXPECT_EQ(trace.back(), "Reachability Flag Status: -- ------- networkStatusForFlags\n");
    EXPECT_EQ(Reachability::flagStatusLine(0x3003F, "x"), "Reachability Flag Status: -R tcCiDld x\n");
    EXPECT_EQ(r.currentReachabilityStatus(), NotReachable); // no source: not reachable
    Reachability::setTraceSink(nullptr);
}

TEST(Reachability, DefaultRouteMeansReachable)
{
    const char* header = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\n";
    EXPECT_EQ(pmFlagsFromRouteTable(std::string(header) + "eth0\t00000000\t0102A8C0\t0003\t0\t0\t0\t00000000\n"),
              ReachabilityFlag::Reachable);
    EXPECT_EQ(pmFlagsFromRouteTable(std::string(header) + "eth0\t0002A8C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\n"), 0u);
    EXPECT_EQ(pmFlagsFromRouteTable(std::string(header) + "eth0\t00000000\t0102A8C0\t0002\t0\t0\t0\t00000000\n"), 0u);
    EXPECT_EQ(pmFlagsFromRouteTable(header), 0u);
    EXPECT_EQ(pmFlagsFromRouteTable(""), 0u);
    Reachability fromTable([](std::uint32_t& flags) { flags = ReachabilityFlag::Reachable; return true; });
    EXPECT_EQ(fromTable.currentReachabilityStatus(), ReachableViaNetwork);
    EXPECT_FALSE(fromTable.connectionRequired());
}
