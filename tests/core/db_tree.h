#pragma once

// A small data tree on disk, made with the program's own writers, for the
// state, consolidation and user tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "core/profile_file.h"
#include "tests/support/food_tree.h"
#include "tests/support/temp_root.h"

namespace korva::test {

// A record that tells its food apart from every other.
inline NutrientRecord recordFor(std::uint16_t id, std::uint16_t category) {
    NutrientRecord r;
    for (int i = 0; i < kNutrientCount; ++i)
        r.setValue(i, float(id) + float(i) / 64.0f);
    r.setLevel(id % kNutrientCount, 1);
    r.id = id;
    r.category = category;
    return r;
}

// A consolidated data base of `n` shipped foods spread over the categories,
// written as index.ser, foods.arc and korva.ini.
inline void writeShippedDataBase(const DataPaths& paths, int n) {
    std::vector<ShortFood> entries;
    std::vector<NutrientRecord> records;
    for (int k = 0; k < n; ++k) {
        ShortFood e;
        e.category = static_cast<std::uint16_t>(k * kCategoryCount / std::max(n, 1));
        e.name = "food " + std::to_string(10000 + k);
        e.servingText = "cup";
        e.gramsPerServing = 50.0f + float(k);
        e.id = static_cast<std::uint16_t>(100 + k);
        entries.push_back(e);
        records.push_back(recordFor(e.id, e.category));
    }
    ASSERT_TRUE(writeFoodFiles(paths, std::move(entries), std::move(records)));
    FoodDataBase db(paths);
    db.state().versionText = "2.10";
    db.state().dateText = "11/05/98";
    db.state().flags = kAllStateFlags;
    db.state().archived = n;
    db.state().shippedRecords = n;
    ASSERT_TRUE(db.writeStateFile());
}

// Opens the data base the way start-up does.  False where start-up would stop.
inline bool openDataBase(FoodDataBase& db) {
    if (!db.readStateFile())
        return false;
    if (!db.state().isSet(kNoInsertions) && !db.records().readUnconsolidatedFile())
        return false;
    return db.loadIndex();
}

struct FoodSeen {
    std::string name;
    std::uint16_t category = 0;
    NutrientRecord record;
    bool operator==(const FoodSeen&) const = default;
};

// Every food of the index with the record it reads back, by id.
inline std::map<std::uint16_t, FoodSeen> everyFood(const FoodDataBase& db) {
    std::map<std::uint16_t, FoodSeen> out;
    for (const ShortFood& e : db.index().entries()) {
        FoodSeen seen{e.name, e.category, {}};
        EXPECT_TRUE(db.records().readFoodRecord(e, seen.record)) << e.name;
        EXPECT_TRUE(out.emplace(e.id, seen).second) << "id twice: " << e.id;
    }
    return out;
}

inline ShortFood newFood(std::uint16_t id, std::uint16_t category, const std::string& name) {
    ShortFood e;
    e.id = id;
    e.category = category;
    e.name = name;
    e.servingText = "piece";
    e.gramsPerServing = 30.0f;
    return e;
}

inline void writeProfile(const std::filesystem::path& path, const std::string& name, float calories) {
    ProfileFile f;
    f.name = name;
    f.profile.setValue(0, calories);
    f.profile.setLevel(0, 1);
    ASSERT_TRUE(writeProfileFile(path, f));
}

inline std::vector<std::uint8_t> fileBytes(const std::filesystem::path& p) {
    auto b = readWholeFile(p);
    return b ? *b : std::vector<std::uint8_t>{};
}

} // namespace korva::test
