#include "library/MovieHeader.h"

std::optional<MovieHeader> readMovieHeader(AtomReader& reader, std::uint64_t offset, const AtomHeader& header)
{
    // version(1) flags(3), then creation and modification times of 4 or 8 bytes each.
    unsigned char bytes[32];
    std::uint64_t body = offset + header.headerSize;
    if (!reader.read(body, bytes, 1))
        return std::nullopt;
    MovieHeader mh;
    if (bytes[0] == 1) {
        if (!reader.read(body, bytes, 32))
            return std::nullopt;
        mh.timeScale = readBE32(bytes + 20);
        mh.duration = readBE64(bytes + 24);
    } else {
        if (!reader.read(body, bytes, 20))
            return std::nullopt;
        mh.timeScale = readBE32(bytes + 12);
        mh.duration = readBE32(bytes + 16);
    }
    return mh;
}
