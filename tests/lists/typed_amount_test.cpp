#include <gtest/gtest.h>

#include <climits>

#include "core/short_food.h"
#include "lists/food_list.h"
#include "lists/number_scan.h"
#include "lists/typed_amount.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

TEST(NumberScan, FiniteNumbersOnlyWithWhereTheyEnd) {
    struct Case {
        const char* text;
        std::optional<float> value;
        std::size_t used;
    };
    const Case cases[] = {
        {"2.5", 2.5f, 3},     {"  -1.5e2x", -150.0f, 8},
        {"+.5", 0.5f, 3},     {"2.5.3", 2.5f, 3},
        {"3,5", 3.0f, 1},     {"nan", {}, 0},
        {"inf", {}, 0},       {"-inf", {}, 0},
        {"+infinity", {}, 0}, {"1e999", {}, 0},
        {"-1e39", {}, 0}, // beyond a float
        {"+-5", {}, 0},       {".", {}, 0},
        {"", {}, 0},          {"x1", {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::size_t used = 0;
        EXPECT_EQ(scanFloat(c.text, &used), c.value);
        EXPECT_EQ(used, c.used);
    }
    std::size_t used = 0;
    EXPECT_EQ(scanInt(" 42abc", &used), 42L);
    EXPECT_EQ(used, 3u);
    EXPECT_EQ(scanInt("-99999999999999999999999"), -LONG_MAX); // saturates, never wraps
    EXPECT_EQ(scanInt("+"), std::nullopt);
}

// A food as the amount reader sees it: its measure, weight and calories.
struct Food {
    const char* measure;
    float gramsPerServing;
    float caloriesPer100g;
};
constexpr Food kCup{"1 cup, chop.", 91, 34}, kSlice{"1 slice", 25, 265}, kOunce{"1 oz", 28.35f, 400},
    kSpoon{"1 tbsp", 14, 717}, kGrams{"100 g", 100, 50}, kHalfCup{"1/2 cup", 120, 60}, kFluid{"8 fl oz", 240, 42},
    kSlices{"2 slices", 50, 265};

FoodItem itemOf(const Food& f) {
    ShortFood e;
    e.servingText = f.measure;
    e.gramsPerServing = f.gramsPerServing;
    NutrientRecord r;
    r.setValue(0, f.caloriesPer100g);
    r.setLevel(0, 1);
    FoodItem item;
    item.attach(e, r);
    return item;
}

TEST(TypedAmount, KitchenAmountsAgainstEachMeasure) {
    enum Outcome { taken, outOfBounds, refused };
    struct Case {
        const char* text;
        const Food& food;
        Outcome outcome;
        float servings = 0;
        std::uint16_t unit = kUnitServings;
    };
    const Case cases[] = {
        {"2", kCup, taken, 2}, // no unit: the view's (servings here)
        {"2 cup", kCup, taken, 2},
        {"2 cups", kCup, taken, 2},
        {"1/2", kCup, taken, 0.5f},
        {"1 1/2 cup", kCup, taken, 1.5f},
        {"1-1/2 cups", kCup, taken, 1.5f},
        {"16 tbsp", kCup, taken, 1},
        {"2 fl oz", kCup, taken, 0.25f},
        {"3 tsp", kSpoon, taken, 1},
        {"1 cup", kSpoon, taken, 16},
        {"1 cup", kFluid, taken, 1},
        {"1 cup", kHalfCup, taken, 2},
        {"2 SLICE", kSlice, taken, 2},
        {"3 slice", kSlices, taken, 1.5f},
        {"3 OZ.", kOunce, taken, 84 / 28.35f, kUnitGrams}, // ounces are 28 g, whatever the measure
        {"1 lb", kCup, taken, 453.6f / 91, kUnitGrams},
        {"2 lbs", kGrams, taken, 9.072f, kUnitGrams},
        {"150 cal", kSlice, taken, 150 / 66.25f, kUnitCalories},
        {"62 c", kCup, taken, 62 / 30.94f, kUnitCalories}, // a lone c is still calories
        {"182 gm", kCup, taken, 2, kUnitGrams},
        {"200 g", kGrams, taken, 2, kUnitGrams},
        {"3 s", kSlice, taken, 3},
        {"+2.5serv", kCup, taken, 2.5f},
        {"10000", kCup, taken, 10000},
        {"1 tbsp", kSlice, refused}, // no volume to convert through
        {"1 cup", kGrams, refused},
        {"2.5.3 cup", kCup, refused},
        {"2 cup 3", kCup, refused},
        {"2 pinch", kSlice, refused},
        {"2 serv of 100 cal", kCup, refused},
        {"1/0 cup", kCup, refused},
        {"2 kilograms", kCup, refused},
        {"nan", kCup, outOfBounds},
        {"1/20", kCup, outOfBounds},
        {"-5", kCup, outOfBounds},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " of " << c.food.measure);
        const AmountReading r = readTypedAmount(c.text, kUnitServings, c.food.measure);
        ASSERT_EQ(r.amount.has_value(), c.outcome == taken);
        EXPECT_EQ(r.refusal.find("one of: serv (s), cal (c), gram (g), oz, lb") != std::string::npos,
                  c.outcome == refused);
        if (c.outcome != taken) continue;
        FoodItem item = itemOf(c.food);
        ASSERT_TRUE(item.setAmount(r.amount->value, r.amount->unit));
        EXPECT_NEAR(item.servings(), c.servings, 1e-4 * c.servings);
        EXPECT_EQ(item.entryUnit(), c.unit);
    }

    // The refusal names the units this food understands.
    EXPECT_EQ(readTypedAmount("2 pinch", kUnitServings, kSlice.measure).refusal,
              " ERROR - amount not understood; type one number (2, 1.5, 1/2 or 1 1/2) and one of: "
              "serv (s), cal (c), gram (g), oz, lb, slice");
    EXPECT_EQ(readTypedAmount("1 tbsp", kUnitServings, kSlice.measure).refusal,
              " ERROR - \"tbsp\" is a volume, and this food's serving (1 slice) is not; type one of: "
              "serv (s), cal (c), gram (g), oz, lb, slice");
}

class EnterTypedAmount : public test::ScriptedTest {
protected:
    test::DataTree tree{{test::food(2001, 5, "Buttermilk", 200, {50}),
                         test::food(2003, 5, "Celery", 91, {34}, "1 cup, chop."),
                         test::food(2002, 6, "Water", 240, {0})}};
    FoodList list{&tree.db};
};

TEST_F(EnterTypedAmount, NamedUnitBecomesTheItemsAndTheViewsAndTheStatusSaysWhatWasUnderstood) {
    std::uint16_t viewUnit = kUnitServings;
    EXPECT_FALSE(list.enterTypedAmount("2 serv", viewUnit, platform)); // no item: silently nothing
    ASSERT_TRUE(list.addFood(tree.entry(2001), kUnitServings));
    EXPECT_EQ(list.enterTypedAmount("3  oz", viewUnit, platform), "3 oz = 0.42 servings = 84 g = 42 cal");
    EXPECT_EQ((std::array{viewUnit, list.current()->entryUnit()}),
              (std::array<std::uint16_t, 2>{kUnitGrams, kUnitGrams}));
    EXPECT_NEAR(list.totals().value(0), 42.0f, 1e-4);

    viewUnit = kUnitCalories;
    EXPECT_EQ(list.enterTypedAmount("250", viewUnit, platform), "250 calories = 2.50 servings = 500 g = 250 cal");
    EXPECT_EQ(viewUnit, kUnitCalories);
    ASSERT_TRUE(list.addFood(tree.entry(2003), kUnitServings));
    EXPECT_EQ(list.enterTypedAmount("2 cup", viewUnit, platform), "2 cup = 2.00 servings = 182 g = 62 cal");
    EXPECT_EQ(viewUnit, kUnitServings);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(EnterTypedAmount, BadAmountShowsTheMessageAndChangesNothing) {
    std::uint16_t viewUnit = kUnitServings;
    ASSERT_TRUE(list.addFood(tree.entry(2002), kUnitServings));
    const std::uint64_t before = list.revision();
    for (const char* t : {"0.05", "20000 g", "lots", "100 cal"}) // water has no calories to count
        EXPECT_FALSE(list.enterTypedAmount(t, viewUnit, platform)) << t;
    EXPECT_FALSE(list.enterTypedAmount("nan", viewUnit, platform, " ERROR - ingredient amount out of bounds"));
    EXPECT_FALSE(list.enterTypedAmount("2.5.3 cup", viewUnit, platform, " ERROR - ingredient amount out of bounds"));
    ASSERT_EQ(platform.messages.size(), 6u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(platform.messages[i].text, " ERROR - food item amount out of bounds");
    EXPECT_EQ(platform.messages[4].text, " ERROR - ingredient amount out of bounds");
    EXPECT_EQ(platform.messages[5].text.rfind(" ERROR - amount not understood", 0), 0u);
    EXPECT_EQ((std::tuple{list.current()->servings(), viewUnit, list.revision()}),
              (std::tuple{1.0f, kUnitServings, before}));
}

} // namespace
} // namespace korva
