#include "util/TextHelpers.h"

#include <algorithm>

namespace {

constexpr size_t kShortTextLength = 23;

bool isContinuationByte(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string pmShortenText(std::string_view text)
{
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (isContinuationByte(static_cast<unsigned char>(text[i])))
            continue;
        if (chars == kShortTextLength)
            return std::string(text.substr(0, i)) + "...";
        ++chars;
    }
    return std::string(text);
}

std::string pmReverseString(std::string_view text)
{
    return std::string(text.rbegin(), text.rend());
}

std::string pmToUpper(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), upper);
    return out;
}

std::string pmToLower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lower);
    return out;
}
