#include "display/NumberText.h"

#include <charconv>
#include <climits>
#include <cmath>

void pmAppendFixed(std::string& out, double value, int decimals)
{
    char buffer[400]; // the longest double in fixed notation
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    out.append(buffer, ec == std::errc() ? end : buffer);
}

std::string pmFixedText(double value, int decimals)
{
    std::string text;
    pmAppendFixed(text, value, decimals);
    return text;
}

void pmAppendInt(std::string& out, long long value, int width)
{
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value < 0 ? -value : value);
    const int digits = static_cast<int>(end - buffer);
    if (value < 0)
        out += '-';
    if (width > digits)
        out.append(static_cast<size_t>(width - digits), '0');
    out.append(buffer, end);
}

int pmTruncToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= INT_MAX)
        return INT_MAX;
    if (value <= INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}
