#pragma once
// Text helpers shared by the views and the print sheet.

#include <string>
#include <string_view>

// Texts longer than 23 characters become their first 23 characters and "...".
// Characters are counted as UTF-8 code points, so a name is never cut inside a character.
std::string pmShortenText(std::string_view text);

std::string pmReverseString(std::string_view text);
std::string pmToUpper(std::string_view text);
std::string pmToLower(std::string_view text);
