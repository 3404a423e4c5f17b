#include "tools/food_category_map.h"

#include <string>

namespace korva::importer {

namespace {

enum Category : int {
    Beverages = 0,
    BreadAndCrackers,
    CandiesAndSnacks,
    Cereals,
    Cheese,
    Dairy,
    Desserts,
    DressingsAndSpreads,
    Eggs,
    Fish,
    Fruits,
    Grains,
    HerbsAndSeaweed,
    Legumes,
    Meat,
    MeatSubstitutes,
    Nuts,
    Oils,
    PackagedEntrees,
    Poultry,
    SaucesAndCondiments,
    Soups,
    Vegetables,
};

enum class Match { starts, contains, any };

struct Rule {
    std::string_view group; // FdGrp_Cd; empty for every group
    Match match;
    std::string_view text; // lower case
    Category category;
};

// The USDA food groups are broader than our categories, and some of them
// (baby foods, fast foods, ethnic foods) cut across all of them.  The first
// rule that fits a food decides; every group ends with its catch-all, so a
// food always lands somewhere.  Texts are matched against the lower-cased
// long description.
constexpr Rule kRules[] = {
    // 0100 Dairy and egg products
    {"0100", Match::starts, "egg", Eggs},
    {"0100", Match::contains, "cheese sauce", SaucesAndCondiments},
    {"0100", Match::contains, "cheese", Cheese},
    {"0100", Match::contains, "cheez", Cheese},
    {"0100", Match::starts, "ice cream", Desserts},
    {"0100", Match::any, "", Dairy},
    // 0200 Spices and herbs
    {"0200", Match::starts, "vinegar", SaucesAndCondiments},
    {"0200", Match::starts, "mustard, prepared", SaucesAndCondiments},
    {"0200", Match::starts, "salt", SaucesAndCondiments},
    {"0200", Match::starts, "capers", SaucesAndCondiments},
    {"0200", Match::starts, "horseradish", SaucesAndCondiments},
    {"0200", Match::starts, "vanilla", SaucesAndCondiments},
    {"0200", Match::contains, "seasoning mix", SaucesAndCondiments},
    {"0200", Match::any, "", HerbsAndSeaweed},
    // 0300 Baby foods: by what the jar holds
    {"0300", Match::contains, "formula", Beverages},
    {"0300", Match::starts, "fluid replacement", Beverages},
    {"0300", Match::contains, "juice", Beverages},
    {"0300", Match::contains, "drink", Beverages},
    {"0300", Match::contains, "beverage", Beverages},
    {"0300", Match::contains, "tea", Beverages},
    {"0300", Match::starts, "zwieback", BreadAndCrackers},
    {"0300", Match::contains, "cookie", BreadAndCrackers},
    {"0300", Match::contains, "teething", BreadAndCrackers},
    {"0300", Match::contains, "crackers", BreadAndCrackers},
    {"0300", Match::contains, "pretzel", BreadAndCrackers},
    {"0300", Match::contains, "cereal", Cereals},
    {"0300", Match::contains, "dessert", Desserts},
    {"0300", Match::contains, "pudding", Desserts},
    {"0300", Match::contains, "custard", Desserts},
    {"0300", Match::contains, "cobbler", Desserts},
    {"0300", Match::contains, "yogurt", Dairy},
    {"0300", Match::contains, "dinner", PackagedEntrees},
    {"0300", Match::contains, "macaroni", PackagedEntrees},
    {"0300", Match::contains, "spaghetti", PackagedEntrees},
    {"0300", Match::contains, "soup", Soups},
    {"0300", Match::contains, "egg yolk", Eggs},
    {"0300", Match::contains, "chicken", Poultry},
    {"0300", Match::contains, "turkey", Poultry},
    {"0300", Match::contains, "meat", Meat},
    {"0300", Match::contains, "fruit", Fruits},
    {"0300", Match::contains, "apple", Fruits},
    {"0300", Match::contains, "banana", Fruits},
    {"0300", Match::contains, "pear", Fruits},
    {"0300", Match::contains, "peach", Fruits},
    {"0300", Match::contains, "apricot", Fruits},
    {"0300", Match::contains, "plum", Fruits},
    {"0300", Match::contains, "prune", Fruits},
    {"0300", Match::contains, "mango", Fruits},
    {"0300", Match::contains, "papaya", Fruits},
    {"0300", Match::contains, "guava", Fruits},
    {"0300", Match::contains, "berr", Fruits},
    {"0300", Match::contains, "pineapple", Fruits},
    {"0300", Match::any, "", Vegetables},
    // 0400 Fats and oils
    {"0400", Match::contains, "dressing", DressingsAndSpreads},
    {"0400", Match::starts, "mayonnaise", DressingsAndSpreads},
    {"0400", Match::contains, "margarine", DressingsAndSpreads},
    {"0400", Match::contains, "spread", DressingsAndSpreads},
    {"0400", Match::starts, "butter", DressingsAndSpreads},
    {"0400", Match::any, "", Oils},
    // 0500 Poultry products
    {"0500", Match::any, "", Poultry},
    // 0600 Soups, sauces and gravies
    {"0600", Match::contains, "soup", Soups},
    {"0600", Match::contains, "broth", Soups},
    {"0600", Match::contains, "bouillon", Soups},
    {"0600", Match::contains, "chowder", Soups},
    {"0600", Match::contains, "consomme", Soups},
    {"0600", Match::contains, "stock", Soups},
    {"0600", Match::any, "", SaucesAndCondiments},
    // 0700 Sausages and luncheon meats: poultry ones with the poultry
    {"0700", Match::starts, "chicken", Poultry},
    {"0700", Match::starts, "turkey", Poultry},
    {"0700", Match::starts, "oven-roasted chicken", Poultry},
    {"0700", Match::starts, "poultry", Poultry},
    {"0700", Match::starts, "louis rich", Poultry},
    {"0700", Match::any, "", Meat},
    // 0800 Breakfast cereals
    {"0800", Match::any, "", Cereals},
    // 0900 Fruits and fruit juices
    {"0900", Match::any, "", Fruits},
    // 1000 Pork, 1300 Beef, 1700 Lamb, veal and game
    {"1000", Match::any, "", Meat},
    {"1300", Match::any, "", Meat},
    {"1700", Match::any, "", Meat},
    // 1100 Vegetables
    {"1100", Match::starts, "seaweed", HerbsAndSeaweed},
    {"1100", Match::starts, "catsup", SaucesAndCondiments},
    {"1100", Match::starts, "pickle", SaucesAndCondiments},
    {"1100", Match::any, "", Vegetables},
    // 1200 Nuts and seeds
    {"1200", Match::any, "", Nuts},
    // 1400 Beverages
    {"1400", Match::any, "", Beverages},
    // 1500 Finfish and shellfish
    {"1500", Match::any, "", Fish},
    // 1600 Legumes: peanuts with the nuts, meat look-alikes apart
    {"1600", Match::starts, "peanut", Nuts},
    {"1600", Match::starts, "soy sauce", SaucesAndCondiments},
    {"1600", Match::contains, "yogurt", Dairy},
    {"1600", Match::contains, "creamer", Dairy},
    {"1600", Match::starts, "silk", Beverages},
    {"1600", Match::starts, "soymilk", Beverages},
    {"1600", Match::starts, "vitasoy", Beverages},
    {"1600", Match::starts, "ensure", Beverages},
    {"1600", Match::contains, "beverage", Beverages},
    {"1600", Match::starts, "tofu", MeatSubstitutes},
    {"1600", Match::starts, "tempeh", MeatSubstitutes},
    {"1600", Match::contains, "meatless", MeatSubstitutes},
    {"1600", Match::contains, "vegetarian", MeatSubstitutes},
    {"1600", Match::contains, "veggie", MeatSubstitutes},
    {"1600", Match::contains, "soyburger", MeatSubstitutes},
    {"1600", Match::starts, "meat extender", MeatSubstitutes},
    {"1600", Match::starts, "worthington", MeatSubstitutes},
    {"1600", Match::starts, "loma linda", MeatSubstitutes},
    {"1600", Match::starts, "morningstar", MeatSubstitutes},
    {"1600", Match::starts, "bacon", MeatSubstitutes},
    {"1600", Match::starts, "chicken", MeatSubstitutes},
    {"1600", Match::starts, "sausage", MeatSubstitutes},
    {"1600", Match::starts, "frankfurter", MeatSubstitutes},
    {"1600", Match::starts, "luncheon slices", MeatSubstitutes},
    {"1600", Match::starts, "meatballs", MeatSubstitutes},
    {"1600", Match::starts, "fish sticks", MeatSubstitutes},
    {"1600", Match::starts, "sandwich spread", MeatSubstitutes},
    {"1600", Match::any, "", Legumes},
    // 1800 Baked products: the sweet ones are desserts
    {"1800", Match::contains, "cookie", Desserts},
    {"1800", Match::starts, "cake", Desserts},
    {"1800", Match::starts, "cheesecake", Desserts},
    {"1800", Match::starts, "coffeecake", Desserts},
    {"1800", Match::starts, "pie", Desserts},
    {"1800", Match::contains, "pastr", Desserts},
    {"1800", Match::contains, "pop-tarts", Desserts},
    {"1800", Match::starts, "doughnut", Desserts},
    {"1800", Match::starts, "sweet rolls", Desserts},
    {"1800", Match::starts, "cream puffs", Desserts},
    {"1800", Match::starts, "eclairs", Desserts},
    {"1800", Match::starts, "strudel", Desserts},
    {"1800", Match::starts, "ice cream cones", Desserts},
    {"1800", Match::starts, "breakfast tart", Desserts},
    {"1800", Match::contains, "brownie", Desserts},
    {"1800", Match::contains, "turnover", Desserts},
    {"1800", Match::contains, "fig bars", Desserts},
    {"1800", Match::any, "", BreadAndCrackers},
    // 1900 Sweets
    {"1900", Match::starts, "candies", CandiesAndSnacks},
    {"1900", Match::starts, "chewing gum", CandiesAndSnacks},
    {"1900", Match::starts, "baking chocolate", CandiesAndSnacks},
    {"1900", Match::starts, "snacks", CandiesAndSnacks},
    {"1900", Match::starts, "cocoa", Beverages},
    {"1900", Match::starts, "jams", DressingsAndSpreads},
    {"1900", Match::starts, "jellies", DressingsAndSpreads},
    {"1900", Match::starts, "marmalade", DressingsAndSpreads},
    {"1900", Match::starts, "fruit butters", DressingsAndSpreads},
    {"1900", Match::starts, "honey", DressingsAndSpreads},
    {"1900", Match::contains, "hazelnut spread", DressingsAndSpreads},
    {"1900", Match::starts, "syrups", SaucesAndCondiments},
    {"1900", Match::starts, "sugars", SaucesAndCondiments},
    {"1900", Match::starts, "sweeteners", SaucesAndCondiments},
    {"1900", Match::starts, "molasses", SaucesAndCondiments},
    {"1900", Match::starts, "toppings", SaucesAndCondiments},
    {"1900", Match::starts, "pectin", SaucesAndCondiments},
    {"1900", Match::starts, "rennin", Desserts},
    {"1900", Match::any, "", Desserts},
    // 2000 Cereal grains and pasta
    {"2000", Match::any, "", Grains},
    // 2100 Fast foods: by dish
    {"2100", Match::contains, "ice cream", Desserts},
    {"2100", Match::contains, "sundae", Desserts},
    {"2100", Match::contains, "pie,", Desserts},
    {"2100", Match::contains, "cookies", Desserts},
    {"2100", Match::contains, "danish", Desserts},
    {"2100", Match::contains, "milk shake", Beverages},
    {"2100", Match::contains, "shake,", Beverages},
    {"2100", Match::contains, "coffee", Beverages},
    {"2100", Match::contains, "french fries", Vegetables},
    {"2100", Match::contains, "potato, french fried", Vegetables},
    {"2100", Match::contains, "hash brown", Vegetables},
    {"2100", Match::contains, "onion rings", Vegetables},
    {"2100", Match::contains, "coleslaw", Vegetables},
    {"2100", Match::contains, "side salad", Vegetables},
    {"2100", Match::any, "", PackagedEntrees},
    // 2200 Meals, entrees and side dishes
    {"2200", Match::any, "", PackagedEntrees},
    // 2500 Snacks
    {"2500", Match::any, "", CandiesAndSnacks},
    // 3500 Ethnic foods: by what they are
    {"3500", Match::starts, "fish", Fish},
    {"3500", Match::starts, "salmon", Fish},
    {"3500", Match::starts, "smelt", Fish},
    {"3500", Match::starts, "steelhead", Fish},
    {"3500", Match::starts, "cockles", Fish},
    {"3500", Match::starts, "chiton", Fish},
    {"3500", Match::starts, "octopus", Fish},
    {"3500", Match::starts, "sea cucumber", Fish},
    {"3500", Match::starts, "ascidians", Fish},
    {"3500", Match::starts, "oopah", Fish},
    {"3500", Match::starts, "oil", Oils},
    {"3500", Match::contains, "stew", Soups},
    {"3500", Match::contains, "soup", Soups},
    {"3500", Match::starts, "duck", Poultry},
    {"3500", Match::starts, "owl", Poultry},
    {"3500", Match::contains, "berr", Fruits},
    {"3500", Match::starts, "chokecherries", Fruits},
    {"3500", Match::starts, "cranberr", Fruits},
    {"3500", Match::starts, "plums", Fruits},
    {"3500", Match::starts, "melon", Fruits},
    {"3500", Match::starts, "rose hips", Fruits},
    {"3500", Match::starts, "plains pricklypear", Fruits},
    {"3500", Match::starts, "rhubarb", Fruits},
    {"3500", Match::starts, "agutuk", Desserts},
    {"3500", Match::starts, "tea", Beverages},
    {"3500", Match::contains, "beverage", Beverages},
    {"3500", Match::contains, "bread", BreadAndCrackers},
    {"3500", Match::starts, "tortilla", BreadAndCrackers},
    {"3500", Match::starts, "tamales", PackagedEntrees},
    {"3500", Match::starts, "corned beef and potatoes", PackagedEntrees},
    {"3500", Match::starts, "cornmeal", Grains},
    {"3500", Match::starts, "mush", Grains},
    {"3500", Match::starts, "mouse nuts", Nuts},
    {"3500", Match::starts, "pinon nuts", Nuts},
    {"3500", Match::starts, "whale", Meat},
    {"3500", Match::starts, "seal", Meat},
    {"3500", Match::starts, "sea lion", Meat},
    {"3500", Match::starts, "walrus", Meat},
    {"3500", Match::starts, "caribou", Meat},
    {"3500", Match::starts, "elk", Meat},
    {"3500", Match::starts, "bear", Meat},
    {"3500", Match::starts, "moose", Meat},
    {"3500", Match::starts, "buffalo", Meat},
    {"3500", Match::starts, "squirrel", Meat},
    {"3500", Match::starts, "deer", Meat},
    {"3500", Match::starts, "mutton", Meat},
    {"3500", Match::any, "", Vegetables},
    // A group we do not know yet: a user would sooner find it among the
    // prepared foods than nowhere.
    {"", Match::any, "", PackagedEntrees},
};

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

bool fits(const Rule& r, std::string_view group, const std::string& desc) {
    if (!r.group.empty() && r.group != group) return false;
    switch (r.match) {
    case Match::any: return true;
    case Match::starts: return desc.compare(0, r.text.size(), r.text) == 0;
    case Match::contains: return desc.find(r.text) != std::string::npos;
    }
    return false;
}

} // namespace

int categoryForFood(std::string_view groupCode, std::string_view longDesc) {
    const std::string desc = lowerAscii(longDesc);
    for (const Rule& r : kRules)
        if (fits(r, groupCode, desc)) return r.category;
    return PackagedEntrees; // not reached: the last rule fits everything
}

} // namespace korva::importer
