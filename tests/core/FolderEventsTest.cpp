// The pure parts of folder monitoring: the kernel's masks as the watcher's flags, the records
// of an inotify read, coalescing, the event's text form, the watched paths and the mount table.
#include "library/FolderEventCoalescer.h"
#include "library/FolderEventFlags.h"
#include "library/SCEvent.h"
#include "library/WatchedPaths.h"
#include "util/MountInfo.h"

#include <cstring>
#include <gtest/gtest.h>
#include <sys/inotify.h>

namespace {

// Appends one record as the kernel writes it: header, then the name padded with NULs.
void appendRecord(std::string& buffer, int wd, std::uint32_t mask, const std::string& name, size_t padTo)
{
    inotify_event header{};
    header.wd = wd;
    header.mask = mask;
    header.len = static_cast<std::uint32_t>(name.empty() ? 0 : padTo);
    buffer.append(reinterpret_cast<const char*>(&header), sizeof header);
    if (!name.empty()) {
        buffer += name;
        buffer.append(padTo - name.size(), '\0');
    }
}

} // namespace

TEST(FolderEventFlags, KernelMasksBecomeTheFourConditions)
{
    EXPECT_EQ(folderEventFlags(IN_DELETE_SELF, true), kFolderEventRootChanged);
    EXPECT_EQ(folderEventFlags(IN_MOVE_SELF, true), kFolderEventRootChanged);
    // Below the root the parent's own event says it.
    EXPECT_EQ(folderEventFlags(IN_DELETE_SELF, false), 0);
    EXPECT_EQ(folderEventFlags(IN_MOVE_SELF, false), 0);
    EXPECT_EQ(folderEventFlags(IN_UNMOUNT, false), kFolderEventUnmount);
    EXPECT_EQ(folderEventFlags(IN_UNMOUNT | IN_ISDIR, true), kFolderEventUnmount); // exactly 0x80
    EXPECT_EQ(folderEventFlags(IN_DELETE, false), kFolderEventItemRemoved);
    EXPECT_EQ(folderEventFlags(IN_DELETE | IN_ISDIR, true), kFolderEventItemRemoved);
    EXPECT_EQ(folderEventFlags(IN_MOVED_FROM, false), kFolderEventItemRenamed);
    EXPECT_EQ(folderEventFlags(IN_MOVED_TO, true), kFolderEventItemRenamed);
    EXPECT_EQ(folderEventFlags(IN_IGNORED, true), 0);
    EXPECT_EQ(folderEventFlags(IN_CREATE, true), 0); // new files are not reported
    EXPECT_EQ(folderEventFlags(IN_Q_OVERFLOW, true), kFolderEventMustScanSubDirs | kFolderEventKernelDropped);
    EXPECT_EQ(0x20, kFolderEventRootChanged);
    EXPECT_EQ(0x80, kFolderEventUnmount);
    EXPECT_EQ(0x200, kFolderEventItemRemoved);
    EXPECT_EQ(0x800, kFolderEventItemRenamed);
}

TEST(FolderEventFlags, RecordsOfAReadAreWalkedAndATruncatedOneEndsTheWalk)
{
    std::string buffer;
    appendRecord(buffer, 3, IN_DELETE, "FILE0001F.MP4", 16);
    appendRecord(buffer, 1, IN_DELETE_SELF, "", 0);
    appendRecord(buffer, 4, IN_MOVED_FROM, "a b%#.MP4", 32);
    std::vector<std::pair<int, std::string>> seen;
    // The buffer is read unaligned, as a sub-range of a bigger read may be.
    std::string shifted = "x" + buffer;
    forEachInotifyRecord(shifted.data() + 1, buffer.size(), [&](const InotifyRecord& record) {
        seen.emplace_back(record.wd, std::string(record.name));
    });
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::make_pair(3, std::string("FILE0001F.MP4")));
    EXPECT_EQ(seen[1], std::make_pair(1, std::string()));
    EXPECT_EQ(seen[2], std::make_pair(4, std::string("a b%#.MP4")));

    // A record whose name runs past the end, and a half header, are not read.
    for (size_t cut : {buffer.size() - 1, sizeof(inotify_event) + 16 + 5}) {
        size_t count = 0;
        forEachInotifyRecord(buffer.data(), cut, [&](const InotifyRecord&) { ++count; });
        EXPECT_EQ(count, cut == buffer.size() - 1 ? 2u : 1u) << cut;
    }
}

TEST(FolderEventCoalescer, RepeatsCollapseAndOrderIsKept)
{
    FolderEventCoalescer coalescer;
    EXPECT_TRUE(coalescer.add(1, "/card", kFolderEventUnmount));
    EXPECT_TRUE(coalescer.add(2, "/card/DCIM/a.MP4", kFolderEventItemRemoved));
    EXPECT_FALSE(coalescer.add(3, "/card", kFolderEventUnmount));
    EXPECT_TRUE(coalescer.add(4, "/card", kFolderEventRootChanged)); // another change of the same path
    const std::vector<FolderStreamEvent> batch = coalescer.take();
    ASSERT_EQ(batch.size(), 3u);
    EXPECT_EQ(batch[0].id, 1u);
    EXPECT_EQ(batch[1].path, "/card/DCIM/a.MP4");
    EXPECT_EQ(batch[2].flags, kFolderEventRootChanged);
    EXPECT_TRUE(coalescer.empty());
    // A new batch reports the same change again.
    EXPECT_TRUE(coalescer.add(5, "/card", kFolderEventUnmount));
}

TEST(SCEvent, TextFormAndTrailingSlash)
{
    const SCEvent event(42, SCEvent::Clock::now(), "/media/u/CARD/", 128);
    EXPECT_EQ(event.eventPath(), "/media/u/CARD");
    EXPECT_EQ(event.description(), "<SCEvent { eventId = 42, eventPath = /media/u/CARD, eventFlags = 128 } >");
    EXPECT_EQ(SCEvent(1, {}, "/", 0).eventPath(), "/");
    EXPECT_EQ(SCEvent(1, {}, "/a//", 0).eventPath(), "/a/"); // one slash only
}

TEST(WatchedPaths, AFolderOnAVolumeIsWatchedWithItsMountPoint)
{
    using Paths = std::vector<std::string>;
    EXPECT_EQ(pmMonitorPaths("/home/u/Videos"), Paths{"/home/u/Videos"});
    EXPECT_EQ(pmMonitorPaths("/media/u/CARD/DCIM"), (Paths{"/media/u/CARD/DCIM", "/media/u/CARD"}));
    EXPECT_EQ(pmMonitorPaths("/run/media/u/CARD/DCIM/100F"), (Paths{"/run/media/u/CARD/DCIM/100F", "/run/media/u/CARD"}));
    EXPECT_EQ(pmMonitorPaths("/mnt/CARD/DCIM"), (Paths{"/mnt/CARD/DCIM", "/mnt/CARD"}));
    EXPECT_EQ(pmMonitorPaths("/media/u/CARD"), Paths{"/media/u/CARD"});
    EXPECT_EQ(pmMonitorPaths("/media/u/CARD/"), Paths{"/media/u/CARD/"});
}

TEST(WatchedPaths, ExcludedPathsAndTheirSubFolders)
{
    const std::vector<std::string> excluded{"/card/NMEA"};
    EXPECT_TRUE(pmIsExcludedEventPath("/card/NMEA", excluded, false));
    EXPECT_FALSE(pmIsExcludedEventPath("/card/NMEA/a.txt", excluded, false));
    EXPECT_TRUE(pmIsExcludedEventPath("/card/NMEA/a.txt", excluded, true));
    EXPECT_FALSE(pmIsExcludedEventPath("/card/DCIM/a.MP4", excluded, true));
    EXPECT_FALSE(pmIsExcludedEventPath("/card/NMEA", {}, true));
}

TEST(MountInfo, TableLinesWithEscapesAndOptionalFields)
{
    const std::string table =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "45 22 0:40 / /media/u/MY\\040CARD rw,nosuid shared:7 master:2 - vfat /dev/sdb1 rw,uid=1000\n"
        "garbage line\n"
        "46 22 0:41 / /mnt/usb/part\\0111 rw - tmpfs tmpfs rw\n"
        "47 22 0:42 / /media/u rw - tmpfs tmpfs rw\n"
        "48 22 0:43 / /run/media/u/X rw - fuseblk\n";
    const std::vector<MountEntry> mounts = parseMountInfo(table);
    ASSERT_EQ(mounts.size(), 5u);
    EXPECT_EQ(mounts[0].mountPoint, "/");
    EXPECT_EQ(mounts[1].mountPoint, "/media/u/MY CARD");
    EXPECT_EQ(mounts[1].fsType, "vfat");
    EXPECT_EQ(mounts[1].source, "/dev/sdb1");
    EXPECT_EQ(mounts[2].mountPoint, "/mnt/usb/part\t1");
    EXPECT_EQ(mounts[4].source, "");

    const std::vector<std::string> volumes = volumesUnder(mounts, {"/media/u", "/run/media/u/", "/mnt"});
    EXPECT_EQ(volumes, (std::vector<std::string>{"/media/u/MY CARD", "/mnt/usb/part\t1", "/run/media/u/X"}));
    EXPECT_EQ(mountPointOf(mounts, "/media/u/MY CARD/DCIM"), "/media/u/MY CARD");
    EXPECT_EQ(mountPointOf(mounts, "/media/u/MY CARDS"), "/media/u");
    EXPECT_EQ(mountPointOf(mounts, "/home/u"), "/");
}
