#include "gps/NumberParse.h"

#include <charconv>
#include <cmath>

namespace {

// Leading blanks and a plus sign, which from_chars does not take.
std::string_view trimLead(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i < text.size() && text[i] == '+' && i + 1 < text.size() && text[i + 1] != '-')
        ++i;
    return text.substr(i);
}

} // namespace

long pmIntValue(std::string_view text)
{
    text = trimLead(text);
    long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() ? value : 0;
}

double pmDecimalValue(std::string_view text)
{
    text = trimLead(text);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return ec == std::errc() && std::isfinite(value) ? value : 0;
}
