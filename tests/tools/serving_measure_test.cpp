#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "tools/serving_measure.h"

namespace korva::importer {
namespace {

// How the food-units display reads a household measure back: the number
// before the first letter, a fraction as "whole num/den".
double readBackAmount(const std::string& d) {
    std::string number;
    for (char c : d) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) break;
        if ((c >= '0' && c <= '9') || c == ' ' || c == '-' || c == '.' || c == '/') number.push_back(c);
    }
    const auto slash = number.find('/');
    if (slash == std::string::npos) return std::atof(number.c_str());
    const auto blank = number.find_first_of(" -");
    int whole = 0, num = 0, den = 0;
    std::size_t from = 0;
    if (blank != std::string::npos && blank < slash) {
        whole = std::atoi(number.substr(0, blank).c_str());
        from = blank + 1;
    }
    num = std::atoi(number.substr(from, slash - from).c_str());
    den = std::atoi(number.substr(slash + 1).c_str());
    return den ? whole + double(num) / den : 0;
}

TEST(ServingAmount, WholeNumbersAndSimpleFractionsOnly) {
    const std::pair<double, const char*> cases[] = {
        {1, "1"},     {3, "3"},         {0.5, "1/2"},     {0.333, "1/3"},  {0.667, "2/3"},
        {1.5, "1 1/2"}, {2.25, "2 1/4"}, {0.125, "1/8"},  {0.6, nullptr},  {0, nullptr}, {-1, nullptr},
    };
    for (const auto& [amount, text] : cases) {
        if (text)
            EXPECT_EQ(amountText(amount).value_or("?"), text) << amount;
        else
            EXPECT_FALSE(amountText(amount)) << amount;
    }
}

TEST(ServingUnit, KeepsTheShortPlainWord) {
    const std::pair<const char*, const char*> cases[] = {
        {"cup, chopped", "cup"}, {"large (2-1/4\" dia)", "large"}, {"pat (1\" sq, 1/3\" high)", "pat"},
        {"fl oz", "fl oz"},      {"NLEA serving", "serving"},      {"3\" piece", nullptr},
        {"", nullptr},
    };
    for (const auto& [measure, word] : cases) {
        if (word)
            EXPECT_EQ(unitWord(measure).value_or("?"), word) << measure;
        else
            EXPECT_FALSE(unitWord(measure)) << measure;
    }
}

TEST(ServingChoice, FirstMeasureThatFitsWithItsWeight) {
    std::vector<SourceMeasure> m = {
        {1, 1, "package (10 oz), yields", 0},       // no weight
        {2, 0.6, "cup", 120},                         // no short fraction
        {3, 1, "extraordinarily long measure", 50},   // too long
        {4, 1.5, "cup, sliced", 165},
        {5, 1, "tbsp", 9},
    };
    Serving s = chooseServing(m);
    EXPECT_EQ(s.text, "1 1/2 cups");
    EXPECT_FLOAT_EQ(s.grams, 165.f);
}

TEST(ServingChoice, NoUsableMeasureGivesOneHundredGrams) {
    Serving s = chooseServing({});
    EXPECT_EQ(s.text, "100 g");
    EXPECT_FLOAT_EQ(s.grams, 100.f);
    s = chooseServing({{1, 1, "3\" piece", 40}});
    EXPECT_EQ(s.text, "100 g");
}

TEST(ServingChoice, TextsReadBackToTheirAmount) {
    for (double amount : {1.0, 0.5, 0.25, 0.333, 1.5, 2.0, 4.0, 2.75}) {
        Serving s = chooseServing({{1, amount, "cup", 100}});
        ASSERT_LE(s.text.size(), kMaxServingText);
        EXPECT_EQ(s.text.find('"'), std::string::npos);
        EXPECT_NEAR(readBackAmount(s.text), amount, 0.002) << s.text;
    }
}

} // namespace
} // namespace korva::importer
