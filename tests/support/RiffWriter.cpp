#include "RiffWriter.h"

#include <cmath>
#include <fstream>

RiffWriter::RiffWriter(const std::string& form) : mBytes("RIFF" + le32(0) + form) {}

std::string RiffWriter::le32(std::uint32_t v)
{
    return {char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff), char((v >> 24) & 0xff)};
}

std::string RiffWriter::be32(std::uint32_t v)
{
    return {char((v >> 24) & 0xff), char((v >> 16) & 0xff), char((v >> 8) & 0xff), char(v & 0xff)};
}

RiffWriter& RiffWriter::chunk(const std::string& id, const std::string& payload)
{
    return chunkWithSize(id, static_cast<std::int32_t>(payload.size()), payload);
}

RiffWriter& RiffWriter::chunkWithSize(const std::string& id, std::int32_t declaredSize, const std::string& payload)
{
    mBytes += id + le32(static_cast<std::uint32_t>(declaredSize)) + payload;
    return *this;
}

RiffWriter& RiffWriter::raw(const std::string& bytes)
{
    mBytes += bytes;
    return *this;
}

std::string RiffWriter::coordinateBytes(double value)
{
    const double whole = std::trunc(value);
    const auto fraction = static_cast<std::uint32_t>(std::llround(std::fabs(value - whole) * 100000000.0));
    const auto degrees = static_cast<std::uint16_t>(static_cast<std::int16_t>(whole));
    return std::string{char(degrees >> 8), char(degrees & 0xff)} + be32(fraction);
}

std::string RiffWriter::gValueBytes(double value)
{
    const double magnitude = std::fabs(value);
    const int whole = static_cast<int>(magnitude) & 0x1f;
    const auto fraction = static_cast<std::int32_t>(std::llround((magnitude - std::trunc(magnitude)) * 100000.0));
    const char head = static_cast<char>((value < 0 ? 0x80 : 0) | whole);
    return head + be32(static_cast<std::uint32_t>(fraction));
}

std::string RiffWriter::positionRecord(const TrackPosition& p)
{
    const auto speed = static_cast<std::uint16_t>(p.speedKmh);
    return std::string(5, '\0') + coordinateBytes(p.longitude) + coordinateBytes(p.latitude) + std::string(2, '\0') +
           std::string{char(speed >> 8), char(speed & 0xff)} + std::string(7, '\0');
}

std::string RiffWriter::gValueRecord(const TrackGValue& g)
{
    return std::string(5, '\0') + gValueBytes(g.x) + gValueBytes(g.y) + gValueBytes(g.z);
}

std::string RiffWriter::positionChunk(const std::vector<TrackPosition>& records)
{
    std::string payload;
    for (const TrackPosition& p : records)
        payload += positionRecord(p);
    return "SLLT" + le32(static_cast<std::uint32_t>(payload.size())) + payload;
}

std::string RiffWriter::gValueChunk(const std::vector<TrackGValue>& records)
{
    std::string payload;
    for (const TrackGValue& g : records)
        payload += gValueRecord(g);
    return "SGLT" + le32(static_cast<std::uint32_t>(payload.size())) + payload;
}

RiffWriter& RiffWriter::positions(const std::vector<TrackPosition>& records)
{
    return raw(positionChunk(records));
}

RiffWriter& RiffWriter::gValues(const std::vector<TrackGValue>& records)
{
    return raw(gValueChunk(records));
}

std::string RiffWriter::bytes() const
{
    std::string out = mBytes;
    out.replace(4, 4, le32(static_cast<std::uint32_t>(out.size() - 8)));
    return out;
}

bool RiffWriter::appendToFile(const std::string& path, const std::string& chunks)
{
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary | std::ios::ate);
    if (!file)
        return false;
    const auto size = static_cast<std::uint32_t>(file.tellp());
    file.write(chunks.data(), static_cast<std::streamsize>(chunks.size()));
    file.seekp(4);
    const std::string riffSize = le32(size + static_cast<std::uint32_t>(chunks.size()) - 8);
    file.write(riffSize.data(), 4);
    return static_cast<bool>(file);
}
