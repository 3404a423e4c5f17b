#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "tests/support/data_tree.h"

namespace korva::test {

// A data tree of its own for each test, and helpers that write an index and
// a records file with the program's own writers.
class StoreFixture : public ::testing::Test {
protected:
    void TearDown() override { db.records().endCategoryScan(); }

    static ShortFood food(int category, const std::string& name, std::uint16_t id) {
        ShortFood e;
        e.setName(name);
        e.servingText = "1 cup";
        e.id = id;
        e.category = static_cast<std::uint16_t>(category);
        e.flags = ShortFood::kArchived;
        return e;
    }

    // A record that tells where it came from: value 0 is `tag`.
    static NutrientRecord record(std::uint16_t id, int category, float tag) {
        NutrientRecord r;
        r.id = id;
        r.category = static_cast<std::uint16_t>(category);
        r.setValue(0, tag);
        r.setValue(38, tag * 2);
        r.setLevel(0, 1);
        r.setLevel(37, 2);
        return r;
    }

    // Writes `entries` as index.ser and one archived record per entry (in
    // index order, value 0 = its position) as foods.arc, the way a
    // consolidated data base lies on disk.
    void writeConsolidatedTree(std::vector<ShortFood> entries) {
        std::vector<NutrientRecord> records;
        for (std::size_t i = 0; i < entries.size(); ++i)
            records.push_back(record(entries[i].id, entries[i].category, float(i)));
        ASSERT_TRUE(writeFoodFiles(paths, std::move(entries), std::move(records)));
    }

    // Entries with the given number of foods per category (names "F<c>-<k>").
    static std::vector<ShortFood> entriesWithCounts(const std::vector<int>& counts) {
        std::vector<ShortFood> out;
        std::uint16_t id = 1000;
        for (std::size_t c = 0; c < counts.size(); ++c)
            for (int k = 0; k < counts[c]; ++k)
                out.push_back(food(int(c), "F" + std::to_string(c) + "-" + std::to_string(k), id++));
        return out;
    }

    std::vector<std::string> namesOfCategory(int category) const {
        std::vector<std::string> out;
        for (const ShortFood& e : db.index().entries())
            if (e.category == category) out.push_back(e.name);
        return out;
    }

    DataTree tree;
    DataPaths paths = tree.paths();
    FoodDataBase db{paths};
};

} // namespace korva::test
