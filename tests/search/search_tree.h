#pragma once

// A consolidated data base on disk whose foods carry any nutrients, for the
// search engines, which read their records through the block scan.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "search/search_engine.h"
#include "tests/core/db_tree.h"

namespace korva::test {

struct SearchFood {
    SearchFood(int c, std::string n, float g = 100.0f, std::map<int, float> v = {})
        : category(c), name(std::move(n)), grams(g), values(std::move(v)) {}
    int category = 0;
    std::string name;
    float grams = 100.0f;
    std::map<int, float> values; // nutrients present, with their value per 100 g
};

class SearchTree {
public:
    explicit SearchTree(std::vector<SearchFood> foods) {
        std::stable_sort(foods.begin(), foods.end(), [](const SearchFood& a, const SearchFood& b) {
            if (a.category != b.category) return a.category < b.category;
            return compareNamesNoCase(a.name, b.name) < 0;
        });
        FoodDataBase writer(root_.paths());
        std::vector<NutrientRecord> records;
        for (const SearchFood& f : foods) {
            ShortFood e;
            e.name = f.name;
            e.servingText = "1 cup";
            e.gramsPerServing = f.grams;
            e.id = static_cast<std::uint16_t>(100 + records.size());
            e.category = static_cast<std::uint16_t>(f.category);
            e.recordNumber = static_cast<std::uint16_t>(records.size());
            e.flags = ShortFood::kArchived;
            writer.index().mutableEntries().push_back(e);
            NutrientRecord r;
            for (const auto& [n, v] : f.values) {
                r.setValue(n, v);
                r.setLevel(n, 1);
            }
            r.id = e.id;
            r.category = e.category;
            records.push_back(r);
        }
        EXPECT_TRUE(writer.saveIndex());
        EXPECT_TRUE(writeFileAtomically(root_.paths().foodsArc(), recordBytes(records)));
        db.setPaths(root_.paths());
        EXPECT_TRUE(db.loadIndex());
        db.state().archived = static_cast<int>(records.size());
    }

    // Names of the found foods, best first.
    std::vector<std::string> names(const SearchOutcome& out) const {
        std::vector<std::string> v;
        for (std::size_t p : out.positions) v.push_back(db.index().entries()[p].name);
        return v;
    }

    FoodDataBase db;

private:
    TempRoot root_;
};

// Targets of 100 for the given nutrients (a percentage is then the amount).
inline NutrientRecord targetsOf(std::initializer_list<int> nutrients, float value = 100.0f) {
    NutrientRecord t;
    for (int n : nutrients) {
        t.setValue(n, value);
        t.setLevel(n, 2);
    }
    return t;
}

template <class... N>
NutrientSet nutrients(N... n) {
    NutrientSet s;
    (s.set(static_cast<std::size_t>(n)), ...);
    return s;
}

} // namespace korva::test
