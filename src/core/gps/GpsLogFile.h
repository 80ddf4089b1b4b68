#pragma once
// Where a recording's NMEA log lies: beside it under its own name or the shared "N" name of
// a front/rear pair, in an "NMEA" folder next to the recording's folder, or as NAME.EXT.txt.

#include <optional>
#include <string>

std::optional<std::string> pmGetGpsLogFile(const std::string& videoPath);
