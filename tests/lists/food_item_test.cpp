#include <gtest/gtest.h>

#include "core/short_food.h"
#include "lists/food_item.h"

namespace korva {
namespace {

// An item of a food with `cal` calories per 100 g and `gps` grams per serving.
FoodItem makeItem(float cal, float gps, const std::string& measure = "1 cup") {
    ShortFood e;
    e.id = 1234;
    e.category = 5;
    e.name = "Milk";
    e.servingText = measure;
    e.gramsPerServing = gps;
    NutrientRecord r;
    r.setValue(0, cal);
    r.setLevel(0, 1);
    FoodItem item;
    item.attach(e, r);
    return item;
}

TEST(FoodItemAmounts, UnitsThatCannotBeConvertedLeaveTheAmount) {
    FoodItem item = makeItem(50, 200);
    EXPECT_EQ(item.entryUnit(), kUnitServings);
    EXPECT_EQ(item.displayUnit(), kUnitEntryUnits);
    ASSERT_TRUE(item.setAmount(84, kUnitGrams));

    // Food units are shown, never typed: only the entry unit changes.
    ASSERT_TRUE(item.setAmount(7, kUnitFoodUnits));
    EXPECT_FLOAT_EQ(item.servings(), 84.0f / 200.0f);
    EXPECT_EQ(item.entryUnit(), kUnitFoodUnits);

    // Grams of a serving that weighs nothing cannot be converted.
    FoodItem weightless = makeItem(100, 0);
    EXPECT_FALSE(weightless.setAmount(100, kUnitGrams));
    EXPECT_FLOAT_EQ(weightless.servings(), 1.0f);
    EXPECT_EQ(weightless.entryUnit(), kUnitServings);
    // Nor can an amount become more servings than a list file may hold.
    FoodItem feather = makeItem(100, 0.0002f);
    EXPECT_FALSE(feather.setAmount(10000, kUnitGrams));
    EXPECT_FLOAT_EQ(feather.servings(), 1.0f);
}

TEST(FoodItemAmounts, SteppingStaysWithinATenthAndTwoHundred) {
    struct Case {
        float from;
        bool up;
        float to;
    };
    const Case cases[] = {
        // clang-format off
        {0.15f, false, 0.1f}, {0.1f, false, 0.1f}, {0.2f, false, 0.1f},   {0.1f, true, 0.2f},
        // clang-format on
        {199.95f, true, 200},
        {200, true, 200},
        {200, false, 199.9f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << (c.up ? " up" : " down"));
        FoodItem item = makeItem(100, 100);
        item.setServings(c.from);
        item.stepServings(c.up);
        EXPECT_NEAR(item.servings(), c.to, 1e-4);
    }
}

TEST(FoodItemTexts, AmountServingAndListingTexts) {
    FoodItem item = makeItem(50, 200, "1 1/2 cups");
    EXPECT_EQ(item.amountText(kUnitFoodUnits), "1 1/2 cups"); // one serving shows the measure as written
    item.setAmount(2.5f, kUnitServings);
    const std::pair<std::uint16_t, const char*> texts[] = {
        {kUnitGrams, " 500.0 grams"},          {kUnitCalories, "250 calories"}, {kUnitServings, " 2.50 serving(s)"},
        {kUnitEntryUnits, " 2.50 serving(s)"}, {kUnitFoodUnits, "3.75   cups"}, {9, ""},
    };
    for (const auto& [unit, text] : texts) EXPECT_EQ(item.amountText(unit), text) << unit;
    item.setEntryUnit(kUnitFoodUnits);
    EXPECT_EQ(item.amountText(kUnitEntryUnits), "");
    EXPECT_EQ(item.lineText(kUnitGrams), "Milk\t1 1/2 cups\t 500.0 grams");
    EXPECT_EQ(item.servingLine(), " 2.5 Servings =  500.0 Grams =  250.0 Calories");

    // 2.5 calories a serving: one serving shows 2, a hair more shows 3.
    FoodItem tiny = makeItem(2.5f, 100);
    EXPECT_EQ(tiny.amountText(kUnitCalories), "2 calories");
    tiny.setServings(1.01f);
    EXPECT_EQ(tiny.amountText(kUnitCalories), "3 calories");
}

TEST(FoodItemTexts, MeasureQuantities) {
    struct Case {
        const char* measure;
        float quantity;
        const char* unit;
    };
    const Case cases[] = {
        {"1/2 cup", 0.5f, "cup"},
        {"1 1/2 cups", 1.5f, "cups"},
        {"1-1/4 cup", 1.25f, "cup"},
        {"2.5 oz", 2.5f, "oz"},
        {"cup", 1.0f, "cup"},     // no count: one of it
        {"1/0 cup", 0.0f, "cup"}, // no denominator: the whole part only
        {"2 slice 4\" dia", 2.0f, "slice 4\" dia"},
        {"4\" piece", 1.0f, "piece"},
        {"slice 4\"", 1.0f, "4\""},
        {"", 1.0f, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.measure);
        HouseholdMeasure m = parseHouseholdMeasure(c.measure);
        EXPECT_FLOAT_EQ(m.quantity, c.quantity);
        EXPECT_EQ(m.unitText, c.unit);
    }
}

} // namespace
} // namespace korva
