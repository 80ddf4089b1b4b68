#pragma once
// Random-access reads from a file or from memory. The container checks and the track readers
// read a few bytes at chosen offsets through this, so the fuzzers can feed them memory.

#include <cstddef>
#include <cstdint>
#include <string>

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Reads up to count bytes at offset; returns how many were read (0 at or past the end).
    virtual size_t readAt(std::uint64_t offset, void* buffer, size_t count) = 0;

    // Reads exactly count bytes or fails.
    bool readExact(std::uint64_t offset, void* buffer, size_t count)
    {
        return readAt(offset, buffer, count) == count;
    }
};

// A file opened read-only; it is closed with the object.
class FileByteSource final : public ByteSource {
public:
    explicit FileByteSource(const std::string& path);
    // Takes an open descriptor (closed with the object) and the size the caller already knows.
    FileByteSource(int fd, std::uint64_t size) : mFd(fd), mSize(size) {}
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    bool isOpen() const { return mFd >= 0; }
    std::uint64_t size() const override { return mSize; }
    size_t readAt(std::uint64_t offset, void* buffer, size_t count) override;
    // How many reads were made: the scan's budget is counted in reads, not bytes.
    int readCount() const { return mReads; }

private:
    int mFd = -1;
    std::uint64_t mSize = 0;
    int mReads = 0;
};

class MemoryByteSource final : public ByteSource {
public:
    MemoryByteSource(const void* data, size_t size) : mData(static_cast<const unsigned char*>(data)), mSize(size) {}
    std::uint64_t size() const override { return mSize; }
    size_t readAt(std::uint64_t offset, void* buffer, size_t count) override;

private:
    const unsigned char* mData;
    size_t mSize;
};

// Big-endian and little-endian integers from raw bytes.
inline std::uint32_t readBE32(const unsigned char* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}
inline std::uint64_t readBE64(const unsigned char* p)
{
    return (std::uint64_t(readBE32(p)) << 32) | readBE32(p + 4);
}
inline std::uint32_t readLE32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}
