#include "core/consolidation.h"

#include <gtest/gtest.h>

#include "core/db_state.h"
#include "tests/support/data_tree.h"

namespace korva {
namespace {

using test::everyFood;
using test::fileBytes;
using test::recordFor;

// 100 shipped foods with two additions and one removal, saved as exit would
// save them: the data base on disk waits for a consolidation.
struct PendingTree : test::DataTree {
    PendingTree() : DataTree(test::spreadFoods(100)) {
        withState();
        FoodDataBase saved;
        EXPECT_TRUE(open(saved));
        EXPECT_EQ(saved.addFood(test::newFood(25001, 3, "Zucchini bread"), recordFor(25001, 3)),
                  FoodDataBase::AddOutcome::added);
        EXPECT_EQ(saved.addFood(test::newFood(25002, 0, "aardvark"), recordFor(25002, 0)),
                  FoodDataBase::AddOutcome::added);
        retireFood(saved, saved.index().findPositionById(150).value_or(0));
        EXPECT_TRUE(saved.saveIndex() && saved.writeStateFile());
    }
};

// What a consolidated data base must look like on disk.
void expectConsolidatedOnDisk(const FoodDataBase& db) {
    EXPECT_TRUE(db.state().isSet(kConsolidated));
    EXPECT_TRUE(db.state().isSet(kNoDeletions));
    EXPECT_TRUE(db.state().isSet(kNoInsertions));
    EXPECT_EQ(db.state().archived, static_cast<std::int32_t>(db.index().totalFoods()));
    EXPECT_EQ(db.state().unconsolidated, 0);
    EXPECT_EQ(db.state().deleted, 0);
    EXPECT_EQ(fileBytes(db.paths().foodsArc()).size(), db.index().totalFoods() * NutrientRecord::kBytes);
    for (std::size_t k = 0; k < db.index().totalFoods(); ++k) {
        EXPECT_TRUE(db.index().entries()[k].isArchived());
        EXPECT_EQ(db.index().entries()[k].recordNumber, k);
    }
}

TEST(Consolidation, OnlyRemovalsNeedNoSlotFileAndNoChangesNeedNoWork) {
    test::DataTree tree(test::spreadFoods(40));
    tree.withState();
    FoodDataBase db;
    ASSERT_TRUE(tree.open(db));
    const auto stamp = std::filesystem::last_write_time(tree.paths().foodsArc());
    EXPECT_TRUE(db.consolidate());
    EXPECT_EQ(std::filesystem::last_write_time(tree.paths().foodsArc()), stamp);

    retireFood(db, 0);
    retireFood(db, 10);
    ASSERT_FALSE(std::filesystem::exists(tree.paths().unconsArc()));
    const auto before = everyFood(db);
    ASSERT_TRUE(db.consolidate());
    expectConsolidatedOnDisk(db);
    EXPECT_EQ(db.index().totalFoods(), 38u);
    EXPECT_EQ(everyFood(db), before);
}

TEST(Consolidation, AnEntryPastTheEndOfItsFileFailsAndChangesNothing) {
    PendingTree tree;
    const DataPaths p = tree.paths();

    for (int damage = 0; damage < 2; ++damage) {
        FoodDataBase db;
        ASSERT_TRUE(tree.open(db));
        // An archived record past foods.arc, or a slot past the 32 of uncons.arc.
        if (damage == 0)
            db.index().mutableEntries()[5].recordNumber = 5000;
        else
            for (ShortFood& e : db.index().mutableEntries())
                if (!e.isArchived()) e.recordNumber = 40;
        const std::vector<std::filesystem::path> files{p.foodsArc(), p.indexSer(), p.stateFile(), p.unconsArc()};
        std::vector<std::vector<std::uint8_t>> before;
        for (const auto& f : files) before.push_back(fileBytes(f));
        const StateFileData inMemory = db.state();

        EXPECT_FALSE(db.consolidate());
        for (std::size_t i = 0; i < files.size(); ++i) EXPECT_EQ(fileBytes(files[i]), before[i]) << files[i];
        EXPECT_FALSE(std::filesystem::exists(p.tempArc()));
        EXPECT_EQ(db.state().flags, inMemory.flags);
        EXPECT_EQ(db.state().unconsolidated, inMemory.unconsolidated);
    }
}

TEST(Consolidation, RecordsComeFromWhereTheEntrySaysNotFromTheFlag) {
    // A state file that claims no insertions while the index holds new foods:
    // copying their slot numbers out of foods.arc would give them the records
    // of shipped foods.
    PendingTree tree;
    FoodDataBase db;
    ASSERT_TRUE(tree.open(db));
    const auto before = everyFood(db);
    db.state().setFlag(kNoInsertions, true);
    ASSERT_TRUE(db.consolidate());
    EXPECT_EQ(everyFood(db), before);
}

// A crash after every step of a consolidation: start-up recovers a data base
// that holds every food with its values, as before or as after.
TEST(Consolidation, ACrashAtAnyStepLosesNoFood) {
    PendingTree reference;
    std::map<std::uint16_t, test::FoodSeen> expected;
    {
        FoodDataBase db;
        ASSERT_TRUE(reference.open(db));
        ASSERT_FALSE(db.state().isSet(kConsolidated));
        ASSERT_EQ(db.state().deleted, 1);
        expected = everyFood(db);
    }
    ASSERT_EQ(expected.size(), 101u);

    for (int stopAfter = 1; stopAfter <= kConsolidationSteps; ++stopAfter) {
        SCOPED_TRACE("crash after step " + std::to_string(stopAfter));
        test::TempRoot tree;
        std::filesystem::copy(reference.root(), tree.root(),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        {
            FoodDataBase db(tree.paths());
            ASSERT_TRUE(test::openDataBase(db));
            int reached = 0;
            consolidateDataBase(db, [&](ConsolidationStep step) {
                reached = static_cast<int>(step);
                return reached == stopAfter;
            });
            ASSERT_EQ(reached, stopAfter);
        }

        const RecoveryAction action = recoverInterruptedConsolidation(tree.paths());
        if (stopAfter < static_cast<int>(ConsolidationStep::committed))
            EXPECT_EQ(action, RecoveryAction::rolledBack);
        else if (stopAfter < kConsolidationSteps)
            EXPECT_EQ(action, RecoveryAction::rolledForward);
        else
            EXPECT_EQ(action, RecoveryAction::nothing);

        FoodDataBase db(tree.paths());
        ASSERT_TRUE(test::openDataBase(db));
        EXPECT_EQ(everyFood(db), expected);
        if (stopAfter >= static_cast<int>(ConsolidationStep::committed))
            expectConsolidatedOnDisk(db);
        else
            EXPECT_FALSE(db.state().isSet(kConsolidated));
        for (const char* leftover : {"temp.arc", "index.new", "korva.new", "consol.cmt"})
            EXPECT_FALSE(std::filesystem::exists(tree.paths().dataDir() / leftover)) << leftover;
        if (stopAfter == kConsolidationSteps) {
            EXPECT_FALSE(std::filesystem::exists(tree.paths().unconsArc()));
        }
    }
}

TEST(Consolidation, ReadingTheStateFileFinishesACommittedConsolidation) {
    PendingTree tree;
    {
        FoodDataBase db;
        ASSERT_TRUE(tree.open(db));
        consolidateDataBase(db, [](ConsolidationStep s) { return s == ConsolidationStep::recordsReplaced; });
    }
    // Without recovery the new foods.arc would sit under the old index.
    FoodDataBase db;
    ASSERT_TRUE(tree.open(db));
    expectConsolidatedOnDisk(db);
    EXPECT_EQ(everyFood(db).size(), 101u);
}

} // namespace
} // namespace korva
