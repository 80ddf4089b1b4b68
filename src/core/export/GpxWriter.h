#pragma once
// The track as GPX 1.1, for other mapping tools: one track point per second of video with a
// position of its own or carried over, elevation where known. Samples without any position
// are left out (a point at 0, 0 would put the car in the Gulf of Guinea).

#include <string>
#include <string_view>

class GpsList;

// False, writing nothing, when the track holds no position or the file cannot be written.
bool pmWriteGpx(const std::string& path, const GpsList& list, std::string_view name);
// Text with &, <, >, " and ' escaped for XML content and attributes.
std::string pmXmlEscape(std::string_view text);
