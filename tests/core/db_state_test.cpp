#include "core/db_state.h"

#include <gtest/gtest.h>

#include "tests/support/data_tree.h"

namespace korva {
namespace {

using test::TempRoot;

void writeState(const DataPaths& paths, const StateFileData& d) {
    ASSERT_TRUE(writeFileAtomically(paths.stateFile(), formatStateFile(d)));
}

TEST(DataBaseState, CountsAreHeldToTheFilesOnDisk) {
    TempRoot tree;
    test::writeShippedDataBase(tree.paths(), 40);
    StateFileData d;
    d.archived = 4000;     // far more than foods.arc holds
    d.unconsolidated = 77; // more than the 32 slots
    d.deleted = -5;
    writeState(tree.paths(), d);

    FoodDataBase db(tree.paths());
    EXPECT_FALSE(FoodDataBase(TempRoot().paths()).readStateFile()) << "no state file";
    ASSERT_TRUE(db.readStateFile());
    EXPECT_EQ(db.state().archived, 40);
    EXPECT_EQ(db.state().unconsolidated, 32);
    EXPECT_EQ(db.state().deleted, 0);

    // A slot file shorter than the count it is said to hold.
    std::vector<NutrientRecord> three(3);
    ASSERT_TRUE(writeFileAtomically(tree.paths().unconsArc(), test::recordBytes(three)));
    d.unconsolidated = 10;
    writeState(tree.paths(), d);
    ASSERT_TRUE(db.readStateFile());
    EXPECT_EQ(db.state().unconsolidated, 3);
}

TEST(DataBaseState, RetiringKeepsTheBooks) {
    TempRoot tree;
    test::writeShippedDataBase(tree.paths(), 12);
    FoodDataBase db(tree.paths());
    ASSERT_TRUE(db.readStateFile());
    ASSERT_TRUE(db.loadIndex());
    const auto category = db.index().entries()[3].category;
    const int before = db.index().foodCount(category);
    retireFood(db, 3);
    EXPECT_EQ(db.index().totalFoods(), 11u);
    EXPECT_EQ(db.index().foodCount(category), before - 1);
    EXPECT_EQ(db.state().deleted, 1);
    EXPECT_FALSE(db.state().isSet(kConsolidated) || db.state().isSet(kNoDeletions));
    EXPECT_TRUE(db.state().indexModified());
    retireFood(db, 99); // past the end: nothing
    EXPECT_EQ(db.state().deleted, 1);
}

} // namespace
} // namespace korva
