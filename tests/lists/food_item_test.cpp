#include <gtest/gtest.h>

#include "archive/archive.h"
#include "core/short_food.h"
#include "lists/food_item.h"

namespace korva {
namespace {

// An item of a food with `cal` calories per 100 g and `gps` grams per serving.
FoodItem makeItem(float cal, float gps, const std::string& measure = "1 cup", const std::string& name = "Milk") {
    ShortFood e;
    e.id = 1234;
    e.category = 5;
    e.name = name;
    e.servingText = measure;
    e.gramsPerServing = gps;
    NutrientRecord r;
    r.setValue(0, cal);
    r.setLevel(0, 1);
    FoodItem item;
    item.attach(e, r);
    return item;
}

TEST(FoodItemAmounts, NewItemIsOneServingEnteredInServingsListedInEntryUnits) {
    FoodItem item = makeItem(100, 50);
    EXPECT_FLOAT_EQ(item.servings(), 1.0f);
    EXPECT_EQ(item.entryUnit(), kUnitServings);
    EXPECT_EQ(item.displayUnit(), kUnitEntryUnits);
    EXPECT_TRUE(item.found());
    EXPECT_EQ(item.foodId(), 1234);
    EXPECT_EQ(item.category(), 5);
}

TEST(FoodItemAmounts, GramsAndCaloriesBecomeServings) {
    FoodItem item = makeItem(50, 200);
    ASSERT_TRUE(item.setAmount(250, kUnitCalories)); // 100 calories a serving
    EXPECT_FLOAT_EQ(item.servings(), 2.5f);
    EXPECT_EQ(item.entryUnit(), kUnitCalories);
    ASSERT_TRUE(item.setAmount(84, kUnitGrams));
    EXPECT_FLOAT_EQ(item.servings(), 84.0f / 200.0f);
    EXPECT_EQ(item.entryUnit(), kUnitGrams);
    ASSERT_TRUE(item.setAmount(3, kUnitServings));
    EXPECT_FLOAT_EQ(item.servings(), 3.0f);
}

TEST(FoodItemAmounts, DisplayOnlyUnitsChangeOnlyTheEntryUnit) {
    FoodItem item = makeItem(50, 200);
    item.setAmount(2, kUnitServings);
    ASSERT_TRUE(item.setAmount(7, kUnitFoodUnits));
    EXPECT_FLOAT_EQ(item.servings(), 2.0f);
    EXPECT_EQ(item.entryUnit(), kUnitFoodUnits);
}

TEST(FoodItemAmounts, AmountsThatCannotBeConvertedAreRefusedUnchanged) {
    FoodItem water = makeItem(0, 240);
    water.setAmount(2, kUnitServings);
    EXPECT_FALSE(water.setAmount(100, kUnitCalories));
    EXPECT_FLOAT_EQ(water.servings(), 2.0f);
    EXPECT_EQ(water.entryUnit(), kUnitServings);

    FoodItem weightless = makeItem(100, 0);
    EXPECT_FALSE(weightless.setAmount(100, kUnitGrams));
    EXPECT_FLOAT_EQ(weightless.servings(), 1.0f);
}

TEST(FoodItemAmounts, SteppingStaysWithinATenthAndTwoHundred) {
    FoodItem item = makeItem(100, 100);
    item.setServings(0.15f);
    item.stepServings(false);
    EXPECT_FLOAT_EQ(item.servings(), 0.1f);
    item.stepServings(false);
    EXPECT_FLOAT_EQ(item.servings(), 0.1f);
    item.setServings(0.2f);
    item.stepServings(false);
    EXPECT_FLOAT_EQ(item.servings(), 0.1f);
    item.stepServings(true);
    EXPECT_NEAR(item.servings(), 0.2f, 1e-6);

    item.setServings(199.95f);
    item.stepServings(true);
    EXPECT_FLOAT_EQ(item.servings(), 200.0f);
    item.stepServings(true);
    EXPECT_FLOAT_EQ(item.servings(), 200.0f);
    item.stepServings(false);
    EXPECT_NEAR(item.servings(), 199.9f, 1e-4);
}

TEST(FoodItemTexts, AmountTextInEachDisplayUnit) {
    FoodItem item = makeItem(50, 200, "1 1/2 cups");
    item.setAmount(2.5f, kUnitServings);
    EXPECT_EQ(item.amountText(kUnitGrams), " 500.0 grams");
    EXPECT_EQ(item.amountText(kUnitCalories), "250 calories");
    EXPECT_EQ(item.amountText(kUnitServings), " 2.50 serving(s)");
    EXPECT_EQ(item.amountText(kUnitEntryUnits), " 2.50 serving(s)");
    EXPECT_EQ(item.amountText(kUnitFoodUnits), "3.75   cups");
    EXPECT_EQ(item.amountText(9), "");

    item.setEntryUnit(kUnitGrams);
    EXPECT_EQ(item.amountText(kUnitEntryUnits), " 500.0 grams");
    item.setEntryUnit(kUnitFoodUnits);
    EXPECT_EQ(item.amountText(kUnitEntryUnits), "");
}

TEST(FoodItemTexts, CaloriesRoundHalvesDown) {
    // 2.5 calories per serving: one serving shows 2, a hair more shows 3.
    FoodItem item = makeItem(2.5f, 100);
    EXPECT_EQ(item.amountText(kUnitCalories), "2 calories");
    item.setServings(1.01f);
    EXPECT_EQ(item.amountText(kUnitCalories), "3 calories");
}

TEST(FoodItemTexts, ListingAndServingLines) {
    FoodItem item = makeItem(50, 200, "1 cup", "Skim milk");
    item.setServings(2);
    EXPECT_EQ(item.lineText(kUnitGrams), "Skim milk\t1 cup\t 400.0 grams");
    EXPECT_EQ(item.servingLine(), " 2.0 Servings =  400.0 Grams =  200.0 Calories");
}

TEST(FoodItemFoodUnits, MeasureShownUnchangedForOneServing) {
    FoodItem item = makeItem(50, 200, "1 1/2 cups");
    EXPECT_EQ(item.foodUnitsText(), "1 1/2 cups");
    item.setServings(2);
    EXPECT_EQ(item.foodUnitsText(), "3.00   cups");
    std::string unit;
    EXPECT_FLOAT_EQ(item.foodUnits(unit), 3.0f);
    EXPECT_EQ(unit, "cups");
}

TEST(FoodItemFoodUnits, MeasureQuantities) {
    struct Case {
        const char* measure;
        float quantity;
        const char* unit;
    };
    const Case cases[] = {
        {"1 cup", 1.0f, "cup"},
        {"1/2 cup", 0.5f, "cup"},
        {"1 1/2 cups", 1.5f, "cups"},
        {"1-1/4 cup", 1.25f, "cup"},
        {"2.5 oz", 2.5f, "oz"},
        {"3 pieces", 3.0f, "pieces"},
        {"cup", 1.0f, "cup"},           // no count: one of it
        {"1/0 cup", 0.0f, "cup"},        // no denominator: the whole part only
        {"2 slice 4\" dia", 2.0f, "slice 4\" dia"},
        {"4\" piece", 1.0f, "piece"},
        {"slice 4\"", 1.0f, "4\""},
        {"", 1.0f, ""},
    };
    for (const Case& c : cases) {
        HouseholdMeasure m = parseHouseholdMeasure(c.measure);
        EXPECT_FLOAT_EQ(m.quantity, c.quantity) << c.measure;
        EXPECT_EQ(m.unitText, c.unit) << c.measure;
    }
}

TEST(FoodItemSerialForm, TenBytesOfIdUnitsAndServings) {
    FoodItem item = makeItem(50, 200);
    item.setAmount(84, kUnitGrams);
    item.setDisplayUnit(kUnitFoodUnits);
    Archive out = Archive::inMemory();
    item.Serialize(out);
    const std::vector<std::uint8_t>& b = out.bytes();
    ASSERT_EQ(b.size(), 10u);
    EXPECT_EQ(b[0] | b[1] << 8, 1234);
    EXPECT_EQ(b[2] | b[3] << 8, kUnitGrams);
    EXPECT_EQ(b[4] | b[5] << 8, kUnitFoodUnits);

    Archive in = Archive::forReading(b);
    FoodItem back;
    back.Serialize(in);
    EXPECT_EQ(back.foodId(), 1234);
    EXPECT_EQ(back.entryUnit(), kUnitGrams);
    EXPECT_EQ(back.displayUnit(), kUnitFoodUnits);
    EXPECT_EQ(back.servings(), item.servings());
    EXPECT_FALSE(back.found()); // only an id until a reader finds its food
}

} // namespace
} // namespace korva
