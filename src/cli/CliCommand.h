#pragma once
// One sub-command of korivmanager-cli. Each command lives in its own file and is listed in
// main.cpp.

#include "library/RecordingName.h"
#include "util/CalendarDate.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

struct CliCommand {
    std::string_view name;
    std::string_view usage; // one line, shown by --help
    int (*run)(std::span<const std::string_view> args);
};

// Shared argument helpers.
namespace cli {
// Reads the value after an option ("--day 2026-01-02"); false when it is missing.
bool takeValue(std::span<const std::string_view> args, size_t& i, std::string_view& value);
// A number of seconds, not negative ("12.5"); false for anything else.
bool parseSeconds(std::string_view text, double& seconds);
int usageError(std::string_view command, std::string_view message);
// "YYYY-MM-DD"; false for anything else.
bool parseDay(std::string_view text, CalendarDate& day);
// A folder that can be listed; otherwise a message (an unmounted card or a mistyped path must
// not look like an empty card to a script) and false.
bool isReadableFolder(std::string_view command, const std::string& folder);
// "normal,event" -> only those categories true; false for an unknown word.
bool parseCategories(std::string_view list, std::array<bool, kVideoTypeCount>& shown);
} // namespace cli
