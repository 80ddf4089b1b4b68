#include "library/MediaDuration.h"

#include "io/ByteSource.h"
#include "library/AtomReader.h"
#include "library/MovieHeader.h"
#include "library/RecordingName.h"

#include <algorithm>

namespace {

// The first atom of the given type between begin and end, at one level.
std::optional<std::uint64_t> findAtom(AtomReader& reader, std::uint64_t begin, std::uint64_t end,
                                      std::uint32_t type, AtomHeader& found)
{
    for (std::uint64_t offset = begin; offset + 8 <= end;) {
        auto h = reader.readHeader(offset);
        if (!h || h->size < h->headerSize || h->size > end - offset)
            return std::nullopt;
        if (h->type == type) {
            found = *h;
            return offset;
        }
        offset += h->size;
    }
    return std::nullopt;
}

// RIFF chunk header: four-character id and a little-endian size.
struct RiffChunk {
    char id[4];
    std::uint32_t size;
};

std::optional<RiffChunk> readChunk(ByteSource& source, std::uint64_t offset)
{
    unsigned char bytes[8];
    if (!source.readExact(offset, bytes, sizeof bytes))
        return std::nullopt;
    RiffChunk c;
    std::copy(bytes, bytes + 4, c.id);
    c.size = readLE32(bytes + 4);
    return c;
}

bool is(const char* id, const char (&want)[5])
{
    return std::equal(id, id + 4, want);
}

// Length times scale over rate of the stream header in the first "strl" list between begin
// and end; none when there is no such header or its rate is 0.
std::optional<double> firstStreamDuration(ByteSource& source, std::uint64_t begin, std::uint64_t end)
{
    auto strl = readChunk(source, begin);
    unsigned char listType[4];
    if (!strl || !is(strl->id, "LIST") || begin + 12 > end || !source.readExact(begin + 8, listType, 4) ||
        !std::equal(listType, listType + 4, "strl"))
        return std::nullopt;
    auto strh = readChunk(source, begin + 12);
    unsigned char header[36];
    if (!strh || !is(strh->id, "strh") || strh->size < sizeof header ||
        !source.readExact(begin + 20, header, sizeof header))
        return std::nullopt;
    std::uint32_t scale = readLE32(header + 20);
    std::uint32_t rate = readLE32(header + 24);
    std::uint32_t length = readLE32(header + 32);
    if (rate == 0 || scale == 0)
        return std::nullopt;
    return static_cast<double>(length) * scale / rate;
}

} // namespace

std::optional<double> movDuration(ByteSource& source)
{
    AtomReader reader(source);
    AtomHeader moov, mvhd;
    auto moovAt = findAtom(reader, 0, source.size(), fourCC("MOOV"), moov);
    if (!moovAt)
        return std::nullopt;
    std::uint64_t moovEnd = *moovAt + moov.size;
    reader.setPrefetchLimit(moovEnd);
    auto mvhdAt = findAtom(reader, *moovAt + moov.headerSize, moovEnd, fourCC("MVHD"), mvhd);
    if (!mvhdAt)
        return std::nullopt;
    auto mh = readMovieHeader(reader, *mvhdAt, mvhd);
    return mh ? mh->seconds() : std::nullopt;
}

std::optional<double> aviDuration(ByteSource& source)
{
    // RIFF "AVI " { LIST "hdrl" { "avih" main header, LIST "strl" { "strh" ... } ... } ... }
    unsigned char riff[12];
    if (!source.readExact(0, riff, sizeof riff) || !std::equal(riff, riff + 4, "RIFF"))
        return std::nullopt;
    const std::uint64_t hdrl = 12;
    auto list = readChunk(source, hdrl);
    unsigned char listType[4];
    if (!list || !is(list->id, "LIST") || !source.readExact(hdrl + 8, listType, 4) ||
        !std::equal(listType, listType + 4, "hdrl"))
        return std::nullopt;
    auto avih = readChunk(source, hdrl + 12);
    unsigned char main[20];
    if (!avih || !is(avih->id, "avih") || avih->size < sizeof main || !source.readExact(hdrl + 20, main, sizeof main))
        return std::nullopt;
    // The first stream's rate is exact; the main header's microseconds per frame are rounded
    // (a 15 fps clip says 66,666), which would lose most of a second over a long recording.
    if (auto exact = firstStreamDuration(source, hdrl + 20 + avih->size, hdrl + 8 + std::uint64_t(list->size)))
        return exact;
    std::uint32_t microsPerFrame = readLE32(main);
    std::uint32_t totalFrames = readLE32(main + 16);
    return static_cast<double>(totalFrames) * microsPerFrame / 1e6;
}

std::optional<double> pmGetMediaDuration(const std::string& path)
{
    FileByteSource source(path);
    if (!source.isOpen())
        return std::nullopt;
    switch (pmGetFileType(path)) {
    case FileTypeAvi: return aviDuration(source);
    case FileTypeMov:
    case FileTypeMp4: return movDuration(source);
    default: return std::nullopt;
    }
}
