#include <gtest/gtest.h>

#include <set>

#include "core/ascii_text.h"
#include "core/short_food.h"
#include "tools/food_naming.h"

namespace korva::importer {
namespace {

// The main food first with the cut beside it; group words give way to the
// food; brands read in mixed case after it; Latin-1 letters stay.
TEST(FoodName, MainFoodFirstGroupWordsDroppedBrandsLast) {
    const std::pair<const char*, const char*> cases[] = {
        {"Chicken, broilers or fryers, breast, meat only, cooked, roasted", "Chicken breast, meat only, roasted"},
        {"Beef, ground, 85% lean meat / 15% fat, raw", "Ground beef, 85% lean / 15% fat, raw"},
        {"Apples, raw, with skin", "Apples, raw, with skin"},
        {"Spices, ginger, ground", "Ginger, ground"},
        {"Fish, trout, rainbow, farmed, raw", "Trout, rainbow, farmed, raw"},
        {"Soup, tomato, canned, condensed", "Tomato soup, canned, condensed"},
        {"McDONALD'S, Big Mac", "Big Mac, McDonald's"},
        {"KELLOGG, KELLOGG'S RICE KRISPIES TREATS Squares", "Kellogg's Rice Krispies Treats"},
        {"Cr\xE8me fra\xEE"
         "che",
         "Cr\xE8me fra\xEE"
         "che"},
    };
    for (const auto& [description, name] : cases) EXPECT_EQ(shortFoodName(description), name);
}

TEST(FoodName, LongDescriptionsAreShortenedNotOverflowed) {
    const char* longOnes[] = {
        "Beef, short loin, porterhouse steak, separable lean only, trimmed to 0\" fat, USDA select, cooked, broiled",
        "Infant formula, PBM PRODUCTS, store brand, liquid concentrate, not reconstituted (formerly WYETH-AYERST)",
        "Cereals ready-to-eat, corn, rice, wheat, oats, presweetened, with fruit and almonds, single brand",
        "Supercalifragilisticexpialidociousandmoreletters, raw",
    };
    for (const char* d : longOnes) {
        const std::string n = shortFoodName(d);
        EXPECT_LE(n.size(), kMaxFoodName) << n;
        EXPECT_FALSE(n.empty());
        EXPECT_NE(n.back(), ',') << n;
        EXPECT_NE(n.back(), ' ') << n;
    }
    // Abbreviations come only when needed, and the main food keeps its words.
    EXPECT_EQ(shortFoodName("Asparagus, frozen, cooked, boiled, drained"), "Asparagus, frozen, boiled, drained");
    const std::string n = shortFoodName("Asparagus, frozen, cooked, boiled, drained, without salt");
    EXPECT_EQ(n.rfind("Asparagus, ", 0), 0u) << n;
    EXPECT_NE(n.find("boiled"), std::string::npos) << n;
    EXPECT_NE(n.find("no salt"), std::string::npos) << n;
}

TEST(FoodNames, DistinctWithinACategoryOnly) {
    std::vector<NamedFood> foods = {
        // clang-format off
        {14, "Beef rib, roasted"}, {14, "BEEF RIB, ROASTED"}, {14, "Beef rib, roasted #2"},
        // clang-format on
        {9, "Beef rib, roasted"},
        {14, std::string(36, 'x')},
        {14, std::string(36, 'X')},
    };
    makeNamesDistinct(foods);
    std::set<std::pair<int, std::string>> seen;
    for (const auto& f : foods) {
        std::string low = f.name;
        for (char& c : low) c = char(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(seen.insert({f.category, low}).second) << f.name;
        EXPECT_LE(f.name.size(), kMaxFoodName);
    }
    EXPECT_EQ(foods[0].name, "Beef rib, roasted");
    EXPECT_EQ(foods[2].name, "Beef rib, roasted #2"); // an original name is never taken away
    EXPECT_EQ(foods[3].name, "Beef rib, roasted");    // another category may repeat it
}

TEST(FoodNames, KinsfolkKeepWhatTellsThemApart) {
    // Too long to say whole; what differs must survive.
    std::vector<FoodToName> foods = {
        {14, "Lamb, Australian, imported, fresh, leg, whole (shank and sirloin), separable lean only, trimmed to 1/8\" "
             "fat, cooked, roasted"},
        {14, "Lamb, Australian, imported, fresh, leg, shank half, separable lean only, trimmed to 1/8\" fat, cooked, "
             "roasted"},
        {14, "Lamb, Australian, imported, fresh, leg, sirloin half, boneless, separable lean only, trimmed to 1/8\" "
             "fat, cooked, roasted"},
        {14, "Lamb, Australian, imported, fresh, leg, sirloin half, boneless, separable lean only, trimmed to 1/8\" "
             "fat, raw"},
    };
    auto names = nameFoods(foods);
    ASSERT_EQ(names.size(), foods.size());
    std::set<std::string> distinct(names.begin(), names.end());
    EXPECT_EQ(distinct.size(), names.size());
    for (const auto& n : names) {
        EXPECT_LE(n.size(), kMaxFoodName) << n;
        EXPECT_EQ(n.rfind("Lamb", 0), 0u) << n;
        EXPECT_EQ(n.find('#'), std::string::npos) << n;
    }
    // Deterministic: the same input gives the same names.
    EXPECT_EQ(nameFoods(foods), names);
}

TEST(FoodNames, WordsTellKinsfolkApartBeforeANumber) {
    // Each group differs only in what the first choice of qualifiers left
    // out; the names must say it in words.
    const std::vector<std::vector<std::string>> groups = {
        {"Pork, cured, ham and water product, slice, bone-in, separable lean only, unheated",
         "Pork, cured, ham and water product, slice, bone-in, separable lean and fat, unheated"},
        {"Beef, round, top round, separable lean and fat, trimmed to 0\" fat, choice, cooked, braised",
         "Beef, round, top round, separable lean and fat, trimmed to 1/8\" fat, choice, cooked, braised"},
        {"Babyfood, fruit, applesauce and apricots, strained", "Babyfood, fruit, applesauce and apricots, junior"},
        {"Pork, fresh, loin, center loin (chops), bone-in, separable lean and fat, cooked, braised",
         "Pork, fresh, loin, center loin (roasts), bone-in, separable lean and fat, cooked, braised"},
    };
    for (const auto& group : groups) {
        std::vector<FoodToName> foods;
        for (const auto& d : group) foods.push_back({14, d});
        const auto names = nameFoods(foods);
        EXPECT_NE(names[0], names[1]);
        for (const auto& n : names) {
            EXPECT_LE(n.size(), kMaxFoodName) << n;
            EXPECT_EQ(n.find('#'), std::string::npos) << n;
            EXPECT_EQ(n.substr(0, 4), group[0].substr(0, 4)) << n; // the main food stays first
        }
    }
    // The same description twice can only be numbered.
    // clang-format off
    const auto twins = nameFoods({{18, "WORTHINGTON Dinner Roast, frozen, unprepared"},
                                  {18, "WORTHINGTON Dinner Roast, frozen, unprepared"}});
    // clang-format on
    EXPECT_EQ(twins[1], twins[0] + " #2");
    // Names equal but for case clash across categories too.
    const auto cased = nameFoods(
        {{13, "USDA Commodity, Peanut Butter, smooth"}, {16, "Peanut butter, smooth, vitamin and mineral fortified"}});
    EXPECT_NE(lowerAscii(cased[0]), lowerAscii(cased[1])) << cased[0];
    // Told apart where the name is full, the maker gives way, not the food.
    const auto treats = nameFoods({{8, "Cereals ready-to-eat, KELLOGG, KELLOGG'S RICE KRISPIES TREATS Cereal"},
                                   {25, "Snacks, KELLOGG, KELLOGG'S RICE KRISPIES TREATS Squares"}});
    for (const std::string& n : treats) EXPECT_NE(n.find("Rice Krispies Treats"), std::string::npos) << n;
}

} // namespace
} // namespace korva::importer
