#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "archive/archive.h"
#include "archive/atomic_file.h"
#include "core/ascii_text.h"
#include "core/food_index.h"
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

// The committed tree, read with the program's own readers only.
class ShippedTree : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Archive ar = Archive::forReading({});
        ASSERT_TRUE(Archive::openForReading(kShipped / "kvdata/index.ser", ar));
        auto list = ar.readObject<CSFList>();
        ASSERT_TRUE(list);
        EXPECT_EQ(ar.bytesLeft(), 0u);
        index_ = list->entries;
        records_ = readWholeFile(kShipped / "kvdata/foods.arc").value_or(std::vector<std::uint8_t>{});
    }

    static const std::vector<ShortFood>& index() { return index_; }
    static NutrientRecord record(std::size_t k) {
        return NutrientRecord::fromBytes(records_.data() + k * NutrientRecord::kBytes);
    }

    static inline std::vector<ShortFood> index_;
    static inline std::vector<std::uint8_t> records_;
};

// The tree must be what a consolidation would leave: every entry archived at
// its own position, its record naming the same food, names in the order
// additions rely on.
TEST_F(ShippedTree, EveryRecordMatchesItsEntryAndPositionsCountWithinTheCategory) {
    ASSERT_EQ(index().size(), 7413u);
    ASSERT_EQ(records_.size(), index().size() * NutrientRecord::kBytes);
    std::set<int> ids;
    for (std::size_t k = 0; k < index().size(); ++k) {
        const ShortFood& e = index()[k];
        EXPECT_GT(e.id, 0);
        EXPECT_LT(e.id, kFirstUserFoodId);
        EXPECT_TRUE(ids.insert(e.id).second) << "id " << e.id << " twice";
        EXPECT_TRUE(e.isArchived() && e.recordNumber == k) << e.name;
        const NutrientRecord r = record(k);
        EXPECT_EQ(r.id, e.id);
        EXPECT_EQ(r.category, e.category);
        const bool firstOfCategory = k == 0 || index()[k - 1].category != e.category;
        EXPECT_EQ(e.indexInCategory, firstOfCategory ? 0 : index()[k - 1].indexInCategory + 1) << e.name;
        if (!firstOfCategory) {
            EXPECT_LE(compareNamesNoCase(index()[k - 1].name, e.name), 0) << e.name;
        }
    }
}

TEST_F(ShippedTree, EveryOrdinaryCategoryHasFoodsAndNamesFit) {
    std::map<int, int> perCategory;
    std::set<std::string> names; // the finder lists every category at once
    for (const ShortFood& e : index()) {
        ++perCategory[e.category];
        EXPECT_LE(e.name.size(), 36u) << e.name;
        EXPECT_FALSE(e.name.empty());
        EXPECT_TRUE(names.insert(lowerAscii(e.name)).second) << e.name;
        EXPECT_LE(e.servingText.size(), 12u) << e.name;
        EXPECT_FALSE(e.servingText.empty()) << e.name;
        EXPECT_EQ(e.servingText.find('"'), std::string::npos) << e.servingText;
        EXPECT_GT(e.gramsPerServing, 0.f) << e.name;
        EXPECT_TRUE(e.servingText[0] >= '0' && e.servingText[0] <= '9') << e.servingText;
    }
    for (int c = 0; c < 23; ++c) EXPECT_GT(perCategory[c], 0) << "category " << c;
    EXPECT_EQ(perCategory.count(23), 0u);
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
    EXPECT_EQ(p.level(4), 0);

    auto text = readWholeFile(kShipped / "kvdata/korva.ini");
    ASSERT_TRUE(text);
    StateFileData s = parseStateFile(std::string(text->begin(), text->end()));
    EXPECT_EQ(s.flags, kAllStateFlags);
    EXPECT_EQ(s.archived, int(index().size()));
    EXPECT_EQ(s.unconsolidated, 0);
    EXPECT_EQ(s.userFileName, "user00.rda");
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
