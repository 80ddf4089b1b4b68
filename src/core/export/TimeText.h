#pragma once
// The texts of a moment in exported files: ISO 8601 in UTC for the programs that read them, and
// the local wall-clock time of the user's time zone beside it.

#include <cstdint>
#include <string>

// "YYYY-MM-DDThh:mm:ssZ", or with ".mmm" before the Z when the moment has milliseconds.
void pmAppendUtcText(std::string& out, std::int64_t millis);
// "YYYY-MM-DD hh:mm:ss" in the local time zone, daylight-saving time included.
void pmAppendLocalText(std::string& out, std::int64_t millis);
