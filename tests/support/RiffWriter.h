#pragma once
// Builds RIFF AVI bytes for the track readers: a file head, list/junk/index chunks, and the
// "SLLT" position and "SGLT" G-sensor chunks with records encoded as cameras write them.

#include <cstdint>
#include <string>
#include <vector>

struct TrackPosition {
    double latitude = 0;
    double longitude = 0;
    int speedKmh = 0;
};

struct TrackGValue {
    double x = 0;
    double y = 0;
    double z = 0;
};

class RiffWriter {
public:
    // "RIFF", a size fixed up by bytes(), and the form type.
    explicit RiffWriter(const std::string& form = "AVI ");

    RiffWriter& chunk(const std::string& id, const std::string& payload);
    // A chunk whose declared size differs from its payload (damaged or hostile files).
    RiffWriter& chunkWithSize(const std::string& id, std::int32_t declaredSize, const std::string& payload);
    RiffWriter& raw(const std::string& bytes);
    RiffWriter& positions(const std::vector<TrackPosition>& records);
    RiffWriter& gValues(const std::vector<TrackGValue>& records);

    std::string bytes() const;

    // Whole "SLLT" and "SGLT" chunks, header included.
    static std::string positionChunk(const std::vector<TrackPosition>& records);
    static std::string gValueChunk(const std::vector<TrackGValue>& records);
    static std::string positionRecord(const TrackPosition& position);
    static std::string gValueRecord(const TrackGValue& g);
    // The 5-byte G value: sign-and-whole byte, then a big-endian fraction in 1e-5 G.
    static std::string gValueBytes(double value);
    // The 6-byte coordinate: big-endian whole degrees and fraction in 1e-8 degree.
    static std::string coordinateBytes(double value);
    static std::string le32(std::uint32_t value);
    static std::string be32(std::uint32_t value);

    // Appends track chunks to an existing AVI file after its index and fixes the RIFF size.
    static bool appendToFile(const std::string& path, const std::string& chunks);

private:
    std::string mBytes;
};
