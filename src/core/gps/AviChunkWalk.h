#pragma once
// Finds one top-level chunk of an AVI file the way the camera's reader does: list, junk and
// index chunks are skipped by their sizes; after the index, unknown data is stepped through
// four bytes at a time, so a reader can pass over the other track chunk to its own.

#include "gps/ByteWindow.h"
#include "io/FourCC.h"

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

AviWalkResult pmFindAviChunk(ByteWindow& window, std::uint32_t chunkId, AviChunk& chunk);
