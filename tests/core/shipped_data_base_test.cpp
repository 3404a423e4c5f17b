#include "core/food_data_base.h"
#include "tests/support/shipped_data.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korva {
namespace {

// The data tree shipped beside the program must be what a consolidation
// would leave: every entry archived at its own position, its record naming
// the same food, and names in the order additions rely on.
class ShippedDataBase : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::shippedTreePresent(paths)) GTEST_SKIP() << "no shipped data tree under " << paths.root;
        ASSERT_TRUE(test::loadShippedIndex(db));
    }
    void TearDown() override { db.records().endCategoryScan(); }

    DataPaths paths = test::shippedPaths();
    FoodDataBase db{paths};
};

TEST_F(ShippedDataBase, IndexIsConsolidatedAndInOrder) {
    ASSERT_GT(db.index().totalFoods(), 0u);
    EXPECT_EQ(std::size_t(db.state().archived), db.index().totalFoods());
    EXPECT_EQ(std::filesystem::file_size(paths.foodsArc()) % NutrientRecord::kBytes, 0u);
    for (std::size_t i = 0; i < db.index().totalFoods(); ++i) {
        const ShortFood& e = db.index().entries()[i];
        ASSERT_TRUE(e.isArchived()) << e.name;
        ASSERT_EQ(e.recordNumber, i) << e.name;
        ASSERT_LT(e.id, kFirstUserFoodId) << e.name;
        ASSERT_GT(e.gramsPerServing, 0.0f) << e.name;
        if (i > 0 && db.index().entries()[i - 1].category == e.category) {
            ASSERT_LE(compareNamesNoCase(db.index().entries()[i - 1].name, e.name), 0) << e.name;
        }
    }
}

TEST_F(ShippedDataBase, BlocksOfEveryCategoryHoldThatCategorysFoods) {
    for (int c = 0; c < kCategoryCount; ++c) {
        if (db.index().foodCount(c) == 0) continue;
        ASSERT_TRUE(db.records().startCategoryScan(c));
        int k = 0;
        while (k < db.index().foodCount(c)) {
            const int n = db.records().readNextBlock();
            ASSERT_GT(n, 0) << "category " << c << " ends early";
            for (int s = 0; s < n && k < db.index().foodCount(c); ++s, ++k) {
                const ShortFood& e = db.index().entries()[std::size_t(db.index().firstRecord(c) + k)];
                ASSERT_EQ(db.records().blockRecord(s).id, e.id) << e.name;
                ASSERT_EQ(db.records().blockRecord(s).category, c) << e.name;
            }
        }
    }
}

} // namespace
} // namespace korva
