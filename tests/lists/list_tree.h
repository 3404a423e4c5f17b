#pragma once

// A small data tree of its own for each list test: foods with full records
// written by the program's own writers, loaded into a FoodDataBase.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "core/short_food.h"
#include "tests/support/food_tree.h"

namespace korva::test {

struct ListFood {
    std::uint16_t id = 0;
    std::uint16_t category = 0;
    std::string name;
    std::string measure = "1 cup";
    float gramsPerServing = 100.0f;
    NutrientRecord record; // values and levels; id and category are filled in
};

// A food whose first nutrients are given per 100 g, each available (level 1).
inline ListFood food(std::uint16_t id, std::uint16_t category, std::string name, float gramsPerServing,
                     std::vector<float> values, std::string measure = "1 cup") {
    ListFood f{id, category, std::move(name), std::move(measure), gramsPerServing, {}};
    for (std::size_t n = 0; n < values.size(); ++n) f.record.setValue(int(n), values[n]);
    for (int n = 0; n < kNutrientCount; ++n) f.record.setLevel(n, 1);
    return f;
}

// Foods must be given in index order (category, then name).
class ListTree {
public:
    explicit ListTree(std::vector<ListFood> foods) : foods_(std::move(foods)) {
        std::vector<ShortFood> entries;
        std::vector<NutrientRecord> records;
        for (ListFood& f : foods_) {
            f.record.id = f.id;
            f.record.category = f.category;
            ShortFood e;
            e.setName(f.name);
            e.servingText = f.measure;
            e.gramsPerServing = f.gramsPerServing;
            e.id = f.id;
            e.category = f.category;
            entries.push_back(e);
            records.push_back(f.record);
        }
        if (!writeFoodFiles(paths(), std::move(entries), std::move(records)))
            throw std::runtime_error("cannot write the test tree");
        db.setPaths(paths());
        if (!db.loadIndex()) throw std::runtime_error("cannot load the test tree");
    }
    ListTree(const ListTree&) = delete;
    ListTree& operator=(const ListTree&) = delete;

    DataPaths paths() const { return root_.paths(); }
    const ShortFood& entry(std::uint16_t id) const {
        const ShortFood* e = db.index().findEntryById(id);
        if (!e) throw std::runtime_error("no such test food");
        return *e;
    }
    const ListFood& given(std::uint16_t id) const {
        for (const ListFood& f : foods_)
            if (f.id == id) return f;
        throw std::runtime_error("no such test food");
    }
    std::filesystem::path listFile(const std::string& name) const { return paths().foodListDir() / name; }

    FoodDataBase db;

private:
    TempRoot root_;
    std::vector<ListFood> foods_;
};

inline void writeBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
    ASSERT_TRUE(writeFileAtomically(p, bytes));
}

} // namespace korva::test
