#pragma once
// Finds one top-level chunk of an AVI file the way the camera's reader does: list, junk and
// index chunks are skipped by their sizes; after the index, unknown data is stepped through
// four bytes at a time, so a reader can pass over the other track chunk to its own.

#include "gps/ByteWindow.h"

#include <cstdint>

enum class AviWalkResult {
    Found,   // the chunk: its data offset and the size that can be read
    Stopped, // an unexpected structure before the index (not a RIFF AVI, unknown chunk)
    Failed,  // empty file, end of file, a "GSEA" chunk or a negative size to skip
};

struct AviChunk {
    std::uint64_t offset = 0;
    std::uint64_t size = 0; // the declared size, cut at the end of the file; 0 when negative
};

// Four characters, first character in the high byte, as they stand in the file.
constexpr std::uint32_t aviChunkId(const char (&s)[5])
{
    return (std::uint32_t(std::uint8_t(s[0])) << 24) | (std::uint32_t(std::uint8_t(s[1])) << 16) |
           (std::uint32_t(std::uint8_t(s[2])) << 8) | std::uint32_t(std::uint8_t(s[3]));
}

AviWalkResult pmFindAviChunk(ByteWindow& window, std::uint32_t chunkId, AviChunk& chunk);
