#include "library/FolderEventFlags.h"

#include <cstring>
#include <sys/inotify.h>

int folderEventFlags(std::uint32_t mask, bool isRoot)
{
    if (mask & IN_Q_OVERFLOW)
        return kFolderEventMustScanSubDirs | kFolderEventKernelDropped;
    if (mask & IN_UNMOUNT)
        return kFolderEventUnmount;
    if (mask & (IN_DELETE_SELF | IN_MOVE_SELF))
        // A folder below the root that goes away is reported by its parent as removed or renamed.
        return isRoot ? kFolderEventRootChanged : 0;
    int flags = 0;
    if (mask & IN_DELETE)
        flags |= kFolderEventItemRemoved;
    if (mask & (IN_MOVED_FROM | IN_MOVED_TO))
        flags |= kFolderEventItemRenamed;
    return flags;
}

std::uint32_t folderWatchMask()
{
    return IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR;
}

size_t readInotifyRecord(const char* buffer, size_t length, size_t offset, InotifyRecord& record)
{
    if (length - offset < sizeof(inotify_event))
        return 0;
    inotify_event header;
    std::memcpy(&header, buffer + offset, sizeof header); // the buffer need not be aligned
    const size_t nameStart = offset + sizeof header;
    if (header.len > length - nameStart)
        return 0;
    record.wd = header.wd;
    record.mask = header.mask;
    // The name is padded with NULs up to len.
    const char* name = buffer + nameStart;
    record.name = std::string_view(name, ::strnlen(name, header.len));
    return nameStart + header.len;
}
