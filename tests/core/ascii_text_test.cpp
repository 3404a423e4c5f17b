#include <gtest/gtest.h>

#include "core/ascii_text.h"

namespace korva {
namespace {

TEST(AsciiText, OnlyAsciiLettersChangeCase) {
    // The neighbours of 'A'..'Z' and 'a'..'z', and Latin-1 capitals, stay.
    EXPECT_EQ(lowerAscii("AZaz@[`{\xC9"), "azaz@[`{\xC9");
    EXPECT_TRUE(startsWithNoCase("USER07", "user"));
    EXPECT_FALSE(startsWithNoCase("us", "user"));
    EXPECT_FALSE(startsWithNoCase("\xC9t\xE9", "\xE9"));
}

TEST(AsciiText, NamesCompareByteWiseWithoutCase) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"apple", "APPLE", 0},
        {"Apple", "apples", -1},        // a prefix sorts first
        {"zebra", "\xE9" "clair", -1}, // Latin-1 after every ASCII letter
        {"[", "A", -1},                 // folded to lower case, not upper
    };
    auto sign = [](int r) { return (r > 0) - (r < 0); };
    for (const Case& c : cases) {
        EXPECT_EQ(sign(compareNamesNoCase(c.a, c.b)), c.sign) << c.a << " / " << c.b;
        EXPECT_EQ(sign(compareNamesNoCase(c.b, c.a)), -c.sign) << c.b << " / " << c.a;
    }
}

} // namespace
} // namespace korva
