#include "library/AtomReader.h"

#include <algorithm>
#include <cstring>

bool AtomReader::read(std::uint64_t offset, void* out, size_t count)
{
    if (offset >= mWindowStart && offset + count <= mWindowStart + mWindowSize) {
        std::memcpy(out, mWindow.data() + (offset - mWindowStart), count);
        return true;
    }
    if (offset + count <= mPrefetchLimit && count <= kWindow) {
        size_t want = static_cast<size_t>(std::min<std::uint64_t>(kWindow, mPrefetchLimit - offset));
        mWindowSize = mSource.readAt(offset, mWindow.data(), want);
        mWindowStart = offset;
        if (mWindowSize < count)
            return false;
        std::memcpy(out, mWindow.data(), count);
        return true;
    }
    return mSource.readExact(offset, out, count);
}

std::optional<AtomHeader> AtomReader::readHeader(std::uint64_t offset)
{
    unsigned char bytes[8];
    if (!read(offset, bytes, sizeof bytes))
        return std::nullopt;
    AtomHeader h;
    h.type = upperFourCC(bytes + 4);
    h.size = readBE32(bytes);
    h.headerSize = 8;
    if (h.size == 1) {
        unsigned char large[8];
        if (!read(offset + 8, large, sizeof large))
            return std::nullopt;
        h.size = readBE64(large);
        h.headerSize = 16;
    }
    return h;
}
