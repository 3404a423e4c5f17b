#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "lists/food_list.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

using Texts = std::vector<std::string>;

std::uint16_t word(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
}

float f32(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint32_t bits = b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | std::uint32_t(b.at(at + 3)) << 24;
    float v;
    std::memcpy(&v, &bits, 4);
    return v;
}

class ListFileTest : public test::ScriptedTest {
protected:
    test::DataTree tree{{
        test::food(101, 5, "Milk", 244, {50, 3.4f, 1.0f, 0.6f, 0.3f, 0.0f, 5.0f}),
        test::food(102, 10, "Apple", 138, {52, 0.3f, 0.2f, 0, 0, 0, 14.0f}, "1 medium"),
        test::food(29001, 23, "Stew", 300, {90, 6, 3, 1, 1, 1, 8}, "1 bowl"),
    }};

    FoodList twoItems() {
        FoodList l(&tree.db, "01/02/99");
        EXPECT_TRUE(l.addFood(tree.entry(101), kUnitServings));
        EXPECT_TRUE(l.setCurrentAmount(488, kUnitGrams));
        l.setCurrentDisplayUnit(kUnitFoodUnits);
        EXPECT_TRUE(l.addFood(tree.entry(102), kUnitServings));
        EXPECT_TRUE(l.setCurrentAmount(1.5f, kUnitServings));
        return l;
    }

    FoodList recipe() {
        FoodList r(&tree.db, "05/06/07");
        r.setListType(FoodList::kRecipe);
        EXPECT_TRUE(r.addFood(tree.entry(102), kUnitServings));
        EXPECT_TRUE(r.setCurrentAmount(3, kUnitServings));
        r.setRecipeFoodId(29001);
        r.recipe().setServingDescription("one bowl");
        r.recipe().setServingCount(0.3f);
        r.recipe().setName("Apple stew");
        r.recipe().setInstructions({"Peel the apples.", "", "Stew them slowly."});
        r.setPath((tree.paths().recipeDir() / "rcp001.rcp").string());
        EXPECT_TRUE(r.writeRecipeFile(platform));
        return r;
    }

    std::filesystem::path saved(const FoodList& l, const std::string& name) {
        const std::filesystem::path p = tree.listFile(name);
        EXPECT_TRUE(l.writeFile(p, platform));
        return p;
    }

    // The two-item list with its stored calorie total changed, which a
    // reader must keep and a merge must not.
    std::filesystem::path storedCalories(float calories) {
        std::vector<std::uint8_t> b = test::fileBytes(saved(twoItems(), "two.fls"));
        std::memcpy(b.data() + 42, &calories, 4);
        const std::filesystem::path p = tree.listFile("stored.fls");
        test::writeBytes(p, b);
        return p;
    }
};

TEST_F(ListFileTest, TwoItemFoodListIs218BytesAndReadsBackToTheSameBytes) {
    FoodList l = twoItems();
    const std::filesystem::path p = saved(l, "two.fls");
    const std::vector<std::uint8_t> b = test::fileBytes(p);
    ASSERT_EQ(b.size(), 218u);
    // Lead and kind marks, item count, list type, then the items inline and untagged.
    const std::pair<std::size_t, int> words[] = {{0, 0x0DAF},
                                                 {2, 0x0AAA},
                                                 {14, 2},
                                                 {20, 0},
                                                 {22, 101},
                                                 {24, kUnitGrams},
                                                 {26, kUnitFoodUnits},
                                                 {32, 102},
                                                 {34, kUnitServings},
                                                 {36, kUnitEntryUnits}};
    for (const auto& [at, value] : words) EXPECT_EQ(word(b, at), value) << "at " << at;
    EXPECT_EQ(std::string(b.begin() + 4, b.begin() + 14), std::string("\0\x08"
                                                                      "01/02/99",
                                                                      10)); // empty path, date
    EXPECT_FLOAT_EQ(f32(b, 16), 488.0f + 1.5f * 138.0f);
    EXPECT_FLOAT_EQ(f32(b, 28), 2.0f);
    EXPECT_FLOAT_EQ(f32(b, 38), 1.5f);
    for (int n = 0; n < kNutrientCount; ++n) EXPECT_EQ(f32(b, 42 + 4 * std::size_t(n)), l.totals().value(n)) << n;
    for (std::size_t k = 0; k < 20; ++k) EXPECT_EQ(b[198 + k], l.totals().levels[k]) << k;

    FoodList back(&tree.db, "12/12/12");
    ASSERT_EQ(back.readFile(p, false, platform), kReadOk);
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(back.itemCount(), 2u);
    EXPECT_EQ(back.item(1).record(), l.item(1).record());
    EXPECT_EQ(back.path(), p.string());
    EXPECT_EQ(tree.db.index().entries()[tree.db.selection().currentEntry().value()].id, 101);
    EXPECT_TRUE(platform.waitCount > 0 && platform.waitDepth == 0); // a wait cursor, ended
    back.setPath("");
    EXPECT_EQ(test::fileBytes(saved(back, "again.fls")), b);
}

TEST_F(ListFileTest, RecipeKeepsItsFieldsInstructionsAndServingsExactly) {
    FoodList r = recipe();
    const std::vector<std::uint8_t> b = test::fileBytes(r.path());
    EXPECT_EQ(word(b, 2), 0x0BBB);

    FoodList back(&tree.db);
    back.setListType(FoodList::kRecipe);
    ASSERT_EQ(back.readRecipeFile(r.path(), platform), kReadOk);
    EXPECT_TRUE(back.recipe().hasEntry());
    EXPECT_EQ(back.recipe().instructions(), (Texts{"Peel the apples.", "", "Stew them slowly."}));
    ASSERT_TRUE(back.writeRecipeFile(platform)); // every field read back where it was
    EXPECT_EQ(test::fileBytes(back.path()), b);

    // A bare name is written in the recipe folder.
    r.setPath("rcp002.rcp");
    ASSERT_TRUE(r.writeRecipeFile(platform));
    EXPECT_TRUE(std::filesystem::exists(tree.paths().recipeDir() / "rcp002.rcp"));

    // A recipe whose own food has gone from the data base has no entry.
    r.setPath(back.path());
    r.setRecipeFoodId(29555);
    ASSERT_TRUE(r.writeRecipeFile(platform));
    ASSERT_EQ(back.readRecipeFile(r.path(), platform), kReadOk);
    EXPECT_EQ(back.recipeFoodId(), 29555);
    EXPECT_FALSE(back.recipe().hasEntry());
}

TEST_F(ListFileTest, DamagedFilesAreReportedAndChangeNothing) {
    const std::vector<std::uint8_t> fls = test::fileBytes(saved(twoItems(), "two.fls"));
    const std::vector<std::uint8_t> rcp = test::fileBytes(recipe().path());
    const std::string truncated = "... input file has been truncated, can't read ...";
    const std::string notList = "... input file is not in FOOD LIST format ...";

    struct Case {
        std::string name;
        std::vector<std::uint8_t> bytes;
        bool asRecipe;
        std::string message;
        bool alsoMerged = false;
    };
    std::vector<Case> cases;
    for (std::size_t cut = 0; cut < fls.size(); ++cut)
        cases.push_back(
            {"list cut at " + std::to_string(cut), {fls.begin(), fls.begin() + long(cut)}, false, truncated});
    for (std::size_t cut = 0; cut < rcp.size(); ++cut)
        cases.push_back(
            {"recipe cut at " + std::to_string(cut), {rcp.begin(), rcp.begin() + long(cut)}, true, truncated});
    std::vector<std::uint8_t> bigCount = fls;
    bigCount[14] = bigCount[15] = 0xFF;
    cases.push_back({"count beyond the file", bigCount, false, truncated});
    cases.push_back({"recipe read as a list", rcp, false, notList});
    cases.push_back({"list read as a recipe", fls, true, "... input file is not in RECIPE format ..."});
    std::vector<std::uint8_t> badLead = fls;
    badLead[0] = 0xAE;
    cases.push_back({"bad lead word", badLead, false, notList});
    // A food list mark with the recipe list type would come back as a recipe.
    std::vector<std::uint8_t> mixed = fls;
    mixed[20] = 1;
    cases.push_back({"list mark, recipe type", mixed, false, notList});
    cases.push_back({"text", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}, false, notList});
    // Amounts and units no entry could make.
    for (float servings : {-3.0f, 0.0f, std::numeric_limits<float>::quiet_NaN(), 1e30f}) {
        std::vector<std::uint8_t> b = fls;
        std::memcpy(b.data() + 28, &servings, 4);
        cases.push_back({"servings " + std::to_string(servings), b, false, notList, true});
    }
    for (std::size_t unitAt : {24, 36}) {
        std::vector<std::uint8_t> b = fls;
        b[unitAt] = 5;
        cases.push_back({"unit 5 at " + std::to_string(unitAt), b, false, notList, true});
    }

    const std::filesystem::path p = tree.listFile("bad.fls");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::writeBytes(p, c.bytes);
        FoodList open(&tree.db, "01/01/01");
        if (c.asRecipe) open.setListType(FoodList::kRecipe);
        ASSERT_TRUE(open.addFood(tree.entry(101), kUnitServings));
        const std::uint64_t rev = open.revision();
        const NutrientRecord totals = open.totals();

        for (bool merge : {false, true}) {
            if (merge && !c.alsoMerged) continue;
            EXPECT_EQ(open.readFile(p, merge, platform), kReadFormatError);
            EXPECT_EQ(platform.messageTexts(), Texts{c.message});
            EXPECT_EQ(open.revision(), rev);
            EXPECT_EQ(open.itemCount(), 1u);
            EXPECT_EQ(open.totals(), totals);
            EXPECT_EQ(open.path(), "");
            platform.messages.clear();
        }
    }

    FoodList l(&tree.db);
    platform.messages.clear();
    EXPECT_EQ(l.readFile(tree.listFile("nothere.fls"), false, platform), kReadNotFound);
    EXPECT_EQ(l.readFile(tree.paths().foodListDir(), false, platform), kReadNotFound);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ListFileTest, UnknownFoodsAreDroppedOneMessageEach) {
    FoodList l(&tree.db, "01/02/99");
    ASSERT_TRUE(l.addFood(tree.entry(101), kUnitServings));
    l.append(FoodItem(999));
    ASSERT_TRUE(l.addFood(tree.entry(102), kUnitServings));
    l.append(FoodItem(998));
    FoodList back(&tree.db);
    ASSERT_EQ(back.readFile(saved(l, "gone.fls"), false, platform), kReadOk);
    EXPECT_EQ(platform.messageTexts(), Texts(2, " ... FOOD ITEM not found for Recipe or FoodList ... "));
    ASSERT_EQ(back.itemCount(), 2u);
    EXPECT_EQ((std::array{back.item(0).foodId(), back.item(1).foodId()}), (std::array<std::uint16_t, 2>{101, 102}));

    // Stored totals that still count a dropped food give way to those of
    // the foods found.
    std::vector<std::uint8_t> b = test::fileBytes(saved(twoItems(), "two.fls"));
    b[32] = 0xE7; // Apple's id becomes 999
    b[33] = 0x03;
    test::writeBytes(tree.listFile("apple-gone.fls"), b);
    ASSERT_EQ(back.readFile(tree.listFile("apple-gone.fls"), false, platform), kReadOk);
    FoodList milk(&tree.db);
    ASSERT_TRUE(milk.addFood(tree.entry(101), kUnitServings));
    ASSERT_TRUE(milk.setCurrentAmount(488, kUnitGrams));
    EXPECT_EQ(back.totals(), milk.totals());
    EXPECT_EQ(back.pctFat(), milk.pctFat());

    FoodList none(&tree.db, "01/02/99");
    none.append(FoodItem(999));
    FoodList empty(&tree.db);
    ASSERT_EQ(empty.readFile(saved(none, "none.fls"), false, platform), kReadOk);
    EXPECT_TRUE(empty.itemCount() == 0u && empty.current() == nullptr);
}

TEST_F(ListFileTest, StoredTotalsStandUntilTheNextChangeAndAnEmptyDateBecomesToday) {
    FoodList l(&tree.db);
    ASSERT_EQ(l.readFile(storedCalories(12345.0f), false, platform), kReadOk);
    EXPECT_EQ(l.totals().value(0), 12345.0f);
    EXPECT_FLOAT_EQ(l.totalGrams(), 488.0f + 1.5f * 138.0f); // the weight is that of the items found
    l.stepCurrentAmount(true);
    l.stepCurrentAmount(false);
    EXPECT_NEAR(l.totals().value(0), twoItems().totals().value(0), 1e-2);

    FoodList undated(&tree.db, "");
    ASSERT_TRUE(undated.addFood(tree.entry(101), kUnitServings));
    platform.clock = LocalDateTime{2026, 12, 6, 9, 0, 0};
    ASSERT_EQ(l.readFile(saved(undated, "nodate.fls"), false, platform), kReadOk);
    EXPECT_EQ(l.date(), "12/06/26");
}

TEST_F(ListFileTest, MergeAppendsTakesTheFilesDateAndRecomputes) {
    const std::filesystem::path p = storedCalories(12345.0f);
    FoodList l(&tree.db, "09/09/09");
    ASSERT_TRUE(l.addFood(tree.entry(102), kUnitServings));
    l.setPath("kept.fls");
    ASSERT_EQ(l.readFile(p, true, platform), kReadOk);
    ASSERT_EQ(l.itemCount(), 3u);
    EXPECT_EQ(l.item(1).foodId(), 101);
    EXPECT_EQ((std::tuple{l.date(), l.path(), l.currentIndex()}), (std::tuple{"01/02/99", "kept.fls", 0}));
    EXPECT_NEAR(l.totals().value(0), twoItems().totals().value(0) + 52.0f * 1.38f, 1e-2);

    // A list merged into itself doubles.
    FoodList self(&tree.db);
    const std::filesystem::path two = tree.listFile("two.fls");
    ASSERT_EQ(self.readFile(two, false, platform), kReadOk);
    const float single = self.totals().value(0);
    ASSERT_EQ(self.readFile(two, true, platform), kReadOk);
    EXPECT_EQ(self.itemCount(), 4u);
    EXPECT_FLOAT_EQ(self.totals().value(0), 2 * single);
    EXPECT_FLOAT_EQ(self.totalGrams(), 2 * (488.0f + 1.5f * 138.0f));
}

TEST_F(ListFileTest, WriteFailuresAreReportedAndLeaveNoFile) {
    const std::filesystem::path nowhere = tree.paths().root / "no-such-folder" / "x.fls";
    EXPECT_FALSE(twoItems().writeFile(nowhere, platform));
    EXPECT_FALSE(std::filesystem::exists(nowhere));
    FoodList r = recipe();
    r.setPath("");
    EXPECT_FALSE(r.writeRecipeFile(platform));
    EXPECT_EQ(platform.messageTexts(), (Texts{" can't open file for writing ...", "... can't write recipe file ..."}));
}

} // namespace
} // namespace korva
