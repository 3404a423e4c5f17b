#include "core/food_data_base.h"

#include <gtest/gtest.h>

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
using FoodRecords = StoreTest;

TEST_F(FoodRecords, WriteInPlaceChangesOnlyThatRecord) {
    tree.writeTagged(entriesWithCounts({3, 2}));
    ASSERT_TRUE(db.loadIndex());
    NutrientRecord r;
    ASSERT_TRUE(db.records().readFoodRecord(db.index().entries()[4], r));
    EXPECT_EQ(r, taggedRecord(db.index().entries()[4].id, 1, 4.0f));

    auto expected = fileBytes(paths.foodsArc());
    const NutrientRecord changed = taggedRecord(db.index().entries()[2].id, 0, 99.5f);
    ASSERT_TRUE(db.records().writeFoodRecord(db.index().entries()[2], changed));
    changed.toBytes(expected.data() + 2 * NutrientRecord::kBytes);
    EXPECT_EQ(fileBytes(paths.foodsArc()), expected);
}

TEST_F(FoodRecords, RecordPastTheEndOrMissingFileIsAFailureAndChangesNothing) {
    tree.writeTagged(entriesWithCounts({3}));
    ASSERT_TRUE(db.loadIndex());
    const NutrientRecord before = taggedRecord(7, 7, 7.0f);
    NutrientRecord r = before;

    ShortFood beyond = db.index().entries()[0];
    beyond.recordNumber = 3;
    EXPECT_FALSE(db.records().writeFoodRecord(beyond, taggedRecord(1, 1, 1.0f)));
    EXPECT_EQ(std::filesystem::file_size(paths.foodsArc()), 3 * NutrientRecord::kBytes) << "no gap appended";

    // The last record cut short by a damaged file.
    std::filesystem::resize_file(paths.foodsArc(), 2 * NutrientRecord::kBytes + 100);
    ShortFood unarchived = db.index().entries()[0];
    unarchived.flags = 0; // and no uncons.arc
    for (const ShortFood& e : {beyond, db.index().entries()[2], unarchived}) {
        EXPECT_FALSE(db.records().readFoodRecord(e, r)) << e.recordNumber;
        EXPECT_EQ(r, before);
    }
    std::filesystem::remove(paths.foodsArc());
    EXPECT_FALSE(db.records().readFoodRecord(db.index().entries()[0], r));
    EXPECT_FALSE(db.records().writeFoodRecord(db.index().entries()[0], before));
    EXPECT_FALSE(std::filesystem::exists(paths.foodsArc()));
}

using FoodAdding = StoreTest;

TEST_F(FoodAdding, EntriesGoAfterEqualOrLowerNamesOfTheirCategory) {
    tree.writeTagged({newFood(1, 2, "Bean"), newFood(2, 2, "carrot"), newFood(3, 2, "Pea"), newFood(4, 5, "Lamb")});
    ASSERT_TRUE(db.loadIndex());
    const struct {
        int category;
        const char* name;
        std::size_t position;
    } additions[] = {
        // clang-format off
        {2, "CARROT", 2},   {2, "apple", 0},
        {2, "Zucchini", 5}, // last of its category, before category 5
        {3, "Egg", 6},      // an empty category lies before the next one present
        {0, "Oat", 0},      {23, "Soup", 9},
        // clang-format on
    };
    std::uint16_t id = 25001;
    for (const auto& a : additions) {
        SCOPED_TRACE(a.name);
        std::size_t pos = 99;
        ASSERT_EQ(db.addFood(newFood(id++, a.category, a.name), {}, &pos), FoodDataBase::AddOutcome::added);
        EXPECT_EQ(pos, a.position);
    }
    EXPECT_EQ(namesOfCategory(db, 2),
              (std::vector<std::string>{"apple", "Bean", "carrot", "CARROT", "Pea", "Zucchini"}));
    EXPECT_EQ(db.index().firstRecord(5), 8);
    EXPECT_EQ(db.index().entries()[3].indexInCategory, 2);
}

TEST_F(FoodAdding, NewEntryIsUnarchivedInTheNextSlotAndTheStateSaysSo) {
    tree.writeTagged(entriesWithCounts({2}));
    ASSERT_TRUE(db.loadIndex());
    db.state().unconsolidated = 3;
    db.state().setFlag(kConsolidated, true);
    db.state().setFlag(kNoInsertions, true);

    ShortFood e = newFood(25001, 1, "Kale");
    e.flags = 0xFFFF;
    std::size_t pos = 0;
    // The record's id and category come from the entry.
    ASSERT_EQ(db.addFood(e, taggedRecord(0, 0, 12.0f), &pos), FoodDataBase::AddOutcome::added);

    const ShortFood& added = db.index().entries()[pos];
    EXPECT_EQ(added.flags, 0xFFFF & ~0x5);
    EXPECT_EQ(added.recordNumber, 3);
    EXPECT_EQ(db.state().unconsolidated, 4);
    EXPECT_FALSE(db.state().isSet(kConsolidated));
    EXPECT_FALSE(db.state().isSet(kNoInsertions));
    EXPECT_TRUE(db.state().indexModified());

    ASSERT_EQ(std::filesystem::file_size(paths.unconsArc()), 32 * NutrientRecord::kBytes);
    NutrientRecord back;
    ASSERT_TRUE(db.records().readFoodRecord(added, back));
    EXPECT_EQ(back, taggedRecord(25001, 1, 12.0f));
}

TEST_F(FoodAdding, ThirtySecondAdditionFillsTheLastSlotAndTheNextIsRefused) {
    tree.writeTagged(entriesWithCounts({1}));
    ASSERT_TRUE(db.loadIndex());
    for (int i = 0; i < kUnconsolidatedSlots; ++i) {
        auto id = db.state().nextUserFoodId(4);
        ASSERT_TRUE(id);
        ASSERT_EQ(db.addFood(newFood(*id, 4, "Food " + std::to_string(i)), taggedRecord(0, 0, float(i))),
                  FoodDataBase::AddOutcome::added);
    }
    const ShortFood* last = db.index().findEntryById(25032);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->recordNumber, 31);
    NutrientRecord r;
    ASSERT_TRUE(db.records().readFoodRecord(*last, r));
    EXPECT_EQ(r.value(0), 31.0f);

    const auto file = fileBytes(paths.unconsArc());
    EXPECT_EQ(db.canAddFood(), FoodDataBase::AddOutcome::tooManyUnconsolidated);
    EXPECT_EQ(db.addFood(newFood(25100, 4, "One too many"), {}), FoodDataBase::AddOutcome::tooManyUnconsolidated);
    EXPECT_EQ(db.index().totalFoods(), 33u);
    EXPECT_EQ(fileBytes(paths.unconsArc()), file);
    EXPECT_EQ(addOutcomeMessage(FoodDataBase::AddOutcome::tooManyUnconsolidated),
              "... too many new foods, you must CONSOLIDATE before next add ...");

    // The slots survive a restart.
    FoodDataBase again(paths);
    ASSERT_TRUE(again.records().readUnconsolidatedFile());
    EXPECT_EQ(again.records().unconsolidatedBuffer(), db.records().unconsolidatedBuffer());
}

TEST_F(FoodAdding, FailedWriteOrFullIndexLeavesEverythingAsItWas) {
    tree.writeTagged(entriesWithCounts({2}));
    ASSERT_TRUE(db.loadIndex());
    db.state().setFlag(kNoInsertions, true);
    std::filesystem::remove_all(paths.dataDir()); // nowhere to write uncons.arc

    EXPECT_EQ(db.addFood(newFood(25001, 0, "Kale"), taggedRecord(0, 0, 1.0f)), FoodDataBase::AddOutcome::writeFailed);
    EXPECT_EQ(db.index().totalFoods(), 2u);
    EXPECT_EQ(db.state().unconsolidated, 0);
    EXPECT_TRUE(db.state().isSet(kNoInsertions));
    EXPECT_FALSE(db.state().indexModified());
    EXPECT_EQ(db.records().unconsolidatedBuffer()[0], NutrientRecord{});

    // Record numbers are 16-bit: one more food than that has nowhere to go.
    std::filesystem::create_directories(paths.dataDir());
    db.index().mutableEntries().assign(kMaxRecords, newFood(1, 0, "same"));
    db.rebuildCategoryTables();
    EXPECT_EQ(db.addFood(newFood(25001, 0, "more"), {}), FoodDataBase::AddOutcome::tooManyRecords);
    EXPECT_EQ(db.index().totalFoods(), kMaxRecords);
    EXPECT_FALSE(std::filesystem::exists(paths.unconsArc()));
}

TEST_F(FoodAdding, EditOfAnUnconsolidatedFoodSurvivesTheNextAddition) {
    tree.writeTagged(entriesWithCounts({1}));
    ASSERT_TRUE(db.loadIndex());
    ASSERT_EQ(db.addFood(newFood(25001, 1, "Kale"), taggedRecord(0, 0, 1.0f)), FoodDataBase::AddOutcome::added);
    ASSERT_TRUE(db.records().writeFoodRecord(*db.index().findEntryById(25001), taggedRecord(25001, 1, 50.0f)));
    ASSERT_EQ(db.addFood(newFood(25002, 1, "Leek"), taggedRecord(0, 0, 2.0f)), FoodDataBase::AddOutcome::added);

    NutrientRecord r;
    ASSERT_TRUE(db.records().readFoodRecord(*db.index().findEntryById(25001), r));
    EXPECT_EQ(r.value(0), 50.0f);
    ASSERT_TRUE(db.records().readFoodRecord(*db.index().findEntryById(25002), r));
    EXPECT_EQ(r.value(0), 2.0f);
}

using FoodIds = StoreTest;

TEST_F(FoodIds, UserAndRecipeIdsStayInTheirOwnRanges) {
    db.state().lastUserFoodId = 28998;
    db.state().lastRecipeId = 28999;
    EXPECT_EQ(db.state().nextUserFoodId(22), 28999);
    EXPECT_EQ(db.state().nextUserFoodId(22), std::nullopt) << "stops before the recipe range";
    EXPECT_EQ(db.state().lastUserFoodId, 28999) << "a refusal uses up nothing";

    EXPECT_EQ(db.state().nextUserFoodId(kRecipeCategory), 29000);
    EXPECT_EQ(db.state().nextUserFoodId(kRecipeCategory), 29001);
    EXPECT_EQ(db.state().lastUserFoodId, 28999);
    db.state().lastRecipeId = 65535;
    EXPECT_EQ(db.state().nextUserFoodId(kRecipeCategory), std::nullopt) << "ids are 16-bit";
}

using UnconsolidatedFile = StoreTest;

TEST_F(UnconsolidatedFile, ShortOrMissingFileFailsAndKeepsTheBuffer) {
    EXPECT_FALSE(db.records().readUnconsolidatedFile());
    std::vector<std::uint8_t> bytes(32 * NutrientRecord::kBytes);
    taggedRecord(25001, 3, 8.0f).toBytes(bytes.data() + 5 * NutrientRecord::kBytes);
    ASSERT_TRUE(writeFileAtomically(paths.unconsArc(), bytes));
    ASSERT_TRUE(db.records().readUnconsolidatedFile());
    EXPECT_EQ(db.records().unconsolidatedBuffer()[5], taggedRecord(25001, 3, 8.0f));

    ASSERT_TRUE(writeFileAtomically(paths.unconsArc(), std::vector<std::uint8_t>(bytes.size() - 1, 0xAB)));
    EXPECT_FALSE(db.records().readUnconsolidatedFile());
    EXPECT_EQ(db.records().unconsolidatedBuffer()[5], taggedRecord(25001, 3, 8.0f));
}

using BlockScan = StoreTest;

TEST_F(BlockScan, ReadsWholeBlocksThenOnlyWhatRemains) {
    tree.writeTagged(entriesWithCounts({3, 70}));
    ASSERT_TRUE(db.loadIndex());
    db.state().archived = 73;
    ASSERT_TRUE(db.records().startCategoryScan(1));
    EXPECT_EQ(db.records().readNextBlock(), 32);
    EXPECT_EQ(db.records().blockRecord(0).value(0), 3.0f);
    EXPECT_EQ(db.records().readNextBlock(), 32);
    EXPECT_EQ(db.records().readNextBlock(), 6);
    EXPECT_EQ(db.records().blockRecord(5).value(0), 72.0f);
    EXPECT_EQ(db.records().readNextBlock(), 0);
    db.records().endCategoryScan();
    EXPECT_EQ(db.records().readNextBlock(), 0) << "no scan open";
}

TEST_F(BlockScan, ShortFileLeavesThePositionWhereItWasAndBadScansFail) {
    EXPECT_FALSE(db.records().startCategoryScan(0)) << "no foods.arc";
    tree.writeTagged(entriesWithCounts({40}));
    ASSERT_TRUE(db.loadIndex());
    EXPECT_FALSE(db.records().startCategoryScan(24));
    EXPECT_FALSE(db.records().startCategoryScan(-1));
    db.state().archived = 50; // more than the file holds
    ASSERT_TRUE(db.records().startCategoryScan(0));
    EXPECT_EQ(db.records().readNextBlock(), 32);
    EXPECT_EQ(db.records().readNextBlock(), 0);
    db.state().archived = 40;
    EXPECT_EQ(db.records().readNextBlock(), 8) << "a later read starts at the same place";
    EXPECT_EQ(db.records().blockRecord(0).value(0), 32.0f);
}

} // namespace
} // namespace korva
