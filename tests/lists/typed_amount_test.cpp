#include <gtest/gtest.h>

#include "lists/food_item.h"
#include "lists/food_list.h"
#include "lists/typed_amount.h"
#include "tests/lists/list_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

struct Expect {
    const char* text;
    float value;
    std::uint16_t unit;
    bool named;
};

TEST(TypedAmount, UnitWordsFirstMatchWins) {
    const Expect cases[] = {
        {"2 serv", 2, kUnitServings, true},
        {"2 Servings", 2, kUnitServings, true},
        {"150 cal", 150, kUnitCalories, true},
        {"150 CALORIES", 150, kUnitCalories, true},
        {"84 grams", 84, kUnitGrams, true},
        {"84 grm", 84, kUnitGrams, true},
        {"84GM", 84, kUnitGrams, true},
        // "serv" is looked for before "cal": a text naming both is servings.
        {"2 serv of 100 cal", 2, kUnitServings, true},
        // A lone letter decides as well, wherever it stands.
        {"120 c", 120, kUnitCalories, true},
        {"120 g", 120, kUnitGrams, true},
        {"3 s", 3, kUnitServings, true},
        {"2 cups", 2, kUnitCalories, true},
        {"1 ounce", 1, kUnitCalories, true},
        {"2 tbsp", 2, kUnitServings, true},
        {"3 oz", 84, kUnitGrams, true},
        {"3 OZ", 84, kUnitGrams, true},
        {"  7", 7, kUnitCalories, false},
        {"7 lb", 7, kUnitCalories, false},
    };
    for (const Expect& c : cases) {
        std::optional<TypedAmount> a = parseTypedAmount(c.text, kUnitCalories);
        ASSERT_TRUE(a) << c.text;
        EXPECT_FLOAT_EQ(a->value, c.value) << c.text;
        EXPECT_EQ(a->unit, c.unit) << c.text;
        EXPECT_EQ(a->unitNamed, c.named) << c.text;
    }
}

TEST(TypedAmount, BoundsHoldForTheNumberAsTyped) {
    EXPECT_TRUE(parseTypedAmount("0.1", kUnitServings));
    EXPECT_TRUE(parseTypedAmount("10000", kUnitGrams));
    EXPECT_TRUE(parseTypedAmount("1e4", kUnitGrams));
    EXPECT_FALSE(parseTypedAmount("0.05", kUnitServings));
    EXPECT_FALSE(parseTypedAmount("0.099", kUnitServings));
    EXPECT_FALSE(parseTypedAmount("10000.5", kUnitGrams));
    EXPECT_FALSE(parseTypedAmount("20000", kUnitGrams));
    EXPECT_FALSE(parseTypedAmount("-5", kUnitGrams));
    // Ounces are checked before they become grams.
    std::optional<TypedAmount> big = parseTypedAmount("1000 oz", kUnitServings);
    ASSERT_TRUE(big);
    EXPECT_FLOAT_EQ(big->value, 28000.0f);
}

TEST(TypedAmount, TextWithoutALeadingNumberIsRefused) {
    for (const char* t : {"", "   ", "serv", "two servings", "nan", "inf", ".", "1e99", "s 2"})
        EXPECT_FALSE(parseTypedAmount(t, kUnitServings)) << t;
}

TEST(TypedAmount, ReadWithADecimalPointWhateverTheLocale) {
    std::optional<TypedAmount> a = parseTypedAmount("+2.5serv", kUnitGrams);
    ASSERT_TRUE(a);
    EXPECT_FLOAT_EQ(a->value, 2.5f);
}

class EnterTypedAmount : public ::testing::Test {
protected:
    test::ListTree tree{{test::food(2001, 5, "Buttermilk", 200, {50})}};
    test::ScriptedPlatform platform;
    FoodList list{&tree.db};
};

TEST_F(EnterTypedAmount, NamedUnitBecomesTheItemsAndTheViews) {
    ASSERT_TRUE(list.addFood(tree.entry(2001), kUnitServings));
    std::uint16_t viewUnit = kUnitServings;
    ASSERT_TRUE(list.enterTypedAmount("3 oz", viewUnit, platform));
    EXPECT_EQ(viewUnit, kUnitGrams);
    EXPECT_EQ(list.current()->entryUnit(), kUnitGrams);
    EXPECT_EQ(list.currentAmountText(kUnitGrams), "  84.0 grams");
    EXPECT_NEAR(list.totals().value(0), 42.0f, 1e-4);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(EnterTypedAmount, BareNumberTakesTheViewsUnit) {
    ASSERT_TRUE(list.addFood(tree.entry(2001), kUnitServings));
    std::uint16_t viewUnit = kUnitCalories;
    ASSERT_TRUE(list.enterTypedAmount("250", viewUnit, platform));
    EXPECT_FLOAT_EQ(list.current()->servings(), 2.5f);
    EXPECT_EQ(viewUnit, kUnitCalories);

    // A new view has no entry unit: the number leaves the amount alone.
    std::uint16_t noUnit = kUnitFoodUnits;
    ASSERT_TRUE(list.enterTypedAmount("7", noUnit, platform));
    EXPECT_FLOAT_EQ(list.current()->servings(), 2.5f);
}

TEST_F(EnterTypedAmount, BadAmountShowsTheMessageAndChangesNothing) {
    ASSERT_TRUE(list.addFood(tree.entry(2001), kUnitServings));
    const std::uint64_t before = list.revision();
    std::uint16_t viewUnit = kUnitServings;
    for (const char* t : {"0.05", "20000 g", "lots"})
        EXPECT_FALSE(list.enterTypedAmount(t, viewUnit, platform)) << t;
    ASSERT_EQ(platform.messages.size(), 3u);
    for (const auto& m : platform.messages) {
        EXPECT_EQ(m.text, " ERROR - food item amount out of bounds");
        EXPECT_EQ(m.caption, "ERROR MESSAGE");
        EXPECT_EQ(m.buttons, MsgButtons::ok);
    }
    EXPECT_FLOAT_EQ(list.current()->servings(), 1.0f);
    EXPECT_EQ(viewUnit, kUnitServings);
    EXPECT_EQ(list.revision(), before);
}

TEST_F(EnterTypedAmount, CaloriesOfAFoodWithoutCaloriesAreRefused) {
    test::ListTree waterTree{{test::food(2002, 0, "Water", 240, {0})}};
    FoodList water(&waterTree.db);
    ASSERT_TRUE(water.addFood(waterTree.entry(2002), kUnitServings));
    std::uint16_t viewUnit = kUnitServings;
    EXPECT_FALSE(water.enterTypedAmount("100 cal", viewUnit, platform));
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{" ERROR - food item amount out of bounds"});
    EXPECT_FLOAT_EQ(water.current()->servings(), 1.0f);
    EXPECT_EQ(viewUnit, kUnitServings);
}

TEST_F(EnterTypedAmount, NothingHappensOnAnEmptyList) {
    std::uint16_t viewUnit = kUnitServings;
    EXPECT_FALSE(list.enterTypedAmount("2 serv", viewUnit, platform));
    EXPECT_TRUE(platform.messages.empty());
}

} // namespace
} // namespace korva
