#include <gtest/gtest.h>

#include "core/platform.h"
#include "daily/log_date.h"

namespace korva {
namespace {

TEST(LogDateTest, ParsesTypedDatesOrKeepsThePreviousOne) {
    struct Case {
        const char* text;
        bool ok;
        const char* result; // the slashed date afterwards
    };
    // A missing year keeps the old one; there is no 2/29/97 but a 2/29/00;
    // four digits are taken within 1970..2069; nothing typed changes nothing.
    const Case cases[] = {
        // clang-format off
        {"5/14", true, "05/14/97"},       {"5/14/96", true, "05/14/96"},   {"2/29/97", false, "03/01/97"},
        {"2/29/96", true, "02/29/96"},    {"2/29/00", true, "02/29/00"},   {"12/31/2026", true, "12/31/26"},
        {"1/1/1999", true, "01/01/99"},   {"1/1/2070", false, "03/01/97"}, {"1/1/100", false, "03/01/97"},
        {"13/1/96", false, "03/01/97"},   {"4/31/96", false, "03/01/97"},  {"0/10/96", false, "03/01/97"},
        {"5 -14 96", false, "03/01/97"},  {"99999999999/1/1", false, "03/01/97"}, {"", true, "03/01/97"},
        // clang-format on
    };
    for (const Case& c : cases) {
        LogDate d(3, 1, 97);
        EXPECT_EQ(d.parseDate(c.text), c.ok) << c.text;
        EXPECT_EQ(d.slashed(), c.result) << c.text;
    }
}

TEST(LogDateTest, StepsAcrossMonthsYearsAndTheCentury) {
    struct Case {
        LogDate from;
        int days;
        LogDate to;
    };
    const Case cases[] = {
        // clang-format off
        {{3, 1, 96}, -1, {2, 29, 96}},  {{3, 1, 97}, -1, {2, 28, 97}}, {{3, 3, 97}, -6, {2, 25, 97}},
        {{12, 31, 25}, 1, {1, 1, 26}},  {{1, 1, 26}, -1, {12, 31, 25}}, {{12, 31, 99}, 1, {1, 1, 0}},
        {{1, 1, 0}, -1, {12, 31, 99}},  {{1, 31, 26}, 1, {2, 1, 26}},
        // clang-format on
    };
    for (const Case& c : cases) {
        LogDate d = c.from;
        d.addDays(c.days);
        EXPECT_EQ(d, c.to) << c.from.slashed() << " " << c.days;
    }
    LogDate day31(2, 31, 96);
    day31.clamp();
    EXPECT_EQ(day31, LogDate(2, 29, 96));
}

TEST(LogDateTest, ComparesThroughTheCenturyWindowAndWritesTwoDigitTexts) {
    EXPECT_TRUE(LogDate(1, 1, 0).isAfter(LogDate(12, 31, 99)) && LogDate(6, 1, 26).isAfter(LogDate(5, 31, 26)));
    EXPECT_FALSE(LogDate(5, 1, 26).isAfter(LogDate(5, 1, 26)));
    EXPECT_EQ(LogDate(5, 14, 96).compact(), "051496");
    EXPECT_EQ(LogDate::fromLocal({2005, 3, 7}).slashed(), "03/07/05");

    EXPECT_EQ(asctimeText({1999, 12, 5, 9, 30, 0}), "Sun Dec 05 09:30:00 1999\n");
    EXPECT_EQ(longDateText({2026, 2, 28, 23, 59, 1}), "Sat Feb 28 2026");
}

} // namespace
} // namespace korva
