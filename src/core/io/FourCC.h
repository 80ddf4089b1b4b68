#pragma once
// Four-character codes (atom types, RIFF chunk ids) as integers, first character in the high
// byte, so they compare with one instruction.

#include <cstdint>

constexpr std::uint32_t fourCC(const char (&s)[5])
{
    return (std::uint32_t(std::uint8_t(s[0])) << 24) | (std::uint32_t(std::uint8_t(s[1])) << 16) |
           (std::uint32_t(std::uint8_t(s[2])) << 8) | std::uint32_t(std::uint8_t(s[3]));
}

// The code of four bytes with ASCII letters upper-cased: containers compare types without case.
constexpr std::uint32_t upperFourCC(const unsigned char* p)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        unsigned char c = p[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<unsigned char>(c - 'a' + 'A');
        v = (v << 8) | c;
    }
    return v;
}
