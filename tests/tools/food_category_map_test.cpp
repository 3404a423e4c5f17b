#include <gtest/gtest.h>

#include "tools/food_category_map.h"

namespace korva::importer {
namespace {

TEST(FoodCategory, SplitsGroupsWhereTheCategoriesDoAndUnknownGroupsLandOutsideRecipes) {
    // Groups the categories split, and foods a user looks for elsewhere.
    const struct {
        const char* group;
        const char* desc;
        int category;
    } cases[] = {
        // clang-format off
        {"0100", "Cheese, cheddar", 4}, {"0100", "Egg, whole, raw, fresh", 8},
        {"0100", "Milk, reduced fat, fluid, 2% milkfat", 5}, {"0100", "Cheese sauce, prepared from recipe", 20},
        {"0200", "Spices, basil, dried", 12}, {"0200", "Vinegar, cider", 20}, {"0300", "Babyfood, juice, apple", 0},
        {"0300", "Babyfood, cereal, oatmeal, dry", 3}, {"0300", "Babyfood, fruit, pears, strained", 10},
        {"0300", "Babyfood, dinner, beef noodle, strained", 18},
        {"0300", "Babyfood, vegetables, carrots, strained", 22}, {"0400", "Oil, olive, salad or cooking", 17},
        {"0400", "Salad dressing, italian dressing, commercial, regular", 7},
        {"0600", "Soup, tomato, canned, condensed", 21},
        {"0600", "Sauce, pasta, spaghetti/marinara, ready-to-serve", 20},
        {"0700", "Turkey ham, sliced, extra lean", 19}, {"0700", "Bologna, beef", 14},
        {"1100", "Seaweed, kelp, raw", 12}, {"1100", "Carrots, raw", 22},
        {"1600", "Peanut butter, smooth style, with salt", 16},
        {"1600", "Tofu, raw, firm, prepared with calcium sulfate", 15},
        {"1600", "Beans, black, mature seeds, raw", 13}, {"1800", "Bread, whole-wheat, commercially prepared", 1},
        {"1800", "Cake, chocolate, commercially prepared with chocolate frosting", 6},
        {"1900", "Candies, milk chocolate", 2}, {"1900", "Jams and preserves", 7},
        {"2100", "Fast foods, hamburger; single, regular patty; plain", 18}, {"2100", "McDONALD'S, French Fries", 22},
        {"2500", "Snacks, potato chips, plain, salted", 2}, {"3500", "Caribou, loin, meat, raw (Alaska Native)", 14},
        {"3500", "Fish, salmon, red, (sockeye), canned, smoked (Alaska Native)", 9},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_EQ(categoryForFood(c.group, c.desc), c.category) << c.desc;
    const int c = categoryForFood("9900", "Something new");
    EXPECT_GE(c, 0);
    EXPECT_LT(c, 23);
}

} // namespace
} // namespace korva::importer
