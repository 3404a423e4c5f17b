#include "core/food_data_base.h"

#include <gtest/gtest.h>

#include "archive/archive.h"
#include "archive/atomic_file.h"
#include "tests/core/store_fixture.h"

namespace korva {
namespace {

using test::StoreFixture;
using FoodIndexLoad = StoreFixture;

TEST_F(FoodIndexLoad, ReadsBackWhatWasSavedAndRecomputesPositions) {
    std::vector<ShortFood> entries{food(0, "Apple", 10), food(0, "banana", 11), food(2, "Cod", 12),
                                   food(23, "Stew", 29000)};
    for (ShortFood& e : entries) e.indexInCategory = 777; // never trusted
    entries[1].servingText = "1 medium";
    entries[1].gramsPerServing = 118.5f;
    writeConsolidatedTree(entries);

    ASSERT_TRUE(db.loadIndex());
    ASSERT_EQ(db.totalFoods(), 4u);
    EXPECT_EQ(db.entries()[1].name, "banana");
    EXPECT_EQ(db.entries()[1].servingText, "1 medium");
    EXPECT_FLOAT_EQ(db.entries()[1].gramsPerServing, 118.5f);
    EXPECT_EQ(db.entries()[2].recordNumber, 2);
    EXPECT_TRUE(db.entries()[3].isArchived());
    EXPECT_EQ(db.entries()[0].indexInCategory, 0);
    EXPECT_EQ(db.entries()[1].indexInCategory, 1);
    EXPECT_EQ(db.entries()[2].indexInCategory, 0);
    EXPECT_EQ(db.entries()[3].indexInCategory, 0);
}

TEST_F(FoodIndexLoad, LastUserFoodIdIsTheHighestInTheUserRange) {
    writeConsolidatedTree({food(0, "a", 24999), food(0, "b", 25007), food(1, "c", 25003), food(23, "r", 29001)});
    db.state().lastUserFoodId = 26000; // the state file's number gives way to the index
    ASSERT_TRUE(db.loadIndex());
    EXPECT_EQ(db.state().lastUserFoodId, 25007);

    writeConsolidatedTree({food(0, "a", 24999), food(23, "r", 29000)});
    ASSERT_TRUE(db.loadIndex());
    EXPECT_EQ(db.state().lastUserFoodId, 25000);
    EXPECT_EQ(db.nextUserFoodId(4), 25001);
}

TEST_F(FoodIndexLoad, MissingFileFailsAndKeepsTheOldIndex) {
    writeConsolidatedTree({food(0, "a", 1), food(1, "b", 2)});
    ASSERT_TRUE(db.loadIndex());
    std::filesystem::remove(paths.indexSer());
    EXPECT_FALSE(db.loadIndex());
    EXPECT_EQ(db.totalFoods(), 2u);
}

TEST_F(FoodIndexLoad, IndexCutAtEveryOffsetIsRefusedWithoutHarm) {
    writeConsolidatedTree({food(0, "Apple", 10), food(0, "Bean", 11), food(5, "Cod", 12), food(23, "Stew", 29000)});
    auto bytes = readWholeFile(paths.indexSer());
    ASSERT_TRUE(bytes);

    FoodDataBase other(paths);
    ASSERT_TRUE(other.loadIndexFromBytes(*bytes));
    other.setCurrentCategory(5);
    other.rebuildCategoryTables();
    for (std::size_t cut = 0; cut < bytes->size(); ++cut) {
        std::vector<std::uint8_t> part(bytes->begin(), bytes->begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_FALSE(other.loadIndexFromBytes(part)) << "cut at " << cut;
        ASSERT_EQ(other.totalFoods(), 4u) << "cut at " << cut;
        EXPECT_EQ(other.currentCategory(), 5);
    }
}

// The file as it lies on disk, laid out byte by byte: the class tag of the
// list, the count, then the entries (the first with its class tag, the rest
// naming class index 3).
std::vector<std::uint8_t> handMadeIndex() {
    std::vector<std::uint8_t> b;
    auto word = [&](std::uint16_t w) { b.push_back(std::uint8_t(w)); b.push_back(std::uint8_t(w >> 8)); };
    auto text = [&](const std::string& t) { b.push_back(std::uint8_t(t.size())); b.insert(b.end(), t.begin(), t.end()); };
    auto entry = [&](std::uint16_t id, std::uint16_t cat, std::uint16_t rec, std::uint16_t pos, std::uint32_t gramsBits,
                     std::uint16_t flags, const std::string& name, const std::string& serving) {
        word(id), word(cat), word(rec), word(pos), word(std::uint16_t(gramsBits)), word(std::uint16_t(gramsBits >> 16));
        word(flags), text(name), text(serving);
    };
    word(0xFFFF), word(0), word(7);
    for (char c : std::string("CSFList")) b.push_back(std::uint8_t(c));
    word(3);
    word(0xFFFF), word(0), word(9);
    for (char c : std::string("ShortFood")) b.push_back(std::uint8_t(c));
    entry(101, 0, 0, 0, 0x42C80000, 4, "Butter, salted", "1 tbsp"); // 100.0f
    word(0x8003);
    entry(205, 3, 1, 0, 0x43700000, 4, "Milk, whole", "1 cup"); // 240.0f
    word(0x8003);
    entry(25004, 3, 0, 1, 0x42480000, 2, "my shake", "1 glass"); // 50.0f
    return b;
}

TEST_F(FoodIndexLoad, ReadsAndWritesTheDocumentedByteLayout) {
    const auto bytes = handMadeIndex();
    ASSERT_TRUE(db.loadIndexFromBytes(bytes));
    ASSERT_EQ(db.totalFoods(), 3u);
    const ShortFood& shake = db.entries()[2];
    EXPECT_EQ(shake.id, 25004);
    EXPECT_EQ(shake.category, 3);
    EXPECT_EQ(shake.recordNumber, 0);
    EXPECT_FALSE(shake.isArchived());
    EXPECT_FLOAT_EQ(shake.gramsPerServing, 50.0f);
    EXPECT_EQ(shake.name, "my shake");
    EXPECT_EQ(shake.servingText, "1 glass");
    EXPECT_EQ(db.state().lastUserFoodId, 25004);

    ASSERT_TRUE(db.saveIndex());
    EXPECT_EQ(readWholeFile(paths.indexSer()), bytes);
}

// Builds index bytes for entries that the loader must refuse.
std::vector<std::uint8_t> indexBytes(std::vector<ShortFood> entries) {
    CSFList list;
    list.entries = std::move(entries);
    Archive ar = Archive::inMemory();
    ar.writeObject(&list);
    return ar.bytes();
}

TEST_F(FoodIndexLoad, DamagedContentsAreRefused) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    ShortFood far = food(0, "x", 1);
    far.category = 24;
    std::vector<std::uint8_t> nullTop{0x00, 0x00};
    std::vector<std::uint8_t> wrongTop = indexBytes({});
    wrongTop[8] = 'X'; // "CSFList" becomes "CSXList"
    const Case cases[] = {
        {"category past 23", indexBytes({food(0, "a", 1), far})},
        {"categories out of order", indexBytes({food(3, "a", 1), food(2, "b", 2)})},
        {"null top object", nullTop},
        {"unknown top class", wrongTop},
        {"empty file", {}},
    };
    for (const Case& c : cases) {
        FoodDataBase fresh(paths);
        EXPECT_FALSE(fresh.loadIndexFromBytes(c.bytes)) << c.what;
        EXPECT_EQ(fresh.totalFoods(), 0u) << c.what;
    }
    FoodDataBase fresh(paths);
    EXPECT_TRUE(fresh.loadIndexFromBytes(indexBytes({}))) << "an empty index is a valid one";
}

using CategoryTables = StoreFixture;

TEST_F(CategoryTables, CountsFirstRecordsAndFirstEntriesSkipEmptyCategories) {
    writeConsolidatedTree(entriesWithCounts({5, 0, 3, 1}));
    ASSERT_TRUE(db.loadIndex());
    EXPECT_EQ(db.foodCount(0), 5);
    EXPECT_EQ(db.foodCount(1), 0);
    EXPECT_EQ(db.foodCount(2), 3);
    EXPECT_EQ(db.foodCount(3), 1);
    const int expectedFirst[] = {0, 5, 5, 8, 9, 9};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(db.firstRecord(c), expectedFirst[c]) << c;
    EXPECT_EQ(db.firstRecord(23), 9);
    EXPECT_EQ(db.firstEntry(0), 0u);
    EXPECT_EQ(db.firstEntry(1), 5u);
    EXPECT_EQ(db.firstEntry(2), 5u);
    EXPECT_EQ(db.firstEntry(3), 8u);
    EXPECT_EQ(db.firstEntry(4), std::nullopt); // past the end
    EXPECT_EQ(db.firstEntry(23), std::nullopt);
    EXPECT_EQ(db.entries()[7].indexInCategory, 2);
}

TEST_F(CategoryTables, EmptyCurrentCategoryMovesOneStepOnly) {
    writeConsolidatedTree(entriesWithCounts({2, 0, 0, 4}));
    ASSERT_TRUE(db.loadIndex());
    EXPECT_EQ(db.currentCategory(), 0);
    EXPECT_EQ(db.currentEntry(), 0u);

    db.setCurrentCategory(1);
    db.rebuildCategoryTables();
    EXPECT_EQ(db.currentCategory(), 2) << "moves on although category 2 is empty too";
    EXPECT_EQ(db.currentEntry(), std::nullopt);
    EXPECT_EQ(db.entryInCurrentCategory(0), nullptr);
    EXPECT_TRUE(db.categoryNames().empty());

    db.rebuildCategoryTables();
    EXPECT_EQ(db.currentCategory(), 3);
    EXPECT_EQ(db.currentEntry(), 2u);

    db.setCurrentCategory(23);
    db.rebuildCategoryTables();
    EXPECT_EQ(db.currentCategory(), 0) << "23 wraps to 0";
}

TEST_F(CategoryTables, LookupsStayInsideTheCurrentCategory) {
    std::vector<ShortFood> entries = entriesWithCounts({2, 3});
    entries.push_back(food(23, "Chili", 29004));
    entries.push_back(food(23, "Stew", 29002));
    entries[3].id = 1000; // a second entry with the id of the first
    writeConsolidatedTree(entries);
    ASSERT_TRUE(db.loadIndex());

    db.setCurrentCategory(1);
    db.rebuildCategoryTables();
    ASSERT_NE(db.entryInCurrentCategory(2), nullptr);
    EXPECT_EQ(db.entryInCurrentCategory(2)->name, "F1-2");
    EXPECT_EQ(db.positionInCurrentCategory(0), 2u);
    EXPECT_EQ(db.entryInCurrentCategory(3), nullptr) << "not the next category's entry";
    EXPECT_EQ(db.entryInCurrentCategory(-1), nullptr);
    EXPECT_EQ(db.categoryNames(), (std::vector<std::string>{"F1-0", "F1-1", "F1-2"}));

    EXPECT_EQ(db.findPositionById(1000), 0u) << "the first entry with the id";
    EXPECT_EQ(db.findEntryById(29002)->name, "Stew");
    EXPECT_EQ(db.findEntryById(4242), nullptr);
    EXPECT_EQ(db.recipeIdAt(0), 29004);
    EXPECT_EQ(db.recipeIdAt(1), 29002);
    EXPECT_EQ(db.recipeIdAt(2), std::nullopt);
}

TEST_F(CategoryTables, EmptyIndexHasNoEntriesAnywhere) {
    db.rebuildCategoryTables();
    for (int c = 0; c < kCategoryCount; ++c) {
        EXPECT_EQ(db.foodCount(c), 0);
        EXPECT_EQ(db.firstEntry(c), std::nullopt);
    }
    EXPECT_EQ(db.currentEntry(), std::nullopt);
    EXPECT_EQ(db.recipeIdAt(0), std::nullopt);
}

} // namespace
} // namespace korva
