// The options that pick recordings by day and category, shared by the commands that take them.

#include "CliCommand.h"

#include <cstdio>
#include <string>

namespace cli {

bool parseDay(std::string_view text, CalendarDate& day)
{
    char tail = 0;
    return std::sscanf(std::string(text).c_str(), "%4d-%2d-%2d%c", &day.year, &day.month, &day.day, &tail) == 3
        && day.month >= 1 && day.month <= 12 && day.day >= 1 && day.day <= 31;
}

bool parseCategories(std::string_view list, std::array<bool, kVideoTypeCount>& shown)
{
    shown.fill(false);
    while (!list.empty()) {
        size_t comma = list.find(',');
        std::string_view word = list.substr(0, comma);
        bool known = false;
        for (int code = 0; code < kVideoTypeCount; ++code)
            if (word == pmVideoTypeName(code))
                known = shown[static_cast<size_t>(code)] = true;
        if (!known)
            return false;
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return true;
}

} // namespace cli
