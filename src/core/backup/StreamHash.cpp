#include "backup/StreamHash.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9ull;
constexpr std::uint64_t kPrime4 = 0x85EBCA77C2B2AE63ull;
constexpr std::uint64_t kPrime5 = 0x27D4EB2F165667C5ull;

constexpr std::uint64_t rotl(std::uint64_t x, int r)
{
    return (x << r) | (x >> (64 - r));
}

// Little-endian loads, as the algorithm defines them (the targets are little-endian).
std::uint64_t load64(const unsigned char* p)
{
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

std::uint32_t load32(const unsigned char* p)
{
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

std::uint64_t round(std::uint64_t lane, std::uint64_t input)
{
    lane += input * kPrime2;
    return rotl(lane, 31) * kPrime1;
}

std::uint64_t mergeRound(std::uint64_t hash, std::uint64_t lane)
{
    hash ^= round(0, lane);
    return hash * kPrime1 + kPrime4;
}

void stripe(std::uint64_t* lanes, const unsigned char* p)
{
    for (int i = 0; i < 4; ++i)
        lanes[i] = round(lanes[i], load64(p + 8 * i));
}

} // namespace

StreamHash::StreamHash() : mLanes{kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1} {}

void StreamHash::update(const void* data, std::size_t size)
{
    const auto* p = static_cast<const unsigned char*>(data);
    mLength += size;
    if (mPendingSize > 0) {
        const std::size_t take = std::min(size, sizeof mPending - mPendingSize);
        std::memcpy(mPending + mPendingSize, p, take);
        mPendingSize += take;
        p += take;
        size -= take;
        if (mPendingSize < sizeof mPending)
            return;
        stripe(mLanes, mPending);
        mPendingSize = 0;
    }
    for (; size >= 32; p += 32, size -= 32)
        stripe(mLanes, p);
    std::memcpy(mPending, p, size);
    mPendingSize = size;
}

std::uint64_t StreamHash::digest() const
{
    std::uint64_t hash;
    if (mLength >= 32) {
        hash = rotl(mLanes[0], 1) + rotl(mLanes[1], 7) + rotl(mLanes[2], 12) + rotl(mLanes[3], 18);
        for (std::uint64_t lane : mLanes)
            hash = mergeRound(hash, lane);
    } else {
        hash = kPrime5;
    }
    hash += mLength;
    const unsigned char* p = mPending;
    std::size_t left = mPendingSize;
    for (; left >= 8; p += 8, left -= 8)
        hash = rotl(hash ^ round(0, load64(p)), 27) * kPrime1 + kPrime4;
    if (left >= 4) {
        hash = rotl(hash ^ (std::uint64_t(load32(p)) * kPrime1), 23) * kPrime2 + kPrime3;
        p += 4;
        left -= 4;
    }
    for (; left > 0; ++p, --left)
        hash = rotl(hash ^ (*p * kPrime5), 11) * kPrime1;
    hash ^= hash >> 33;
    hash *= kPrime2;
    hash ^= hash >> 29;
    hash *= kPrime3;
    hash ^= hash >> 32;
    return hash;
}
