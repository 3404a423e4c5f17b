#include <gtest/gtest.h>

#include "lists/food_item.h"
#include "tools/serving_measure.h"

namespace korva::importer {
namespace {

TEST(ServingAmount, FractionsWhereShortElseDecimals) {
    const std::pair<double, const char*> cases[] = {
        // clang-format off
        {1, "1"},       {3, "3"},          {0.5, "1/2"},  {0.333, "1/3"}, {0.67, "2/3"},   {0.167, "1/6"},
        {1.5, "1 1/2"}, {2.25, "2 1/4"},   {0.125, "1/8"}, {0.6, "0.6"},  {3.527, "3.53"}, {0, nullptr},
        {-1, nullptr},  {20000, nullptr},
        // clang-format on
    };
    for (const auto& [amount, text] : cases) {
        if (text)
            EXPECT_EQ(amountText(amount).value_or("?"), text) << amount;
        else
            EXPECT_FALSE(amountText(amount)) << amount;
    }
}

TEST(MeasureText, OneWayToSayEveryMeasureInTwelveCharacters) {
    struct Case {
        double amount;
        const char* description;
        const char* text;
    };
    const Case cases[] = {
        // clang-format off
        {1, "cup chopped", "1 cup, chop."}, {1, "cup, diced", "1 cup, diced"}, {2, "cup, slices", "2 cups, sl."},
        {1, "cup, chopped or diced", "1 cup, chop."}, {1, "cup (1 NLEA serving)", "1 cup"}, {1, "tablespoon", "1 tbsp"},
        {2, "patty", "2 patties"}, {1, "NLEA serving", "1 serving"}, {1.5, "container (6 oz)", "1 1/2 cont."},
        {1, "small bagel", "1 bagel, sm"}, {1, "slice, medium", "1 slice, med"},
        {1, "breast, bone and skin removed", "1 breast"},
        {1, "piece, cooked, excluding refuse (yield from 1 lb raw meat with refuse)", "1 piece"},
        {1, "3\" piece", "1 piece"}, {1, "6 oz container (6 oz)", "6 oz"}, {1, "6-8 shrimp", "6-8 shrimp"},
        {1, "", nullptr}, {1, "(about 5\" long)", nullptr}, {1, "6-8-9 shrimp", nullptr}, {0, "cup", nullptr},
        // clang-format on
    };
    for (const Case& c : cases) {
        const auto text = measureText(c.amount, c.description);
        if (!c.text) {
            EXPECT_FALSE(text) << c.description;
            continue;
        }
        EXPECT_EQ(text.value_or("?"), c.text) << c.description;
        EXPECT_LE(text.value_or("").size(), kMaxServingText) << c.description;
    }
}

TEST(ServingChoice, APortionBeforeAWholeAndNothingHeavyWhenSomethingLighterExists) {
    struct Case {
        std::vector<SourceMeasure> measures;
        const char* text;
        float grams;
    };
    const Case cases[] = {
        {{{1, 1, "roast rump", 2874}, {2, 1, "serving (3 oz)", 85}}, "1 serving", 85},
        {{{1, 1, "cup chopped", 91}, {2, 1, "bunch", 608}}, "1 cup, chop.", 91},
        {{{1, 1, "head, medium", 908}, {2, 1, "leaf", 15}}, "1 leaf", 15},
        {{{1, 1, "oz", 28.35}, {2, 3, "oz", 85}}, "3 oz", 85},
        {{{1, 1, "unit (yield from 1 lb ready-to-cook chicken)", 146}, {2, 1, "oz", 28.35}}, "1 oz", 28.35f},
        {{{1, 1, "unit (yield from 1 lb ready-to-cook chicken)", 146}, {2, 0.5, "chicken", 299}}, "1 unit", 146},
        {{{1, 1, "cup", 500}}, "1 cup", 500},
        {{{1, 1, "cup", 0}, {2, 1, "tbsp", 14.2}, {3, 1, "slice", 20}}, "1 tbsp", 14.2f},
        {{{1, 1, "(about 5\" long)", 40}}, "100 g", 100},
        {{}, "100 g", 100}};
    for (const Case& c : cases) {
        const Serving s = chooseServing(c.measures);
        EXPECT_EQ(s.text, c.text);
        EXPECT_FLOAT_EQ(s.grams, c.grams) << c.text;
    }
}

TEST(ServingChoice, TheFoodUnitsDisplayReadsBackTheAmount) {
    for (double amount : {1.0, 0.5, 0.25, 0.333, 1.5, 2.0, 4.0, 2.75, 0.6, 3.527}) {
        for (const char* description : {"cup", "cup, chopped", "container"}) {
            const Serving s = chooseServing({{1, amount, description, 100}});
            EXPECT_EQ(s.text.find('"'), std::string::npos);
            EXPECT_NEAR(parseHouseholdMeasure(s.text).quantity, amount, 0.006) << s.text;
        }
    }
}

} // namespace
} // namespace korva::importer
