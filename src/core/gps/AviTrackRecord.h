#pragma once
// The records of the track chunks that cameras store inside AVI recordings: "SLLT" holds
// 28-byte position records, "SGLT" 20-byte G-sensor records, numbers big-endian.

#include <cstdint>

inline constexpr std::uint32_t kAviPositionRecordSize = 28;
inline constexpr std::uint32_t kAviSensorRecordSize = 20;

struct AviPositionRecord {
    float latitude = 0;
    float longitude = 0;
    float speed = 0; // km/h
};

struct AviSensorRecord {
    float x = 0;
    float y = 0;
    float z = 0;
};

// Whole degrees (signed 16-bit) and a fraction in 1e-8 degree that takes the whole's sign.
float pmDecodeAviCoordinate(const unsigned char* p);
// A sign-and-whole byte (bit 7 sign, bits 0-5 a 6-bit two's-complement whole) and a signed
// 32-bit fraction in 1e-5 G.
float pmDecodeAviGValue(const unsigned char* p);

AviPositionRecord pmDecodeAviPositionRecord(const unsigned char* record);
AviSensorRecord pmDecodeAviSensorRecord(const unsigned char* record);
