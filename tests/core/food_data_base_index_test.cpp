#include "core/food_data_base.h"

#include <gtest/gtest.h>

#include "archive/archive.h"
#include "archive/atomic_file.h"
#include "tests/support/data_tree.h"

namespace korva {
namespace {

using namespace test;

struct StoreTest : ::testing::Test {
    void TearDown() override { db.records().endCategoryScan(); }
    DataTree tree;
    DataPaths paths = tree.paths();
    FoodDataBase db{paths};
};
using FoodIndexLoad = StoreTest;

std::vector<std::uint8_t> indexBytes(std::vector<ShortFood> entries) {
    CSFList list;
    list.entries = std::move(entries);
    Archive ar = Archive::inMemory();
    ar.writeObject(&list);
    return ar.bytes();
}

TEST_F(FoodIndexLoad, RecomputesPositionsAndSavesWhatItHolds) {
    std::vector<ShortFood> entries{newFood(10, 0, "Apple"), newFood(11, 0, "banana"), newFood(12, 2, "Cod"),
                                   newFood(29000, 23, "Stew")};
    for (ShortFood& e : entries) e.indexInCategory = 777; // never trusted
    entries[1].servingText = "1 medium";
    entries[1].flags = 2;
    const auto bytes = indexBytes(entries);
    ASSERT_TRUE(db.loadIndexFromBytes(bytes));
    ASSERT_EQ(db.index().totalFoods(), 4u);
    EXPECT_EQ(db.index().entries()[1].servingText, "1 medium");
    EXPECT_FALSE(db.index().entries()[1].isArchived());
    const int positions[] = {0, 1, 0, 0};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(db.index().entries()[std::size_t(i)].indexInCategory, positions[i]) << i;

    ASSERT_TRUE(db.saveIndex());
    EXPECT_EQ(readWholeFile(paths.indexSer()), indexBytes(db.index().entries()));
}

TEST_F(FoodIndexLoad, LastUserFoodIdIsTheHigherOfTheStateFileAndTheIndex) {
    tree.writeTagged({newFood(24999, 0, "a"), newFood(25007, 0, "b"), newFood(25003, 1, "c"), newFood(29001, 23, "r")});
    db.state().lastUserFoodId = 25002; // older than the index
    ASSERT_TRUE(db.loadIndex());
    EXPECT_EQ(db.state().lastUserFoodId, 25007);
    // Foods up to 26000 were handed out and deleted since: none of their ids
    // comes back.
    db.state().lastUserFoodId = 26000;
    ASSERT_TRUE(db.loadIndex());
    EXPECT_EQ(db.state().nextUserFoodId(4), 26001);
    db.state().lastUserFoodId = 31000; // damaged: the index decides
    ASSERT_TRUE(db.loadIndex());
    EXPECT_EQ(db.state().lastUserFoodId, 25007);
}

TEST_F(FoodIndexLoad, MissingCutOrDamagedIndexIsRefusedAndKeepsTheOldOne) {
    tree.writeTagged(
        {newFood(10, 0, "Apple"), newFood(11, 0, "Bean"), newFood(12, 5, "Cod"), newFood(29000, 23, "Stew")});
    const auto bytes = readWholeFile(paths.indexSer());
    ASSERT_TRUE(bytes);
    ASSERT_TRUE(db.loadIndex());
    db.selection().setCurrentCategory(5);
    db.rebuildCategoryTables();

    ShortFood far = newFood(1, 0, "x");
    far.category = 24;
    std::vector<std::uint8_t> wrongTop = indexBytes({});
    wrongTop[8] = 'X'; // "CSFList" becomes "CSXList"
    // Two entries, the second a reference back to the first (object 4, after
    // the list's class and object and the entry's class).
    std::vector<std::uint8_t> twice = indexBytes({newFood(1, 0, "a")});
    twice[13] = 2;
    twice.insert(twice.end(), {0x04, 0x00});
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> cases{
        {"category past 23", indexBytes({newFood(1, 0, "a"), far})},
        {"categories out of order", indexBytes({newFood(1, 3, "a"), newFood(2, 2, "b")})},
        {"null top object", {0x00, 0x00}},
        {"unknown top class", wrongTop},
        {"entry listed twice", twice},
        {"null entry", {0xFF, 0xFF, 0, 0, 7, 0, 'C', 'S', 'F', 'L', 'i', 's', 't', 1, 0, 0, 0}},
        {"entry where the index belongs", {0xFF, 0xFF, 0, 0, 9, 0, 'S', 'h', 'o', 'r', 't', 'F', 'o', 'o', 'd'}},
    };
    for (std::size_t cut = 0; cut < bytes->size(); ++cut)
        cases.emplace_back("cut at " + std::to_string(cut),
                           std::vector<std::uint8_t>(bytes->begin(), bytes->begin() + std::ptrdiff_t(cut)));
    for (const auto& [what, damaged] : cases) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(db.loadIndexFromBytes(damaged));
        ASSERT_EQ(db.index().totalFoods(), 4u);
        EXPECT_EQ(db.selection().currentCategory(), 5);
    }
    std::filesystem::remove(paths.indexSer());
    EXPECT_FALSE(db.loadIndex());
    EXPECT_EQ(db.index().totalFoods(), 4u);
    EXPECT_TRUE(db.loadIndexFromBytes(indexBytes({}))) << "an empty index is a valid one";
}

using CategoryTables = StoreTest;

TEST_F(CategoryTables, CountsFirstRecordsAndFirstEntriesSkipEmptyCategories) {
    tree.writeTagged(entriesWithCounts({5, 0, 3, 1}));
    ASSERT_TRUE(db.loadIndex());
    const struct {
        int category, count, firstRecord;
        std::optional<std::size_t> firstEntry;
        // clang-format off
    } table[] = {{0, 5, 0, 0}, {1, 0, 5, 5}, {2, 3, 5, 5}, {3, 1, 8, 8},
                 {23, 0, 9, std::nullopt}};
    // clang-format on
    for (const auto& t : table) {
        SCOPED_TRACE(t.category);
        EXPECT_EQ(db.index().foodCount(t.category), t.count);
        EXPECT_EQ(db.index().firstRecord(t.category), t.firstRecord);
        EXPECT_EQ(db.index().firstEntry(t.category), t.firstEntry);
    }
    EXPECT_EQ(db.index().entries()[7].indexInCategory, 2);

    FoodDataBase empty(paths);
    empty.rebuildCategoryTables();
    EXPECT_EQ(empty.index().firstEntry(0), std::nullopt);
    EXPECT_EQ(empty.selection().currentEntry(), std::nullopt);
    EXPECT_EQ(empty.index().recipeIdAt(0), std::nullopt);
}

TEST_F(CategoryTables, EmptyCurrentCategoryMovesOneStepOnly) {
    tree.writeTagged(entriesWithCounts({2, 0, 0, 4}));
    ASSERT_TRUE(db.loadIndex());
    db.selection().setCurrentCategory(1);
    db.rebuildCategoryTables();
    EXPECT_EQ(db.selection().currentCategory(), 2) << "moves on although category 2 is empty too";
    EXPECT_EQ(db.selection().currentEntry(), std::nullopt);
    EXPECT_EQ(db.selection().entryInCurrentCategory(0), nullptr);

    db.rebuildCategoryTables();
    EXPECT_EQ(db.selection().currentCategory(), 3);
    EXPECT_EQ(db.selection().currentEntry(), 2u);

    db.selection().setCurrentCategory(23);
    db.rebuildCategoryTables();
    EXPECT_EQ(db.selection().currentCategory(), 0) << "23 wraps to 0";
}

TEST_F(CategoryTables, LookupsStayInsideTheCurrentCategory) {
    std::vector<ShortFood> entries = entriesWithCounts({2, 3});
    entries.push_back(newFood(29004, 23, "Chili"));
    entries.push_back(newFood(29002, 23, "Stew"));
    entries[3].id = 1000; // a second entry with the id of the first
    tree.writeTagged(entries);
    ASSERT_TRUE(db.loadIndex());

    db.selection().setCurrentCategory(1);
    db.rebuildCategoryTables();
    ASSERT_NE(db.selection().entryInCurrentCategory(2), nullptr);
    EXPECT_EQ(db.selection().entryInCurrentCategory(2)->name, "F1-2");
    EXPECT_EQ(db.selection().positionInCurrentCategory(0), 2u);
    EXPECT_EQ(db.selection().entryInCurrentCategory(3), nullptr) << "not the next category's entry";
    EXPECT_EQ(db.selection().entryInCurrentCategory(-1), nullptr);
    EXPECT_EQ(db.selection().categoryNames(), (std::vector<std::string>{"F1-0", "F1-1", "F1-2"}));

    EXPECT_EQ(db.index().findPositionById(1000), 0u) << "the first entry with the id";
    EXPECT_EQ(db.index().findEntryById(4242), nullptr);
    EXPECT_EQ(db.index().recipeIdAt(1), 29002);
    EXPECT_EQ(db.index().recipeIdAt(2), std::nullopt);
}

} // namespace
} // namespace korva
