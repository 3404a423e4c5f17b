#include <gtest/gtest.h>

#include "tools/usda_source.h"

namespace korva::importer {
namespace {

// One food in each file, in the release format (CR LF, '^' and '~').
std::string foodDes(const std::string& ndb, const std::string& desc) {
    return "~" + ndb + "~^~0900~^~" + desc + "~^~SHORT~^~~^~~^~~^~~^0^~~^6.25^^^\r\n";
}

// An ABBREV line with every field empty but the ones given (column -> text).
std::string abbrev(const std::string& ndb, std::initializer_list<std::pair<int, std::string>> values) {
    std::vector<std::string> f(51);
    f[0] = "~" + ndb + "~";
    f[1] = "~SHORT~";
    for (const auto& [col, text] : values) f[std::size_t(col)] = text;
    std::string line;
    for (std::size_t i = 0; i < f.size(); ++i) line += (i ? "^" : "") + f[i];
    return line + "\r\n";
}

TEST(UsdaSourceLine, SplitsFieldsAndDropsTheTextMarks) {
    EXPECT_EQ(splitSourceLine("~01001~^~Butter, salted~^^0.5^~~"),
              (std::vector<std::string>{"01001", "Butter, salted", "", "0.5", ""}));
    // Latin-1 bytes pass through as they are.
    EXPECT_EQ(splitSourceLine("~Caf\xE9~")[0], "Caf\xE9");
}

TEST(UsdaSourceLine, NumbersAreEmptyZeroOrUnreadable) {
    EXPECT_EQ(parseSourceNumber("0"), std::optional<double>(0.0));
    EXPECT_DOUBLE_EQ(parseSourceNumber("247.90").value_or(-1), 247.9);
    for (const char* bad : {"", "12x", "~~", "inf", "nan", "1e300"}) EXPECT_FALSE(parseSourceNumber(bad)) << bad;
}

// ABBREV columns land in their catalogue slots; an empty field is missing and
// zero is a value.  AMINO columns fill the amino acids in catalogue order.
TEST(UsdaSource, ColumnsGoToTheirCatalogueSlots) {
    const std::pair<int, int> columns[] = {{3, 0},   {4, 1},   {42, 3},  {7, 6},   {45, 8},  {32, 9},
                                           {31, 11}, {40, 13}, {26, 15}, {24, 18}, {10, 19}, {17, 20},
                                           {18, 23}, {19, 26}, {15, 27}, {16, 28}};
    std::string line = "~01001~";
    for (int col = 1; col < 51; ++col) {
        line += "^";
        for (const auto& [c, n] : columns)
            if (c == col) line += n == 1 ? "0" : std::to_string(n) + ".5";
    }
    auto src = parseUsdaSource(foodDes("01001", "Butter, salted"), line + "\r\n", "",
                               "~01001~^0.041^0.067^0.042^0.083^0.057^0.021^0.008^0.012^0.038^\r\n");
    ASSERT_TRUE(src.problems.empty()) << src.problems.front();
    ASSERT_EQ(src.foods.size(), 1u);
    const auto& n = src.foods[0].nutrients;
    for (const auto& [c, i] : columns)
        EXPECT_EQ(n[std::size_t(i)], std::optional<float>(i == 1 ? 0.f : float(i) + 0.5f)) << c;
    EXPECT_FALSE(n[2]); // Lipid_Tot empty
    const float amino[] = {0.041f, 0.067f, 0.042f, 0.083f, 0.057f, 0.021f, 0.008f, 0.012f, 0.038f};
    for (int k = 0; k < 9; ++k) EXPECT_FLOAT_EQ(n[std::size_t(29 + k)].value_or(-1), amino[k]) << k;
    EXPECT_FALSE(n[38]); // Isoleucine left empty
}

TEST(UsdaSource, FoodsComeInNdbOrderAndMeasuresInSequence) {
    auto src = parseUsdaSource(foodDes("09003", "Apples") + foodDes("01001", "Butter"),
                               abbrev("09003", {}) + abbrev("01001", {}),
                               "~01001~^2^1^~tbsp~^14.2^^\r\n~01001~^1^1^~cup~^227^^\r\n", "");
    ASSERT_TRUE(src.problems.empty());
    ASSERT_EQ(src.foods.size(), 2u);
    EXPECT_EQ(src.foods[0].ndb, "01001");
    ASSERT_EQ(src.foods[0].measures.size(), 2u);
    EXPECT_EQ(src.foods[0].measures[0].description, "cup");
    EXPECT_EQ(src.foods[0].measures[1].seq, 2);
    EXPECT_TRUE(src.foods[1].measures.empty());
}

TEST(UsdaSource, LinesThatDoNotFitAreReportedNotGuessed) {
    auto src = parseUsdaSource(foodDes("01001", "Butter") + "garbage\r\n" + foodDes("01001", "Again"),
                               abbrev("01001", {}) + abbrev("99999", {}) + "~01002~^short\r\n",
                               "~01001~^1^^~cup~^227^^\r\n", "~01001~^1^2\r\n");
    // The bad FOOD_DES line, the repeated food, the unknown and short ABBREV
    // lines, the measure without amount and the short amino line.
    EXPECT_EQ(src.problems.size(), 6u);
    ASSERT_EQ(src.foods.size(), 1u);
    EXPECT_EQ(src.foods[0].longDesc, "Butter");
}

TEST(UsdaSource, CutOrScrambledFilesNeverCrash) {
    const std::string des = foodDes("01001", "Butter, salted") + foodDes("09003", "Apples");
    const std::string abb = abbrev("01001", {{3, "717"}, {4, "0.85"}}) + abbrev("09003", {{3, "52"}});
    const std::string wgt = "~01001~^1^1^~cup~^227^^\r\n~09003~^1^0.5^~cup~^55^^\r\n";
    const std::string ami = "~01001~^0.041^0.067^0.041^0.083^0.057^0.021^0.008^0.012^0.038^0.051\r\n";
    for (std::size_t cut = 0; cut <= abb.size(); ++cut) {
        auto src = parseUsdaSource(des.substr(0, cut % (des.size() + 1)), abb.substr(0, cut),
                                   wgt.substr(0, cut % (wgt.size() + 1)), ami.substr(0, cut % (ami.size() + 1)));
        EXPECT_LE(src.foods.size(), 2u);
    }
    std::string noise;
    for (int i = 0; i < 4096; ++i) noise.push_back(char((i * 131 + 7) % 256));
    auto src = parseUsdaSource(noise, noise, noise, noise);
    EXPECT_TRUE(src.foods.empty());
    EXPECT_FALSE(src.problems.empty());
}

TEST(UsdaSource, MissingFilesAreProblems) {
    auto src = readUsdaSource("/nonexistent/usda");
    EXPECT_EQ(src.problems.size(), 4u);
    EXPECT_TRUE(src.foods.empty());
}

} // namespace
} // namespace korva::importer
