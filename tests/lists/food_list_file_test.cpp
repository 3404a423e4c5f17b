#include <gtest/gtest.h>

#include <cstring>

#include "lists/food_list.h"
#include "tests/lists/list_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

std::uint16_t word(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
}

float f32(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint32_t bits = b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | std::uint32_t(b.at(at + 3)) << 24;
    float v;
    std::memcpy(&v, &bits, 4);
    return v;
}

void putF32(std::vector<std::uint8_t>& b, std::size_t at, float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    for (int i = 0; i < 4; ++i) b.at(at + std::size_t(i)) = std::uint8_t(bits >> (8 * i));
}

class ListFileTest : public ::testing::Test {
protected:
    test::ListTree tree{{
        test::food(101, 5, "Milk", 244, {50, 3.4f, 1.0f, 0.6f, 0.3f, 0.0f, 5.0f}),
        test::food(102, 10, "Apple", 138, {52, 0.3f, 0.2f, 0, 0, 0, 14.0f}, "1 medium"),
        test::food(29001, 23, "Stew", 300, {90, 6, 3, 1, 1, 1, 8}, "1 bowl"),
    }};
    test::ScriptedPlatform platform;

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
        r.setServingDescription("one bowl");
        r.setServingCount(0.3f);
        r.setRecipeName("Apple stew");
        r.setInstructions({"Peel the apples.", "", "Stew them slowly."});
        r.setPath((tree.paths().recipeDir() / "rcp001.rcp").string());
        return r;
    }

    std::filesystem::path saved(const FoodList& l, const std::string& name) {
        const std::filesystem::path p = tree.listFile(name);
        EXPECT_TRUE(l.writeFile(p, platform));
        return p;
    }
};

TEST_F(ListFileTest, TwoItemFoodListIs218BytesFieldByField) {
    FoodList l = twoItems();
    const std::vector<std::uint8_t> b = test::fileBytes(saved(l, "two.fls"));
    ASSERT_EQ(b.size(), 218u);
    EXPECT_EQ(word(b, 0), 0x0DAF);
    EXPECT_EQ(word(b, 2), 0x0AAA);
    EXPECT_EQ(b[4], 0); // empty path
    EXPECT_EQ(b[5], 8);
    EXPECT_EQ(std::string(b.begin() + 6, b.begin() + 14), "01/02/99");
    EXPECT_EQ(word(b, 14), 2);
    EXPECT_FLOAT_EQ(f32(b, 16), 488.0f + 1.5f * 138.0f);
    EXPECT_EQ(word(b, 20), 0);
    // Items, inline and untagged.
    EXPECT_EQ(word(b, 22), 101);
    EXPECT_EQ(word(b, 24), kUnitGrams);
    EXPECT_EQ(word(b, 26), kUnitFoodUnits);
    EXPECT_FLOAT_EQ(f32(b, 28), 2.0f);
    EXPECT_EQ(word(b, 32), 102);
    EXPECT_EQ(word(b, 34), kUnitServings);
    EXPECT_EQ(word(b, 36), kUnitEntryUnits);
    EXPECT_FLOAT_EQ(f32(b, 38), 1.5f);
    for (int n = 0; n < kNutrientCount; ++n) EXPECT_EQ(f32(b, 42 + 4 * std::size_t(n)), l.totals().value(n)) << n;
    for (std::size_t k = 0; k < 20; ++k) EXPECT_EQ(b[198 + k], l.totals().levels[k]) << k;
}

TEST_F(ListFileTest, FoodListReadsBackAndWritesTheSameBytes) {
    FoodList l = twoItems();
    const std::filesystem::path p = saved(l, "two.fls");

    FoodList back(&tree.db, "12/12/12");
    ASSERT_EQ(back.readFile(p, false, platform), kReadOk);
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(back.itemCount(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(back.item(i).foodId(), l.item(i).foodId());
        EXPECT_EQ(back.item(i).entryUnit(), l.item(i).entryUnit());
        EXPECT_EQ(back.item(i).displayUnit(), l.item(i).displayUnit());
        EXPECT_EQ(back.item(i).servings(), l.item(i).servings());
        EXPECT_EQ(back.item(i).name(), l.item(i).name());
        EXPECT_EQ(back.item(i).record(), l.item(i).record());
    }
    EXPECT_EQ(back.totals(), l.totals());
    EXPECT_EQ(back.totalGrams(), l.totalGrams());
    EXPECT_EQ(back.pctFat(), l.pctFat());
    EXPECT_EQ(back.date(), "01/02/99");
    EXPECT_EQ(back.path(), p.string());
    EXPECT_EQ(back.currentIndex(), 0);
    EXPECT_EQ(tree.db.entries()[*tree.db.currentEntry()].id, 101);
    EXPECT_GT(platform.waitCount, 0);
    EXPECT_EQ(platform.waitDepth, 0);

    back.setPath("");
    const std::filesystem::path again = saved(back, "again.fls");
    EXPECT_EQ(test::fileBytes(again), test::fileBytes(p));
}

TEST_F(ListFileTest, RecipeKeepsItsFieldsInstructionsAndServingsExactly) {
    FoodList r = recipe();
    ASSERT_TRUE(r.writeRecipeFile(platform));
    const std::vector<std::uint8_t> b = test::fileBytes(r.path());
    EXPECT_EQ(word(b, 2), 0x0BBB);

    FoodList back(&tree.db);
    back.setListType(FoodList::kRecipe);
    ASSERT_EQ(back.readRecipeFile(r.path(), platform), kReadOk);
    EXPECT_EQ(back.recipeFoodId(), 29001);
    EXPECT_TRUE(back.hasRecipeEntry());
    EXPECT_EQ(back.servingDescription(), "one bowl");
    EXPECT_EQ(back.servingCount(), 0.3f);
    EXPECT_EQ(back.recipeName(), "Apple stew");
    EXPECT_EQ(back.instructions(), (std::vector<std::string>{"Peel the apples.", "", "Stew them slowly."}));
    EXPECT_EQ(back.date(), "05/06/07");
    ASSERT_EQ(back.itemCount(), 1u);
    EXPECT_EQ(back.item(0).servings(), 3.0f);
    ASSERT_TRUE(back.writeRecipeFile(platform));
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
    EXPECT_FALSE(back.hasRecipeEntry());
}

// Whatever was in the list before a failed read is still there after it.
void expectUnchanged(const FoodList& l, std::uint64_t revision, std::size_t items, float calories) {
    EXPECT_EQ(l.revision(), revision);
    EXPECT_EQ(l.itemCount(), items);
    EXPECT_EQ(l.totals().value(0), calories);
}

TEST_F(ListFileTest, EveryCutOfAFileIsReportedAsTruncatedAndChangesNothing) {
    const std::vector<std::uint8_t> whole = test::fileBytes(saved(twoItems(), "two.fls"));
    FoodList r = recipe();
    ASSERT_TRUE(r.writeRecipeFile(platform));
    const std::vector<std::uint8_t> wholeRecipe = test::fileBytes(r.path());

    for (int kind = 0; kind < 2; ++kind) {
        const std::vector<std::uint8_t>& full = kind == 0 ? whole : wholeRecipe;
        for (std::size_t cut = 0; cut < full.size(); ++cut) {
            const std::filesystem::path p = tree.listFile("cut.fls");
            test::writeBytes(p, std::vector<std::uint8_t>(full.begin(), full.begin() + long(cut)));
            FoodList open(&tree.db, "01/01/01");
            if (kind == 1) open.setListType(FoodList::kRecipe);
            ASSERT_TRUE(open.addFood(tree.entry(101), kUnitServings));
            const std::uint64_t rev = open.revision();
            const float cal = open.totals().value(0);
            platform.messages.clear();

            EXPECT_EQ(open.readFile(p, false, platform), kReadFormatError) << kind << " cut at " << cut;
            EXPECT_EQ(platform.messageTexts(),
                      std::vector<std::string>{"... input file has been truncated, can't read ..."})
                << kind << " cut at " << cut;
            expectUnchanged(open, rev, 1, cal);
            EXPECT_EQ(open.path(), "");
        }
    }
}

TEST_F(ListFileTest, ACountBeyondTheFileIsTruncationBeforeAnyItemIsLookedAt) {
    std::vector<std::uint8_t> b = test::fileBytes(saved(twoItems(), "two.fls"));
    b[14] = 0xFF;
    b[15] = 0xFF;
    const std::filesystem::path p = tree.listFile("big.fls");
    test::writeBytes(p, b);
    FoodList l(&tree.db);
    EXPECT_EQ(l.readFile(p, false, platform), kReadFormatError);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"... input file has been truncated, can't read ..."});
}

TEST_F(ListFileTest, FilesOfTheWrongKindAreNotInTheRightFormat) {
    FoodList r = recipe();
    ASSERT_TRUE(r.writeRecipeFile(platform));
    const std::vector<std::uint8_t> fls = test::fileBytes(saved(twoItems(), "two.fls"));

    struct Case {
        std::vector<std::uint8_t> bytes;
        bool asRecipe;
        const char* message;
    };
    std::vector<Case> cases;
    cases.push_back({test::fileBytes(r.path()), false, "... input file is not in FOOD LIST format ..."});
    cases.push_back({fls, true, "... input file is not in RECIPE format ..."});
    std::vector<std::uint8_t> badLead = fls;
    badLead[0] = 0xAE;
    cases.push_back({badLead, false, "... input file is not in FOOD LIST format ..."});
    // A food list mark with the recipe list type would come back as a recipe.
    std::vector<std::uint8_t> mixed = fls;
    mixed[20] = 1;
    cases.push_back({mixed, false, "... input file is not in FOOD LIST format ..."});
    cases.push_back({{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}, false,
                     "... input file is not in FOOD LIST format ..."});

    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::filesystem::path p = tree.listFile("wrong.fls");
        test::writeBytes(p, cases[i].bytes);
        FoodList l(&tree.db);
        if (cases[i].asRecipe) l.setListType(FoodList::kRecipe);
        const std::uint64_t rev = l.revision();
        platform.messages.clear();
        EXPECT_EQ(l.readFile(p, false, platform), kReadFormatError) << i;
        EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{cases[i].message}) << i;
        expectUnchanged(l, rev, 0, 0.0f);
    }
}

TEST_F(ListFileTest, MissingFileIsNotFoundWithoutAMessage) {
    FoodList l(&tree.db);
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
    const std::filesystem::path p = saved(l, "gone.fls");

    FoodList back(&tree.db);
    ASSERT_EQ(back.readFile(p, false, platform), kReadOk);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>(2, " ... FOOD ITEM not found for Recipe or FoodList ... "));
    ASSERT_EQ(back.itemCount(), 2u);
    EXPECT_EQ(back.item(0).foodId(), 101);
    EXPECT_EQ(back.item(1).foodId(), 102);

    FoodList none(&tree.db, "01/02/99");
    none.append(FoodItem(999));
    const std::filesystem::path q = saved(none, "none.fls");
    FoodList empty(&tree.db);
    platform.messages.clear();
    ASSERT_EQ(empty.readFile(q, false, platform), kReadOk);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(empty.itemCount(), 0u);
    EXPECT_EQ(empty.current(), nullptr);
}

TEST_F(ListFileTest, StoredTotalsStandUntilTheNextChange) {
    std::vector<std::uint8_t> b = test::fileBytes(saved(twoItems(), "two.fls"));
    putF32(b, 42, 12345.0f); // calories total
    const std::filesystem::path p = tree.listFile("stored.fls");
    test::writeBytes(p, b);

    FoodList l(&tree.db);
    ASSERT_EQ(l.readFile(p, false, platform), kReadOk);
    EXPECT_EQ(l.totals().value(0), 12345.0f);
    EXPECT_FLOAT_EQ(l.totalGrams(), 488.0f + 1.5f * 138.0f); // the weight is that of the items found
    l.stepCurrentAmount(true);
    l.stepCurrentAmount(false);
    EXPECT_NEAR(l.totals().value(0), twoItems().totals().value(0), 1e-2);
}

TEST_F(ListFileTest, EmptyDateBecomesToday) {
    FoodList l(&tree.db, "");
    ASSERT_TRUE(l.addFood(tree.entry(101), kUnitServings));
    const std::filesystem::path p = saved(l, "nodate.fls");
    platform.clock = LocalDateTime{2026, 12, 6, 9, 0, 0};
    FoodList back(&tree.db, "01/01/01");
    ASSERT_EQ(back.readFile(p, false, platform), kReadOk);
    EXPECT_EQ(back.date(), "12/06/26");
}

TEST_F(ListFileTest, MergingAListIntoItselfDoublesIt) {
    const std::filesystem::path p = saved(twoItems(), "two.fls");
    FoodList l(&tree.db, "09/09/09");
    ASSERT_EQ(l.readFile(p, false, platform), kReadOk);
    const NutrientRecord single = l.totals();
    const float grams = l.totalGrams();
    l.setPath("kept.fls");

    ASSERT_EQ(l.readFile(p, true, platform), kReadOk);
    ASSERT_EQ(l.itemCount(), 4u);
    EXPECT_EQ(l.item(2).foodId(), 101);
    EXPECT_EQ(l.item(3).foodId(), 102);
    for (int n = 0; n < kNutrientCount; ++n) EXPECT_FLOAT_EQ(l.totals().value(n), 2 * single.value(n)) << n;
    EXPECT_FLOAT_EQ(l.totalGrams(), 2 * grams);
    EXPECT_EQ(l.path(), "kept.fls");
    EXPECT_EQ(l.currentIndex(), 0);
    EXPECT_FALSE(l.merging());
}

TEST_F(ListFileTest, MergeTakesTheFilesDateAndRecomputesFromTheItems) {
    std::vector<std::uint8_t> b = test::fileBytes(saved(twoItems(), "two.fls"));
    putF32(b, 42, 12345.0f);
    const std::filesystem::path p = tree.listFile("stored.fls");
    test::writeBytes(p, b);
    FoodList l(&tree.db, "09/09/09");
    ASSERT_TRUE(l.addFood(tree.entry(102), kUnitServings));
    ASSERT_EQ(l.readFile(p, true, platform), kReadOk);
    EXPECT_EQ(l.date(), "01/02/99");
    EXPECT_EQ(l.itemCount(), 3u);
    const FoodList expected = twoItems();
    EXPECT_NEAR(l.totals().value(0), expected.totals().value(0) + 52.0f * 1.38f, 1e-2);
}

TEST_F(ListFileTest, RecipeMergesIntoAFoodListAsStored) {
    FoodList r = recipe(); // three servings of apple, for 0.3 servings of stew
    ASSERT_TRUE(r.writeRecipeFile(platform));
    FoodList l(&tree.db);
    ASSERT_TRUE(l.addFood(tree.entry(101), kUnitServings));
    const std::uint64_t rev = l.revision();
    ASSERT_EQ(l.mergeOtherKind(r.path(), platform), kReadOk);
    EXPECT_GT(l.revision(), rev);
    ASSERT_EQ(l.itemCount(), 2u);
    EXPECT_EQ(l.item(1).foodId(), 102);
    EXPECT_EQ(l.item(1).servings(), 3.0f);
    EXPECT_EQ(l.item(1).name(), "Apple");
    EXPECT_FALSE(l.isRecipe());
    EXPECT_NEAR(l.totals().value(0), 50.0f * 2.44f + 3 * 52.0f * 1.38f, 1e-2);
}

TEST_F(ListFileTest, FoodListMergesIntoARecipe) {
    const std::filesystem::path p = saved(twoItems(), "two.fls");
    FoodList r = recipe();
    ASSERT_EQ(r.mergeOtherKind(p, platform), kReadOk);
    EXPECT_EQ(r.itemCount(), 3u);
    EXPECT_TRUE(r.isRecipe());
    EXPECT_EQ(r.recipeName(), "Apple stew");

    // The kinds must differ: a recipe is not a food list file.
    FoodList other = recipe();
    ASSERT_TRUE(other.writeRecipeFile(platform));
    platform.messages.clear();
    EXPECT_EQ(r.mergeOtherKind(other.path(), platform), kReadFormatError);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"... input file is not in FOOD LIST format ..."});
    EXPECT_EQ(r.itemCount(), 3u);
    EXPECT_EQ(r.mergeOtherKind(tree.listFile("missing.fls"), platform), kReadNotFound);
}

TEST_F(ListFileTest, WriteFailuresAreReportedAndLeaveNoFile) {
    FoodList l = twoItems();
    const std::filesystem::path nowhere = tree.paths().root / "no-such-folder" / "x.fls";
    EXPECT_FALSE(l.writeFile(nowhere, platform));
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{" can't open file for writing ..."});
    EXPECT_FALSE(std::filesystem::exists(nowhere));

    platform.messages.clear();
    FoodList r = recipe();
    r.setPath("");
    EXPECT_FALSE(r.writeRecipeFile(platform));
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"... can't write recipe file ..."});
}

} // namespace
} // namespace korva
