#pragma once
// A recording's length from its container headers alone: the movie header of MOV/MP4, the
// main header of AVI (frames times microseconds per frame).

#include <optional>
#include <string>

class ByteSource;

std::optional<double> pmGetMediaDuration(const std::string& path);
std::optional<double> movDuration(ByteSource& source);
std::optional<double> aviDuration(ByteSource& source);
