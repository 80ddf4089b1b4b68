#pragma once
// A 64-bit hash of a byte stream fed in pieces of any size: XXH64 with seed 0, so a copy's
// hash can be checked by hand with `xxhsum -H1`. Fast enough to run inside the copy loop
// without slowing it, and it keeps 32 bytes of state whatever the stream's length.

#include <cstddef>
#include <cstdint>

class StreamHash {
public:
    StreamHash();

    void update(const void* data, std::size_t size);
    // The hash of everything fed so far; more may be fed afterwards.
    std::uint64_t digest() const;
    std::uint64_t length() const { return mLength; }

private:
    std::uint64_t mLanes[4];
    unsigned char mPending[32];
    std::size_t mPendingSize = 0;
    std::uint64_t mLength = 0;
};
