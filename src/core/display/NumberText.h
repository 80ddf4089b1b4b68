#pragma once
// Numbers as text with a point for the decimal separator whatever the process locale (the
// application switches to the user's locale), for the panels and for the files written.

#include <string>

// "%.<decimals>f"
void pmAppendFixed(std::string& out, double value, int decimals);
std::string pmFixedText(double value, int decimals);
// "%d", or "%0<width>d" with zeros on the left.
void pmAppendInt(std::string& out, long long value, int width = 0);
// Truncates toward zero into an int, saturating; NaN gives 0.
int pmTruncToInt(double value);
