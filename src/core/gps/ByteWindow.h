#pragma once
// Buffered reads through a ByteSource: the track readers step through chunk data a few bytes
// at a time, which must not cost one system call per step.

#include "io/ByteSource.h"

#include <cstdint>
#include <vector>

class ByteWindow {
public:
    explicit ByteWindow(ByteSource& source, size_t windowSize = 64 * 1024)
        : mSource(source), mBuffer(windowSize) {}

    // count bytes at offset (count <= window size), or null when the source ends before them.
    const unsigned char* at(std::uint64_t offset, size_t count);
    std::uint64_t size() const { return mSource.size(); }

private:
    ByteSource& mSource;
    std::vector<unsigned char> mBuffer;
    std::uint64_t mStart = 0;
    size_t mFilled = 0;
};
