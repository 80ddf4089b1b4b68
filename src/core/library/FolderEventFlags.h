#pragma once
// The folder watcher's flag bits, as the event stream of the original platform numbers them,
// and how the kernel's inotify masks map onto them.

#include <cstddef>
#include <cstdint>
#include <string_view>

inline constexpr int kFolderEventMustScanSubDirs = 0x1;
inline constexpr int kFolderEventKernelDropped = 0x4;
inline constexpr int kFolderEventRootChanged = 0x20;   // a watched root was removed or moved
inline constexpr int kFolderEventUnmount = 0x80;       // the volume under a watched path went away
inline constexpr int kFolderEventItemRemoved = 0x200;
inline constexpr int kFolderEventItemRenamed = 0x800;

// The flags of one inotify event; 0 for events the watcher does not report. isRoot says the
// event's watch is on a watched path itself rather than on a folder below it.
int folderEventFlags(std::uint32_t inotifyMask, bool isRoot);

// The inotify mask every watched folder is registered with.
std::uint32_t folderWatchMask();

// One record of an inotify read buffer; name is empty for events on the watched folder itself.
struct InotifyRecord {
    int wd = -1;
    std::uint32_t mask = 0;
    std::string_view name;
};

// Walks the records of a buffer filled by read() on an inotify descriptor and calls visit for
// each whole one. A record that claims more bytes than the buffer holds ends the walk.
template <typename Visit>
void forEachInotifyRecord(const char* buffer, size_t length, Visit&& visit);

// Implementation detail of forEachInotifyRecord: the record at offset, and the next offset
// (0 when no whole record starts there).
size_t readInotifyRecord(const char* buffer, size_t length, size_t offset, InotifyRecord& record);

template <typename Visit>
void forEachInotifyRecord(const char* buffer, size_t length, Visit&& visit)
{
    InotifyRecord record;
    for (size_t offset = 0; offset < length;) {
        const size_t next = readInotifyRecord(buffer, length, offset, record);
        if (next == 0)
            return;
        visit(record);
        offset = next;
    }
}
