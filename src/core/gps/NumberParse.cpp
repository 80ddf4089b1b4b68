#include "gps/NumberParse.h"

#include <charconv>
#include <cmath>
#include <cstdint>

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
    // Most fields are short plain decimals ("2503.6319"): with at most 15 digits the digits
    // and the power of ten are exact doubles, so one division rounds exactly as a full
    // conversion would. Anything else takes the full conversion.
    const bool negative = !text.empty() && text[0] == '-';
    std::int64_t digits = 0;
    int count = 0;
    int decimals = -1;
    size_t i = negative ? 1 : 0;
    for (; i < text.size() && count <= 15; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + (c - '0');
            ++count;
            decimals += decimals >= 0;
        } else if (c == '.' && decimals < 0) {
            decimals = 0;
        } else {
            break;
        }
    }
    if (count > 0 && count <= 15) {
        static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        const double value = static_cast<double>(digits) / kPowers[decimals > 0 ? decimals : 0];
        return negative ? -value : value;
    }
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return ec == std::errc() && std::isfinite(value) ? value : 0;
}
