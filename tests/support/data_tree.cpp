#include "tests/support/data_tree.h"

#include <algorithm>
#include <stdexcept>

#include "archive/atomic_file.h"
#include "core/ascii_text.h"
#include "core/food_data_base.h"
#include "core/profile_file.h"
#include "lists/food_list.h"
#include "lists/recipe_book.h"
#include "tests/support/quiet_platform.h"

namespace korva::test {

DataFood foodOf(int category, std::string name, std::vector<float> values, std::uint16_t id) {
    DataFood f{category, std::move(name), "1 cup", 100.0f, {}, id};
    for (std::size_t n = 0; n < values.size(); ++n) f.record.setValue(int(n), values[n]);
    for (int n = 0; n < kNutrientCount; ++n) f.record.setLevel(n, 1);
    return f;
}

NutrientRecord distinctRecord(std::uint16_t id, std::uint16_t category) {
    NutrientRecord r;
    for (int i = 0; i < kNutrientCount; ++i) r.setValue(i, float(id) + float(i) / 64.0f);
    r.setLevel(id % kNutrientCount, 1);
    r.id = id;
    r.category = category;
    return r;
}

std::vector<DataFood> spreadFoods(int n) {
    std::vector<DataFood> out;
    for (int k = 0; k < n; ++k) {
        const auto id = static_cast<std::uint16_t>(100 + k);
        const auto category = static_cast<std::uint16_t>(k * kCategoryCount / std::max(n, 1));
        out.push_back(
            {category, "food " + std::to_string(10000 + k), "cup", 50.0f + float(k), distinctRecord(id, category), id});
    }
    return out;
}

std::vector<std::uint8_t> recordBytes(const std::vector<NutrientRecord>& records) {
    std::vector<std::uint8_t> out(records.size() * NutrientRecord::kBytes);
    for (std::size_t i = 0; i < records.size(); ++i) records[i].toBytes(out.data() + i * NutrientRecord::kBytes);
    return out;
}

bool writeFoodFiles(const DataPaths& paths, std::vector<ShortFood> entries, std::vector<NutrientRecord> records) {
    if (entries.size() != records.size()) return false;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        entries[k].recordNumber = static_cast<std::uint16_t>(k);
        entries[k].flags = ShortFood::kArchived;
        records[k].id = entries[k].id;
        records[k].category = entries[k].category;
    }
    FoodDataBase writer(paths);
    writer.index().mutableEntries() = std::move(entries);
    return writer.saveIndex() && writeFileAtomically(paths.foodsArc(), recordBytes(records));
}

bool writeFoods(const DataPaths& paths, std::vector<DataFood> foods) {
    for (std::size_t i = 0; i < foods.size(); ++i)
        if (foods[i].id == 0) foods[i].id = DataTree::idOf(i);
    std::stable_sort(foods.begin(), foods.end(), [](const DataFood& a, const DataFood& b) {
        if (a.category != b.category) return a.category < b.category;
        return compareNamesNoCase(a.name, b.name) < 0;
    });
    std::vector<ShortFood> entries;
    std::vector<NutrientRecord> records;
    for (const DataFood& f : foods) {
        ShortFood e;
        e.setName(f.name);
        e.servingText = f.measure;
        e.gramsPerServing = f.gramsPerServing;
        e.id = f.id;
        e.category = static_cast<std::uint16_t>(f.category);
        entries.push_back(e);
        records.push_back(f.record);
    }
    return writeFoodFiles(paths, std::move(entries), std::move(records));
}

bool writeConsolidatedState(const DataPaths& paths, int foods) {
    FoodDataBase db(paths);
    db.state().versionText = "2.10";
    db.state().dateText = "11/05/98";
    db.state().flags = kAllStateFlags;
    db.state().archived = foods;
    db.state().shippedRecords = foods;
    return db.writeStateFile();
}

bool writeUser(const std::filesystem::path& file, const std::string& name, const NutrientRecord& targets) {
    ProfileFile f;
    f.name = name;
    f.profile = targets;
    return writeProfileFile(file, f);
}

bool openLikeStartUp(FoodDataBase& db) {
    if (!db.readStateFile()) return false;
    if (!db.state().isSet(kNoInsertions) && !db.records().readUnconsolidatedFile()) return false;
    return db.loadIndex();
}

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& p) {
    auto b = readWholeFile(p);
    return b ? *b : std::vector<std::uint8_t>{};
}

namespace {
void require(bool ok, const std::string& what, const DataTree& tree) {
    if (!ok) throw std::runtime_error("cannot write " + what + " of the test tree under " + tree.root().string());
}
} // namespace

DataTree::DataTree(std::vector<DataFood> foods, const std::string& tag)
    : root_(TempRoot::dataFolders, tag), foods_(foods.size()) {
    if (!foods.empty()) require(writeFoods(paths(), std::move(foods)), "the foods", *this);
}

DataTree& DataTree::withState() {
    require(writeConsolidatedState(paths(), int(foods_)), "the state file", *this);
    return *this;
}

DataTree& DataTree::withUser(const std::string& file, const std::string& name, const NutrientRecord& targets) {
    require(writeUser(paths().userDir() / file, name, targets), file, *this);
    return *this;
}

DataTree& DataTree::withList(const std::string& name, const std::vector<std::pair<std::uint16_t, float>>& servings) {
    FoodDataBase db;
    require(load(db), "the index for " + name, *this);
    FoodList list(&db);
    for (const auto& [id, amount] : servings) {
        const ShortFood* food = db.index().findEntryById(id);
        require(food && list.addFood(*food, kUnitServings) && list.setCurrentAmount(amount, kUnitServings), name,
                *this);
    }
    QuietPlatform quiet;
    require(list.writeFile(listFile(name), quiet), name, *this);
    return *this;
}

bool DataTree::load(FoodDataBase& db) const {
    db.setPaths(paths());
    return db.loadIndex();
}

bool DataTree::open(FoodDataBase& db, bool recipes) const {
    db.setPaths(paths());
    if (!openLikeStartUp(db)) return false;
    if (recipes) ensureRecipeCatalogue(db);
    return true;
}

} // namespace korva::test
