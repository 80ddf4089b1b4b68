#include "gps/NumberParse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

TEST(NumberParseTest, LeadingNumbersLikeTheCLibrary)
{
    for (const char* text : {"2503.6319", "12138.7374", "-0.25", "5.", ".5", "0000012.5000", "+3.5", "  7",
                             "10.0*4A", "123456789012345", "1234567890.123456789", "0.1", "999999.999999"}) {
        EXPECT_EQ(pmDecimalValue(text), std::strtod(text, nullptr)) << text;
    }
    // Random short decimals, as the logs hold them: the quick path must round like strtod.
    unsigned seed = 7;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245 + 12345;
        char text[32];
        std::snprintf(text, sizeof text, "%u.%0*u", seed >> 20, 1 + static_cast<int>(seed % 9), seed % 1000000000);
        ASSERT_EQ(pmDecimalValue(text), std::strtod(text, nullptr)) << text;
    }
    for (const char* text : {"", "-", ".", "abc", "nan", "inf", "1e400"})
        EXPECT_TRUE(std::isfinite(pmDecimalValue(text))) << text;
    EXPECT_EQ(pmDecimalValue("1e3"), 1) << "no exponents in these fields";
    EXPECT_EQ(pmIntValue("25"), 25);
    EXPECT_EQ(pmIntValue("2x"), 2);
    EXPECT_EQ(pmIntValue("x"), 0);
}
