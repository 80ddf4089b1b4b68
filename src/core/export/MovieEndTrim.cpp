#include "export/MovieEndTrim.h"

#include "io/ByteSource.h"
#include "io/FourCC.h"

#include <cmath>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// A movie atom larger than this is not one this program wrote.
constexpr std::uint64_t kMaxMovieAtom = 256ull << 20;

struct Atom {
    std::uint32_t type = 0;
    size_t body = 0; // offset of the contents
    size_t end = 0;
};

void writeBE32(unsigned char* p, std::uint32_t v)
{
    for (int i = 3; i >= 0; --i, v >>= 8)
        p[i] = static_cast<unsigned char>(v);
}

void writeBE64(unsigned char* p, std::uint64_t v)
{
    writeBE32(p, static_cast<std::uint32_t>(v >> 32));
    writeBE32(p + 4, static_cast<std::uint32_t>(v));
}

// The atom at offset inside [offset, limit), or none when its header does not fit.
std::optional<Atom> atomAt(std::span<const unsigned char> bytes, size_t offset, size_t limit)
{
    if (limit > bytes.size() || offset + 8 > limit)
        return std::nullopt;
    const unsigned char* p = bytes.data() + offset;
    std::uint64_t size = readBE32(p);
    size_t header = 8;
    if (size == 1) {
        if (offset + 16 > limit)
            return std::nullopt;
        size = readBE64(p + 8);
        header = 16;
    } else if (size == 0) {
        size = limit - offset;
    }
    if (size < header || size > limit - offset)
        return std::nullopt;
    return Atom{readBE32(p + 4), offset + header, offset + static_cast<size_t>(size)};
}

// Calls visit for each child atom of parent.
template <typename Visit>
void forEachChild(std::span<const unsigned char> bytes, const Atom& parent, Visit visit)
{
    size_t at = parent.body;
    while (const auto child = atomAt(bytes, at, parent.end)) {
        visit(*child);
        at = child->end;
    }
}

// A duration field of 32 or 64 bits, shortened to at most limit.
void shorten(unsigned char* field, bool wide, std::uint64_t limit)
{
    if (wide && readBE64(field) > limit)
        writeBE64(field, limit);
    else if (!wide && readBE32(field) > limit)
        writeBE32(field, static_cast<std::uint32_t>(limit));
}

// Version 0 or 1 of a full atom, or none for anything else.
std::optional<bool> isWide(std::span<unsigned char> bytes, const Atom& atom, size_t narrowSize, size_t wideSize)
{
    if (atom.body + 4 > atom.end)
        return std::nullopt;
    const unsigned char version = bytes[atom.body];
    const size_t need = version == 1 ? wideSize : narrowSize;
    if (version > 1 || atom.body + need > atom.end)
        return std::nullopt;
    return version == 1;
}

void trimEdits(std::span<unsigned char> bytes, const Atom& elst, std::uint64_t limit)
{
    const auto wide = isWide(bytes, elst, 8, 8);
    if (!wide)
        return;
    const std::uint32_t count = readBE32(&bytes[elst.body + 4]);
    const size_t entrySize = *wide ? 20 : 12;
    std::uint64_t before = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const size_t at = elst.body + 8 + size_t(i) * entrySize;
        if (at + entrySize > elst.end)
            return;
        unsigned char* field = &bytes[at];
        shorten(field, *wide, limit > before ? limit - before : 0);
        before += *wide ? readBE64(field) : readBE32(field);
    }
}

void trimTrack(std::span<unsigned char> bytes, const Atom& trak, std::uint64_t limit)
{
    forEachChild(bytes, trak, [&](const Atom& child) {
        if (child.type == fourCC("tkhd")) {
            if (const auto wide = isWide(bytes, child, 24, 36))
                shorten(&bytes[child.body + (*wide ? 28 : 20)], *wide, limit);
        } else if (child.type == fourCC("edts")) {
            forEachChild(bytes, child, [&](const Atom& edit) {
                if (edit.type == fourCC("elst"))
                    trimEdits(bytes, edit, limit);
            });
        }
    });
}

} // namespace

bool pmTrimMovieAtom(std::span<unsigned char> moov, double seconds)
{
    const auto movie = atomAt(moov, 0, moov.size());
    if (!movie || movie->type != fourCC("moov") || !(seconds >= 0))
        return false;
    std::optional<std::uint64_t> limit;
    forEachChild(moov, *movie, [&](const Atom& child) {
        if (child.type != fourCC("mvhd") || limit)
            return;
        const auto wide = isWide(moov, child, 20, 32);
        if (!wide)
            return;
        const std::uint32_t timeScale = readBE32(&moov[child.body + (*wide ? 20 : 12)]);
        const double units = std::round(seconds * timeScale);
        if (timeScale == 0 || !(units < 9.0e18))
            return;
        limit = static_cast<std::uint64_t>(units);
        shorten(&moov[child.body + (*wide ? 24 : 16)], *wide, *limit);
    });
    if (!limit)
        return false;
    forEachChild(moov, *movie, [&](const Atom& child) {
        if (child.type == fourCC("trak"))
            trimTrack(moov, child, *limit);
    });
    return true;
}

bool pmTrimMovieEnd(const std::string& path, double seconds)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool done = false;
    if (::fstat(fd, &st) == 0) {
        const auto size = static_cast<std::uint64_t>(st.st_size);
        unsigned char header[16];
        for (std::uint64_t at = 0; at + 8 <= size && !done;) {
            if (::pread(fd, header, sizeof header, static_cast<off_t>(at)) < 8)
                break;
            std::uint64_t length = readBE32(header);
            if (length == 1)
                length = readBE64(header + 8);
            else if (length == 0)
                length = size - at;
            if (length < 8 || length > size - at)
                break;
            if (readBE32(header + 4) == fourCC("moov")) {
                if (length > kMaxMovieAtom)
                    break;
                std::vector<unsigned char> moov(static_cast<size_t>(length));
                const auto offset = static_cast<off_t>(at);
                done = ::pread(fd, moov.data(), moov.size(), offset) == static_cast<ssize_t>(moov.size())
                    && pmTrimMovieAtom(moov, seconds)
                    && ::pwrite(fd, moov.data(), moov.size(), offset) == static_cast<ssize_t>(moov.size());
                break;
            }
            at += length;
        }
    }
    return ::close(fd) == 0 && done;
}
