#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "archive/atomic_file.h"
#include "core/food_data_base.h"

namespace korva::test {

// A data root of its own for each test, with a `kvdata` folder, and helpers
// that write an index and a records file with the program's own writers.
class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root = std::filesystem::temp_directory_path() /
               ("korva-store-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "kvdata");
        paths = DataPaths(root);
        db.setPaths(paths);
    }
    void TearDown() override {
        db.endCategoryScan();
        std::filesystem::remove_all(root);
    }

    static ShortFood food(int category, const std::string& name, std::uint16_t id, std::uint16_t recordNumber = 0) {
        ShortFood e;
        e.setName(name);
        e.servingText = "1 cup";
        e.gramsPerServing = 100.0f;
        e.id = id;
        e.category = static_cast<std::uint16_t>(category);
        e.recordNumber = recordNumber;
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
        std::vector<std::uint8_t> bytes(entries.size() * NutrientRecord::kBytes);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            entries[i].recordNumber = static_cast<std::uint16_t>(i);
            entries[i].flags = ShortFood::kArchived;
            record(entries[i].id, entries[i].category, float(i)).toBytes(bytes.data() + i * NutrientRecord::kBytes);
        }
        FoodDataBase writer(paths);
        writer.mutableEntries() = std::move(entries);
        ASSERT_TRUE(writer.saveIndex());
        ASSERT_TRUE(writeFileAtomically(paths.foodsArc(), bytes));
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
        for (const ShortFood& e : db.entries())
            if (e.category == category) out.push_back(e.name);
        return out;
    }

    std::filesystem::path root;
    DataPaths paths;
    FoodDataBase db;
};

} // namespace korva::test
