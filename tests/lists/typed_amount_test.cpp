#include <gtest/gtest.h>

#include "lists/food_list.h"
#include "lists/typed_amount.h"
#include "tests/lists/list_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

TEST(TypedAmount, UnitWordsFirstMatchWins) {
    struct Case {
        const char* text;
        float value;
        std::uint16_t unit;
        bool named;
    };
    const Case cases[] = {
        {"2 Servings", 2, kUnitServings, true},
        {"150 CALORIES", 150, kUnitCalories, true},
        {"84 grm", 84, kUnitGrams, true},
        {"84GM", 84, kUnitGrams, true},
        {"+2.5serv", 2.5f, kUnitServings, true}, // a decimal point whatever the locale
        // "serv" is looked for before "cal": a text naming both is servings.
        {"2 serv of 100 cal", 2, kUnitServings, true},
        // A lone letter decides as well, wherever it stands.
        {"120 g", 120, kUnitGrams, true},
        {"3 s", 3, kUnitServings, true},
        {"2 cups", 2, kUnitCalories, true},
        {"2 tbsp", 2, kUnitServings, true},
        {"3 OZ", 84, kUnitGrams, true},
        {"  7", 7, kUnitCalories, false},
        {"7 lb", 7, kUnitCalories, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::optional<TypedAmount> a = parseTypedAmount(c.text, kUnitCalories);
        ASSERT_TRUE(a);
        EXPECT_FLOAT_EQ(a->value, c.value);
        EXPECT_EQ(a->unit, c.unit);
        EXPECT_EQ(a->unitNamed, c.named);
    }
}

TEST(TypedAmount, OnlyNumbersWithinBoundsAsTypedAreTaken) {
    for (const char* t : {"0.1", "10000", "1e4", "1000 oz"}) EXPECT_TRUE(parseTypedAmount(t, kUnitGrams)) << t;
    for (const char* t :
         {"0.099", "10000.5", "-5", "", "   ", "serv", "two servings", "nan", "inf", ".", "1e99", "s 2"})
        EXPECT_FALSE(parseTypedAmount(t, kUnitGrams)) << t;
}

class EnterTypedAmount : public test::ScriptedTest {
protected:
    test::ListTree tree{{test::food(2001, 5, "Buttermilk", 200, {50}), test::food(2002, 6, "Water", 240, {0})}};
    FoodList list{&tree.db};
};

TEST_F(EnterTypedAmount, NamedUnitBecomesTheItemsAndTheViewsAndABareNumberTakesTheViews) {
    ASSERT_TRUE(list.addFood(tree.entry(2001), kUnitServings));
    std::uint16_t viewUnit = kUnitServings;
    ASSERT_TRUE(list.enterTypedAmount("3 oz", viewUnit, platform));
    EXPECT_EQ(viewUnit, kUnitGrams);
    EXPECT_EQ(list.current()->entryUnit(), kUnitGrams);
    EXPECT_EQ(list.currentAmountText(kUnitGrams), "  84.0 grams");
    EXPECT_NEAR(list.totals().value(0), 42.0f, 1e-4);

    viewUnit = kUnitCalories;
    ASSERT_TRUE(list.enterTypedAmount("250", viewUnit, platform));
    EXPECT_FLOAT_EQ(list.current()->servings(), 2.5f);
    EXPECT_EQ(viewUnit, kUnitCalories);

    // A new view has no entry unit: the number leaves the amount alone.
    std::uint16_t noUnit = kUnitFoodUnits;
    ASSERT_TRUE(list.enterTypedAmount("7", noUnit, platform));
    EXPECT_FLOAT_EQ(list.current()->servings(), 2.5f);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(EnterTypedAmount, BadAmountShowsTheMessageAndChangesNothing) {
    std::uint16_t viewUnit = kUnitServings;
    EXPECT_FALSE(list.enterTypedAmount("2 serv", viewUnit, platform)); // no item: silently nothing
    EXPECT_TRUE(platform.messages.empty());

    ASSERT_TRUE(list.addFood(tree.entry(2002), kUnitServings));
    const std::uint64_t before = list.revision();
    for (const char* t : {"0.05", "20000 g", "lots", "100 cal"}) // water has no calories to count
        EXPECT_FALSE(list.enterTypedAmount(t, viewUnit, platform)) << t;
    ASSERT_EQ(platform.messages.size(), 4u);
    for (const auto& m : platform.messages) {
        EXPECT_EQ(m.text, " ERROR - food item amount out of bounds");
        EXPECT_EQ(m.caption, "ERROR MESSAGE");
        EXPECT_EQ(m.buttons, MsgButtons::ok);
    }
    EXPECT_FLOAT_EQ(list.current()->servings(), 1.0f);
    EXPECT_EQ(viewUnit, kUnitServings);
    EXPECT_EQ(list.revision(), before);
}

} // namespace
} // namespace korva
