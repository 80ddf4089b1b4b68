#pragma once
// The time scale and duration of a movie header atom, version 0 (32-bit) or 1 (64-bit).

#include "library/AtomReader.h"

#include <optional>

struct MovieHeader {
    std::uint32_t timeScale = 0;
    std::uint64_t duration = 0;

    // Seconds, or none when the time scale is 0.
    std::optional<double> seconds() const
    {
        if (timeScale == 0)
            return std::nullopt;
        return static_cast<double>(duration) / timeScale;
    }
};

// Reads the movie header whose atom starts at offset.
std::optional<MovieHeader> readMovieHeader(AtomReader& reader, std::uint64_t offset, const AtomHeader& header);
