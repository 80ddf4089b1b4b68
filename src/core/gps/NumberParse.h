#pragma once
// Leading-number conversions of text fields, in the manner of atoi and atof but without
// locale, allocation or undefined results: a field that does not start with a finite
// number reads as 0.

#include <string_view>

long pmIntValue(std::string_view text);
double pmDecimalValue(std::string_view text);
