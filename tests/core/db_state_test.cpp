#include "core/db_state.h"

#include <gtest/gtest.h>

#include "tests/core/db_tree.h"
#include "tests/support/scripted_platform.h"

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

TEST(DataBaseState, ReadKeepsWhatWasWrittenAndNamesTheUser) {
    TempRoot tree;
    test::writeShippedDataBase(tree.paths(), 10);
    test::writeProfile(tree.paths().userDir() / "user00.rda", "default", 2000.0f);
    test::writeProfile(tree.paths().userDir() / "user02.rda", "Ann", 1800.0f);
    test::ScriptedPlatform platform;
    {
        FoodDataBase db(tree.paths());
        ASSERT_TRUE(db.readStateFile());
        ASSERT_TRUE(db.users().scanUsers());
        ASSERT_TRUE(db.users().readCurrentProfile(platform));
        ASSERT_EQ(db.users().setCurrentUser(1, platform), ProfileLoad::read);
        db.state().edited = 3;
        ASSERT_TRUE(db.writeStateFile());
    }
    FoodDataBase db(tree.paths());
    ASSERT_TRUE(db.readStateFile());
    EXPECT_EQ(db.state().userFileName, "user02.rda");
    EXPECT_EQ(db.state().lastUserFileNumber, 2);
    EXPECT_EQ(db.state().edited, 3);
    EXPECT_EQ(db.users().current().path, tree.paths().userDir() / "user02.rda");
}

TEST(DataBaseState, RetiringKeepsTheBooks) {
    TempRoot tree;
    test::writeShippedDataBase(tree.paths(), 12);
    FoodDataBase db(tree.paths());
    ASSERT_TRUE(db.readStateFile());
    ASSERT_TRUE(db.loadIndex());
    const int before = db.index().foodCount(db.index().entries()[3].category);
    const auto category = db.index().entries()[3].category;
    retireFood(db, 3);
    EXPECT_EQ(db.index().totalFoods(), 11u);
    EXPECT_EQ(db.index().foodCount(category), before - 1);
    EXPECT_EQ(db.state().deleted, 1);
    EXPECT_FALSE(db.state().isSet(kConsolidated));
    EXPECT_FALSE(db.state().isSet(kNoDeletions));
    EXPECT_TRUE(db.state().indexModified());
    retireFood(db, 99); // past the end: nothing
    EXPECT_EQ(db.state().deleted, 1);
}

} // namespace
} // namespace korva
