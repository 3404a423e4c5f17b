#include "tools/shipped_tree.h"

#include <algorithm>
#include <system_error>

#include "archive/archive.h"
#include "archive/atomic_file.h"
#include "tools/food_category_map.h"
#include "tools/food_naming.h"
#include "tools/serving_measure.h"

namespace korva::importer {

namespace {

constexpr int kNone = 0;
constexpr int kOda = 1;
constexpr int kRda = 2;

struct Target {
    float value;
    int level;
};

// Food-label values, in catalogue order.
constexpr Target kDefaultTargets[kNutrientCount] = {
    {2000, kOda},
    {50, kRda},
    {65, kOda},
    {20, kOda},
    {0, kNone},
    {0, kNone},
    {300, kRda},
    {25, kOda},
    {300, kOda},
    {5000, kRda},
    {2, kRda},
    {6, kRda},
    {60, kRda},
    {20, kRda},
    {1.5f, kRda},
    {400, kRda},
    {1.7f, kRda},
    {20, kRda},
    {10, kRda},
    {1000, kRda},
    {2, kRda},
    {18, kRda},
    {400, kRda},
    {2, kRda},
    {1000, kRda},
    {3500, kRda},
    {70, kRda},
    {2400, kRda},
    {15, kRda},
    // Tyrosine .. Isoleucine
    {0.96f, kOda},
    {0.72f, kOda},
    {0.96f, kOda},
    {0.96f, kOda},
    {0.84f, kOda},
    {0.30f, kOda},
    {0.30f, kOda},
    {0.18f, kOda},
    {0.48f, kOda},
    {0.72f, kOda},
};

NutrientRecord recordOf(const SourceFood& food, std::uint16_t id, std::uint16_t category) {
    NutrientRecord r;
    for (int i = 0; i < kNutrientCount; ++i) {
        const auto& v = food.nutrients[std::size_t(i)];
        // A value the source states is available even when it is zero.
        if (v) {
            r.setValue(i, *v);
            r.setLevel(i, 1);
        }
    }
    r.id = id;
    r.category = category;
    return r;
}

bool makeFolder(const std::filesystem::path& dir, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) error = dir.string() + ": " + ec.message();
    return !ec;
}

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes, std::string& error) {
    if (writeFileAtomically(path, bytes)) return true;
    error = path.string() + ": cannot be written";
    return false;
}

} // namespace

std::vector<ShippedFood> buildShippedFoods(const UsdaSource& source) {
    std::vector<ShippedFood> foods;
    std::vector<FoodToName> toName;
    foods.reserve(source.foods.size());
    int rank = 0;
    for (const SourceFood& src : source.foods) {
        ShippedFood f;
        f.ndb = src.ndb;
        f.entry.id = static_cast<std::uint16_t>(++rank);
        f.entry.category = static_cast<std::uint16_t>(categoryForFood(src.group, src.longDesc));
        const Serving serving = chooseServing(src.measures);
        f.entry.servingText = serving.text;
        f.entry.gramsPerServing = serving.grams;
        f.entry.flags = ShortFood::kArchived;
        f.record = recordOf(src, f.entry.id, f.entry.category);
        toName.push_back({f.entry.category, src.longDesc});
        foods.push_back(std::move(f));
    }
    const std::vector<std::string> names = nameFoods(toName);
    for (std::size_t i = 0; i < foods.size(); ++i) foods[i].entry.name = names[i];

    // Names are distinct within a category, so this order is total.
    std::stable_sort(foods.begin(), foods.end(), [](const ShippedFood& a, const ShippedFood& b) {
        if (a.entry.category != b.entry.category) return a.entry.category < b.entry.category;
        return compareNamesNoCase(a.entry.name, b.entry.name) < 0;
    });
    std::array<std::uint16_t, kCategoryCount> inCategory{};
    for (std::size_t k = 0; k < foods.size(); ++k) {
        ShortFood& e = foods[k].entry;
        e.recordNumber = static_cast<std::uint16_t>(k);
        e.indexInCategory = inCategory[e.category]++;
    }
    return foods;
}

ProfileFile defaultUserProfile() {
    ProfileFile file;
    file.name = "default";
    for (int i = 0; i < kNutrientCount; ++i) {
        file.profile.setValue(i, kDefaultTargets[i].value);
        file.profile.setLevel(i, kDefaultTargets[i].level);
    }
    return file;
}

StateFileData shippedState(int foodCount) {
    StateFileData s;
    s.versionText = "2.0";
    s.dateText = "09/01/2008";
    s.flags = kAllStateFlags;
    s.archived = foodCount;
    s.unconsolidated = 0;
    s.deleted = 0;
    s.edited = 0;
    s.shippedRecords = foodCount;
    s.lastUserFoodId = kFirstUserFoodId;
    s.lastRecipeId = 28999;
    s.lastRecipeFileNumber = 0;
    s.lastUserFileNumber = 0;
    s.userFileName = "user00.rda";
    return s;
}

std::vector<TreeFile> shippedTreeFiles(const std::vector<ShippedFood>& foods) {
    std::vector<TreeFile> files;
    std::vector<std::uint8_t> records(foods.size() * NutrientRecord::kBytes);
    for (std::size_t k = 0; k < foods.size(); ++k) foods[k].record.toBytes(records.data() + k * NutrientRecord::kBytes);
    files.push_back({"kvdata/foods.arc", std::move(records)});

    CSFList index;
    index.entries.reserve(foods.size());
    for (const ShippedFood& f : foods) index.entries.push_back(f.entry);
    Archive ar = Archive::inMemory();
    ar.writeObject(&index);
    files.push_back({"kvdata/index.ser", ar.bytes()});

    const std::string state = formatStateFile(shippedState(static_cast<int>(foods.size())));
    files.push_back({"kvdata/korva.ini", std::vector<std::uint8_t>(state.begin(), state.end())});
    files.push_back({"kvuser/user00.rda", defaultUserProfile().encode()});
    // Git keeps no empty folders; these placeholders carry them.
    files.push_back({"kvflist/.gitkeep", {}});
    files.push_back({"kvrecipe/.gitkeep", {}});
    return files;
}

bool writeShippedTree(const std::filesystem::path& root, const std::vector<ShippedFood>& foods, std::string& error) {
    // Record numbers and ids are 16-bit.
    if (foods.size() > std::size_t(kFirstUserFoodId - 1)) {
        error = "too many foods: shipped ids must stay below 25000";
        return false;
    }
    for (const TreeFile& f : shippedTreeFiles(foods)) {
        const auto path = root / f.relativePath;
        if (!makeFolder(path.parent_path(), error) || !writeFile(path, f.bytes, error)) return false;
    }
    return true;
}

} // namespace korva::importer
