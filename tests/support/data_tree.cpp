#include "tests/support/data_tree.h"

#include <algorithm>
#include <stdexcept>

#include "core/ascii_text.h"
#include "core/profile_file.h"
#include "lists/food_list.h"

namespace korva::test {

namespace {
void require(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error("cannot write " + what + " of the test tree");
}
} // namespace

DataFood::DataFood(int c, std::string n, std::string measure_, float grams, float calories, float protein, float fat,
                   float carbohydrate, float fiber, float cholesterol)
    : category(c), name(std::move(n)), measure(std::move(measure_)), gramsPerServing(grams) {
    const float values[] = {calories, protein, fat, 0, 0, 0, carbohydrate, fiber, cholesterol};
    for (int k = 0; k < 9; ++k) record.setValue(k, values[k]);
    for (int k = 0; k < kNutrientCount; ++k) record.setLevel(k, 1);
}

DataFood::DataFood(int c, std::string n, float grams, const std::map<int, float>& values)
    : category(c), name(std::move(n)), gramsPerServing(grams) {
    for (const auto& [k, v] : values) {
        record.setValue(k, v);
        record.setLevel(k, 1);
    }
}

DataFood food(std::uint16_t id, int category, std::string name, float gramsPerServing, const std::vector<float>& values,
              std::string measure) {
    DataFood f(category, std::move(name), gramsPerServing);
    f.measure = std::move(measure);
    f.id = id;
    for (std::size_t n = 0; n < values.size(); ++n) f.record.setValue(int(n), values[n]);
    for (int n = 0; n < kNutrientCount; ++n) f.record.setLevel(n, 1);
    return f;
}

NutrientRecord recordFor(std::uint16_t id, std::uint16_t category) {
    NutrientRecord r;
    for (int i = 0; i < kNutrientCount; ++i) r.setValue(i, float(id) + float(i) / 64.0f);
    r.setLevel(id % kNutrientCount, 1);
    r.id = id;
    r.category = category;
    return r;
}

NutrientRecord taggedRecord(std::uint16_t id, int category, float tag) {
    NutrientRecord r;
    r.id = id;
    r.category = static_cast<std::uint16_t>(category);
    r.setValue(0, tag);
    r.setValue(38, tag * 2);
    r.setLevel(0, 1);
    r.setLevel(37, 2);
    return r;
}

std::vector<DataFood> spreadFoods(int n) {
    std::vector<DataFood> out;
    for (int k = 0; k < n; ++k) {
        const auto id = static_cast<std::uint16_t>(100 + k);
        const auto category = static_cast<std::uint16_t>(k * kCategoryCount / std::max(n, 1));
        out.emplace_back(category, "food " + std::to_string(10000 + k), "cup", 50.0f + float(k));
        out.back().record = recordFor(id, category);
        out.back().id = id;
    }
    return out;
}

ShortFood newFood(std::uint16_t id, int category, const std::string& name) {
    ShortFood e;
    e.id = id;
    e.category = static_cast<std::uint16_t>(category);
    e.name = name;
    e.servingText = "piece";
    e.gramsPerServing = 30.0f;
    return e;
}

std::vector<ShortFood> entriesWithCounts(const std::vector<int>& counts) {
    std::vector<ShortFood> out;
    std::uint16_t id = 1000;
    for (std::size_t c = 0; c < counts.size(); ++c)
        for (int k = 0; k < counts[c]; ++k)
            out.push_back(newFood(id++, int(c), "F" + std::to_string(c) + "-" + std::to_string(k)));
    return out;
}

std::vector<std::string> namesOfCategory(const FoodDataBase& db, int category) {
    std::vector<std::string> out;
    for (const ShortFood& e : db.index().entries())
        if (e.category == category) out.push_back(e.name);
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

namespace {
// Writes the foods in index order (category, then name, stably).
void writeFoods(const DataPaths& paths, std::vector<DataFood> foods) {
    std::stable_sort(foods.begin(), foods.end(), [](const DataFood& a, const DataFood& b) {
        if (a.category != b.category) return a.category < b.category;
        return compareNamesNoCase(a.name, b.name) < 0;
    });
    std::vector<ShortFood> entries;
    std::vector<NutrientRecord> records;
    for (const DataFood& f : foods) {
        ShortFood e;
        e.name = f.name;
        e.servingText = f.measure;
        e.gramsPerServing = f.gramsPerServing;
        e.id = f.id;
        e.category = static_cast<std::uint16_t>(f.category);
        entries.push_back(e);
        records.push_back(f.record);
    }
    require(writeFoodFiles(paths, std::move(entries), std::move(records)), "the foods");
}

void writeState(FoodDataBase& db, int foods) {
    db.state().versionText = "2.10";
    db.state().dateText = "11/05/98";
    db.state().flags = kAllStateFlags;
    db.state().archived = foods;
    db.state().shippedRecords = foods;
    require(db.writeStateFile(), "the state file");
}
} // namespace

void writeShippedDataBase(const DataPaths& paths, int n) {
    writeFoods(paths, spreadFoods(n));
    FoodDataBase db(paths);
    writeState(db, n);
}

void writeProfile(const std::filesystem::path& file, const std::string& name, float calories) {
    ProfileFile f;
    f.name = name;
    f.profile.setValue(0, calories);
    f.profile.setLevel(0, 1);
    require(writeProfileFile(file, f), file.string());
}

void writeBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
    require(writeFileAtomically(p, bytes), p.string());
}

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& p) {
    auto b = readWholeFile(p);
    return b ? *b : std::vector<std::uint8_t>{};
}

bool openDataBase(FoodDataBase& db) {
    if (!db.readStateFile()) return false;
    if (!db.state().isSet(kNoInsertions) && !db.records().readUnconsolidatedFile()) return false;
    return db.loadIndex();
}

bool reopen(FoodDataBase& db, const DataPaths& paths) {
    db.setPaths(paths);
    if (!openDataBase(db)) return false;
    ensureRecipeCatalogue(db);
    return true;
}

std::map<std::uint16_t, FoodSeen> everyFood(const FoodDataBase& db) {
    std::map<std::uint16_t, FoodSeen> out;
    for (const ShortFood& e : db.index().entries()) {
        FoodSeen seen{e.name, e.category, {}};
        if (!db.records().readFoodRecord(e, seen.record)) throw std::runtime_error("no record of " + e.name);
        if (!out.emplace(e.id, seen).second) throw std::runtime_error("id twice: " + std::to_string(e.id));
    }
    return out;
}

NutrientRecord targetsOf(std::initializer_list<int> nutrients, float value) {
    NutrientRecord t;
    for (int n : nutrients) {
        t.setValue(n, value);
        t.setLevel(n, 2);
    }
    return t;
}

DataTree::DataTree(std::vector<DataFood> foods, const std::string& tag)
    : root_(TempRoot::dataFolders, tag), foods_(std::move(foods)) {
    db.setPaths(paths());
    if (foods_.empty()) return;
    for (std::size_t i = 0; i < foods_.size(); ++i) {
        if (foods_[i].id == 0) foods_[i].id = idOf(i);
        foods_[i].record.id = foods_[i].id;
        foods_[i].record.category = static_cast<std::uint16_t>(foods_[i].category);
    }
    writeFoods(paths(), foods_);
    require(db.loadIndex(), "the index");
    db.state().archived = int(foods_.size());
}

DataTree& DataTree::withState() {
    writeState(db, int(foods_.size()));
    return *this;
}

DataTree& DataTree::withCurrentUser(const std::string& file, const std::string& name, float calories) {
    db.users().setCurrentFileName(file);
    db.users().current().name = name;
    db.users().current().profile.setValue(0, calories);
    db.users().current().profile.setLevel(0, 1);
    return *this;
}

void DataTree::writeTagged(std::vector<ShortFood> entries) {
    std::vector<NutrientRecord> records;
    for (std::size_t i = 0; i < entries.size(); ++i)
        records.push_back(taggedRecord(entries[i].id, entries[i].category, float(i)));
    require(writeFoodFiles(paths(), std::move(entries), std::move(records)), "the foods");
}

const ShortFood& DataTree::entry(std::uint16_t id) const {
    const ShortFood* e = db.index().findEntryById(id);
    if (!e) throw std::runtime_error("no test food " + std::to_string(id));
    return *e;
}

const DataFood& DataTree::given(std::uint16_t id) const {
    for (const DataFood& f : foods_)
        if (f.id == id) return f;
    throw std::runtime_error("no test food " + std::to_string(id));
}

bool DataTree::load(FoodDataBase& other) const {
    other.setPaths(paths());
    return other.loadIndex();
}

bool DataTree::open(FoodDataBase& other, bool recipes) const {
    if (recipes) return reopen(other, paths());
    other.setPaths(paths());
    return openDataBase(other);
}

std::string DataTree::saveList(const std::string& name, std::uint16_t id, float servings, Platform& platform) {
    FoodList l(&db, "01/02/26");
    require(l.addFood(entry(id), kUnitServings) && l.setCurrentAmount(servings, kUnitServings) &&
                l.writeFile(listFile(name), platform),
            name);
    return listFile(name).string();
}

void DataTree::saveDay(const LogDate& date, float calories, Platform& platform) {
    LogFile log;
    log.setDate(owner(), date);
    log.foodListPaths = {"/lists/fl0001.fls"};
    log.totals.setValue(0, calories);
    log.totals.setLevel(0, 1);
    std::filesystem::create_directories(owner().logFolder());
    require(log.write(platform), "the log of " + date.compact());
}

LogTree::LogTree() : DataTree({food(101, 5, "Milk", 100, {50, 3, 1}), food(102, 10, "Apple", 100, {52, 0.5f, 0.25f})}) {
    withCurrentUser("user01.rda", "Ann", 200);
}

RecipeTree::RecipeTree()
    : DataTree({food(kMilk, 5, "Milk", 244, {50, 3.4f, 1.0f, 0, 0, 0, 5.0f}),
                food(kApple, 10, "Apple", 138, {52, 0.3f, 0.2f, 0, 0, 0, 14.0f}, "1 medium")}) {
    withState();
}

std::unique_ptr<CRecipeDoc> readyRecipe(FoodDataBase& db, Platform& platform, ActiveDocument& active,
                                        const std::string& name) {
    auto doc = std::make_unique<CRecipeDoc>(db, platform, active);
    doc->onNewDocument(name);
    FoodList& r = doc->list();
    r.addFood(*db.index().findEntryById(kMilk), kUnitServings);
    r.addFood(*db.index().findEntryById(kApple), kUnitServings);
    // Recipes of different names differ in their values too.
    int sum = 0;
    for (char c : name) sum += static_cast<unsigned char>(c);
    r.setCurrentAmount(static_cast<float>(sum % 5 + 1), kUnitServings);
    r.recipe().setInstructions({"Slice the apples.", "Pour the milk."});
    r.recipe().setServingDescription("one bowl");
    r.recipe().setServingCount(2.0f);
    return doc;
}

} // namespace korva::test
