#pragma once
// Reads MOV/MP4 atom headers through a ByteSource. Inside a container atom that holds only
// metadata (the movie atom) it reads a window at once, so a whole track's headers cost one
// read; elsewhere it reads just the header bytes, so the media data is never touched.

#include "io/ByteSource.h"
#include "io/FourCC.h"

#include <array>
#include <cstdint>
#include <optional>

struct AtomHeader {
    std::uint32_t type = 0;     // four characters, upper-cased, first character in the high byte
    std::uint64_t size = 0;     // whole atom, header included
    std::uint32_t headerSize = 0; // 8, or 16 with a 64-bit size
};

class AtomReader {
public:
    explicit AtomReader(ByteSource& source) : mSource(source) {}

    // Allows window reads up to this offset (the end of the metadata atom being walked).
    void setPrefetchLimit(std::uint64_t end) { mPrefetchLimit = end; }

    std::optional<AtomHeader> readHeader(std::uint64_t offset);
    bool read(std::uint64_t offset, void* out, size_t count);

private:
    static constexpr size_t kWindow = 1024;

    ByteSource& mSource;
    std::array<unsigned char, kWindow> mWindow{};
    std::uint64_t mWindowStart = 0;
    size_t mWindowSize = 0;
    std::uint64_t mPrefetchLimit = 0;
};
