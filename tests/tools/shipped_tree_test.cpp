#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "archive/archive.h"
#include "archive/atomic_file.h"
#include "core/nutrient_record.h"
#include "core/profile_file.h"
#include "core/short_food.h"
#include "core/state_file.h"
#include "tools/shipped_tree.h"
#include "tools/usda_source.h"

namespace korva::importer {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = fs::path(KORVA_SHARED_DIR) / "usda";
const fs::path kShipped = fs::path(KORVA_SOURCE_DIR) / "data";

bool haveSource() { return fs::exists(kSource / "FOOD_DES.txt"); }

std::string lowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

// The committed tree, read with the program's own readers only.
class ShippedTree : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Archive ar = Archive::forReading({});
        ASSERT_TRUE(Archive::openForReading(kShipped / "kvdata/index.ser", ar));
        auto list = ar.readObject<CSFList>();
        ASSERT_TRUE(list);
        EXPECT_EQ(ar.bytesLeft(), 0u);
        index_ = new std::vector<ShortFood>(list->entries);
        auto bytes = readWholeFile(kShipped / "kvdata/foods.arc");
        ASSERT_TRUE(bytes);
        records_ = new std::vector<std::uint8_t>(std::move(*bytes));
    }
    static void TearDownTestSuite() {
        delete index_;
        delete records_;
        index_ = nullptr;
        records_ = nullptr;
    }

    static const std::vector<ShortFood>& index() { return *index_; }
    static NutrientRecord record(std::size_t k) {
        return NutrientRecord::fromBytes(records_->data() + k * NutrientRecord::kBytes);
    }
    static std::vector<const ShortFood*> search(const std::string& text) {
        std::vector<const ShortFood*> found;
        for (const ShortFood& e : index())
            if (lowerAscii(e.name).find(lowerAscii(text)) != std::string::npos) found.push_back(&e);
        return found;
    }

    static inline std::vector<ShortFood>* index_ = nullptr;
    static inline std::vector<std::uint8_t>* records_ = nullptr;
};

// Record order, archive flags and category blocks are checked where the data
// base reads the tree; here, what the import itself must get right.
TEST_F(ShippedTree, EveryRecordMatchesItsEntryAndPositionsCountWithinTheCategory) {
    ASSERT_EQ(index().size(), 7413u);
    ASSERT_EQ(records_->size(), index().size() * NutrientRecord::kBytes);
    std::set<int> ids;
    for (std::size_t k = 0; k < index().size(); ++k) {
        const ShortFood& e = index()[k];
        EXPECT_GT(e.id, 0);
        EXPECT_TRUE(ids.insert(e.id).second) << "id " << e.id << " twice";
        const NutrientRecord r = record(k);
        EXPECT_EQ(r.id, e.id);
        EXPECT_EQ(r.category, e.category);
        const bool firstOfCategory = k == 0 || index()[k - 1].category != e.category;
        EXPECT_EQ(e.indexInCategory, firstOfCategory ? 0 : index()[k - 1].indexInCategory + 1) << e.name;
    }
}

TEST_F(ShippedTree, EveryOrdinaryCategoryHasFoodsAndNamesFit) {
    std::map<int, int> perCategory;
    std::set<std::pair<int, std::string>> names;
    for (const ShortFood& e : index()) {
        ++perCategory[e.category];
        EXPECT_LE(e.name.size(), 36u) << e.name;
        EXPECT_FALSE(e.name.empty());
        EXPECT_TRUE(names.insert({e.category, lowerAscii(e.name)}).second) << e.name;
        EXPECT_LE(e.servingText.size(), 12u) << e.name;
        EXPECT_FALSE(e.servingText.empty()) << e.name;
        EXPECT_EQ(e.servingText.find('"'), std::string::npos) << e.servingText;
        EXPECT_GT(e.gramsPerServing, 0.f) << e.name;
        EXPECT_TRUE(e.servingText[0] >= '0' && e.servingText[0] <= '9') << e.servingText;
    }
    for (int c = 0; c < 23; ++c) EXPECT_GT(perCategory[c], 0) << "category " << c;
    EXPECT_EQ(perCategory.count(23), 0u);
}

TEST_F(ShippedTree, NameSearchFindsTheEverydayFoods) {
    auto has = [](const std::string& text, int category, const std::string& start) {
        for (const ShortFood* e : search(text))
            if (e->category == category && e->name.rfind(start, 0) == 0) return true;
        return false;
    };
    EXPECT_TRUE(has("apple", 10, "Apples, raw"));
    EXPECT_TRUE(has("chicken breast", 19, "Chicken breast, meat only, roasted"));
    EXPECT_TRUE(has("chicken breast, meat only, raw", 19, "Chicken breast, meat only"));
    EXPECT_FALSE(search("cheddar").empty());
    EXPECT_FALSE(search("orange juice").empty());
}

// What a user meets first: the serving a per-serving search ranks by and
// the name that tells a food from its kin.
TEST_F(ShippedTree, ServingsArePortionsAndNamesAreToldApartInWords) {
    if (!haveSource()) GTEST_SKIP() << "USDA source files not found at " << kSource;
    const UsdaSource source = readUsdaSource(kSource);
    ASSERT_EQ(source.foods.size(), index().size());
    int namesEndingInANumber = 0;
    for (const ShortFood& e : index()) {
        const auto& measures = source.foods[std::size_t(e.id - 1)].measures; // ids rank the NDB numbers
        double lightest = 0;
        for (const SourceMeasure& m : measures)
            if (m.grams > 0 && (lightest == 0 || m.grams < lightest)) lightest = m.grams;
        if (lightest > 0) {
            EXPECT_NE(e.servingText, "100 g") << e.name;
        }
        if (lightest > 0 && lightest <= 400) {
            EXPECT_LE(e.gramsPerServing, 400.f) << e.name << ": " << e.servingText;
        }
        namesEndingInANumber += e.name.back() >= '0' && e.name.back() <= '9';
    }
    EXPECT_LE(namesEndingInANumber, 50);
}

TEST_F(ShippedTree, DefaultUserAndStateFile) {
    auto profile = readProfileFile(kShipped / "kvuser/user00.rda");
    ASSERT_EQ(profile.outcome, ProfileReadOutcome::ok);
    EXPECT_EQ(profile.file.name, "default");
    const NutrientRecord& p = profile.file.profile;
    EXPECT_FLOAT_EQ(p.value(0), 2000.f);
    EXPECT_EQ(p.level(0), 1);
    EXPECT_FLOAT_EQ(p.value(1), 50.f);
    EXPECT_EQ(p.level(1), 2);
    EXPECT_EQ(p.level(4), 0);

    auto text = readWholeFile(kShipped / "kvdata/korva.ini");
    ASSERT_TRUE(text);
    int lines = 0;
    StateFileData s = parseStateFile(std::string(text->begin(), text->end()), &lines);
    EXPECT_EQ(lines, 19);
    EXPECT_EQ(s.flags, kAllStateFlags);
    EXPECT_EQ(s.archived, int(index().size()));
    EXPECT_EQ(s.shippedRecords, int(index().size()));
    EXPECT_EQ(s.unconsolidated, 0);
    EXPECT_EQ(s.userFileName, "user00.rda");
}

// The fields of every line of a release file (CR LF or LF).
std::vector<std::vector<std::string>> sourceLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::vector<std::string>> out;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) out.push_back(splitSourceLine(line));
    }
    return out;
}

void expectValue(const NutrientRecord& r, int nutrient, const std::string& field, const std::string& ndb) {
    if (field.empty()) {
        EXPECT_EQ(r.level(nutrient), 0) << ndb << " nutrient " << nutrient;
        EXPECT_EQ(r.value(nutrient), 0.f) << ndb << " nutrient " << nutrient;
    } else {
        EXPECT_EQ(r.level(nutrient), 1) << ndb << " nutrient " << nutrient;
        EXPECT_FLOAT_EQ(r.value(nutrient), std::stof(field)) << ndb << " nutrient " << nutrient;
    }
}

TEST_F(ShippedTree, EverySourceFoodIsShippedWithItsValues) {
    if (!haveSource()) GTEST_SKIP() << "USDA source files not found at " << kSource;
    auto des = sourceLines(kSource / "FOOD_DES.txt");
    std::map<std::string, int> idOf; // ids rank the NDB numbers
    for (const auto& f : des) idOf[f[0]] = 0;
    int rank = 0;
    for (auto& [ndb, id] : idOf) id = ++rank;
    ASSERT_EQ(idOf.size(), index().size());

    std::map<int, std::size_t> positionOf;
    for (std::size_t k = 0; k < index().size(); ++k) positionOf[index()[k].id] = k;

    // ABBREV column -> catalogue nutrient, a sample across the groups.
    const std::pair<int, int> abbrevColumns[] = {{3, 0},   {4, 1},   {5, 2},   {42, 3},  {7, 6},   {45, 8},
                                                 {32, 9},  {31, 11}, {40, 13}, {26, 15}, {24, 18}, {10, 19},
                                                 {17, 20}, {18, 23}, {19, 26}, {15, 27}, {16, 28}};
    for (const auto& f : sourceLines(kSource / "ABBREV.txt")) {
        ASSERT_EQ(f.size(), 51u);
        ASSERT_TRUE(idOf.count(f[0])) << f[0];
        const NutrientRecord r = record(positionOf.at(idOf[f[0]]));
        for (auto [col, n] : abbrevColumns) expectValue(r, n, f[std::size_t(col)], f[0]);
    }
    std::set<std::string> withAmino;
    for (const auto& f : sourceLines(kSource / "AMINO.txt")) {
        ASSERT_EQ(f.size(), 11u);
        withAmino.insert(f[0]);
        const NutrientRecord r = record(positionOf.at(idOf[f[0]]));
        for (int k = 0; k < 10; ++k) expectValue(r, 29 + k, f[std::size_t(k + 1)], f[0]);
    }
    for (const auto& [ndb, id] : idOf) {
        if (!withAmino.count(ndb)) {
            EXPECT_EQ(record(positionOf.at(id)).level(29), 0) << ndb;
        }
    }
}

TEST(ShippedTreeBuild, RebuildEqualsTheCommittedTree) {
    if (!haveSource()) GTEST_SKIP() << "USDA source files not found at " << kSource;
    const UsdaSource source = readUsdaSource(kSource);
    ASSERT_TRUE(source.problems.empty()) << source.problems.front();
    const auto files = shippedTreeFiles(buildShippedFoods(source));
    ASSERT_EQ(files.size(), 6u);
    for (const TreeFile& f : files) {
        auto committed = readWholeFile(kShipped / f.relativePath);
        ASSERT_TRUE(committed) << f.relativePath << " is not committed";
        EXPECT_TRUE(*committed == f.bytes) << f.relativePath << " differs from a fresh import";
    }
}

TEST(ShippedTreeBuild, WritesEveryFileAndReportsAFolderItCannotMake) {
    UsdaSource source;
    SourceFood food;
    food.ndb = "01001";
    food.group = "0100";
    food.longDesc = "Butter, salted";
    food.nutrients[0] = 717.f;
    food.measures.push_back({1, 1, "tbsp", 14.2});
    source.foods.push_back(food);
    const auto foods = buildShippedFoods(source);
    ASSERT_EQ(foods.size(), 1u);
    EXPECT_EQ(foods[0].entry.servingText, "1 tbsp");
    EXPECT_EQ(foods[0].record.level(0), 1);
    EXPECT_EQ(foods[0].record.level(1), 0);

    const fs::path root = fs::temp_directory_path() / ("korva_import_" + std::to_string(::getpid()));
    fs::remove_all(root);
    std::string error;
    ASSERT_TRUE(writeShippedTree(root, foods, error)) << error;
    for (const char* f : {"kvdata/foods.arc", "kvdata/index.ser", "kvdata/korva.ini", "kvuser/user00.rda",
                          "kvflist/.gitkeep", "kvrecipe/.gitkeep"})
        EXPECT_TRUE(fs::exists(root / f)) << f;
    EXPECT_EQ(fs::file_size(root / "kvdata/foods.arc"), NutrientRecord::kBytes);

    // A file where the data folder should be: nothing is claimed written.
    const fs::path blocked = root / "blocked";
    std::ofstream(blocked) << "x";
    EXPECT_FALSE(writeShippedTree(blocked, foods, error));
    EXPECT_FALSE(error.empty());
    fs::remove_all(root);
}

} // namespace
} // namespace korva::importer
