#include "library/ContainerCheck.h"

#include "io/ByteSource.h"
#include "library/AtomReader.h"
#include "library/MediaDuration.h"
#include "library/MovieHeader.h"
#include "util/Log.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::uint64_t kMinMovFileSize = 2048;
constexpr double kMinDuration = 0.2;
constexpr std::uint64_t kAviHandlerOffset = 112;
// The AVI header list of a camera file fits here; the handler and the length come in one read.
constexpr size_t kAviHeadBytes = 512;

// How deep the walk has gone: each level is entered by one atom type.
enum Level { Top, Movie, Track, Media, MediaInfo, SampleTable };

bool isAviHandler(const unsigned char* h)
{
    auto lower = [](unsigned char c) { return static_cast<unsigned char>(c | 0x20); };
    bool h264 = lower(h[0]) == 'h' && h[1] == '2' && h[2] == '6' && h[3] == '4';
    bool mjpg = lower(h[0]) == 'm' && lower(h[1]) == 'j' && lower(h[2]) == 'p' && lower(h[3]) == 'g';
    return h264 || mjpg;
}

bool passesDurationTest(AtomReader& reader, std::uint64_t offset, const AtomHeader& header,
                        std::string_view pathForLog, std::optional<double>* length)
{
    auto mh = readMovieHeader(reader, offset, header);
    if (!mh)
        return false;
    auto seconds = mh->seconds();
    if (seconds && *seconds < kMinDuration) {
        pmWriteLog("pmIsMovCodecReady() - Duration is too short, filter out it - " + std::string(pathForLog));
        return false;
    }
    if (length)
        *length = seconds;
    return true;
}

// The type that takes the walk one level down, if any.
std::uint32_t childToEnter(Level level)
{
    switch (level) {
    case Top: return fourCC("MOOV");
    case Movie: return fourCC("TRAK");
    case Track: return fourCC("MDIA");
    case Media: return fourCC("MINF");
    case MediaInfo: return fourCC("STBL");
    case SampleTable: return 0;
    }
    return 0;
}

bool firstSampleEntryIsAvc(AtomReader& reader, std::uint64_t stsdOffset, const AtomHeader& stsd)
{
    // Version, flags and entry count come before the first entry.
    auto entry = reader.readHeader(stsdOffset + stsd.headerSize + 8);
    return entry && entry->type == fourCC("AVC1");
}

} // namespace

bool isAviCodecReady(ByteSource& source, std::optional<double>* seconds)
{
    if (source.size() == 0)
        return false;
    unsigned char head[kAviHeadBytes];
    const size_t got = source.readAt(0, head, sizeof head);
    if (got < kAviHandlerOffset + 4 || !isAviHandler(head + kAviHandlerOffset))
        return false;
    if (seconds) {
        MemoryByteSource headers(head, got);
        *seconds = aviDuration(headers);
    }
    return true;
}

bool isMovCodecReady(ByteSource& source, std::string_view pathForLog, std::optional<double>* seconds)
{
    const std::uint64_t fileSize = source.size();
    if (fileSize <= kMinMovFileSize)
        return false;
    AtomReader reader(source);
    auto first = reader.readHeader(0);
    if (!first || first->type != fourCC("FTYP"))
        return false;

    // The walk only goes down: once inside an atom, whatever follows its last child is read
    // as further children of the same level.
    Level level = Top;
    std::uint64_t offset = 0;
    AtomHeader atom = *first;
    for (;;) {
        if (level == SampleTable && atom.type == fourCC("STSD"))
            return firstSampleEntryIsAvc(reader, offset, atom);
        if (level == Movie && atom.type == fourCC("MVHD") &&
            !passesDurationTest(reader, offset, atom, pathForLog, seconds))
            return false;

        if (level != SampleTable && atom.type == childToEnter(level)) {
            // A container that ends past the file was cut short: its tables cannot be trusted.
            if (atom.size > fileSize - offset)
                return false;
            if (level == Top)
                reader.setPrefetchLimit(offset + std::max<std::uint64_t>(atom.size, atom.headerSize));
            level = static_cast<Level>(level + 1);
            offset += atom.headerSize;
        } else {
            // A size below the header (0 included) or an end past the file is broken.
            if (atom.size < atom.headerSize || atom.size > fileSize - offset)
                return false;
            offset += atom.size;
        }
        auto next = reader.readHeader(offset);
        if (!next)
            return false;
        atom = *next;
    }
}

bool pmIsAviCodecReady(const std::string& path)
{
    FileByteSource source(path);
    return source.isOpen() && isAviCodecReady(source);
}

bool pmIsMovCodecReady(const std::string& path)
{
    FileByteSource source(path);
    return source.isOpen() && isMovCodecReady(source, path);
}
