#include <gtest/gtest.h>

#include "daily/dntr_dialog.h"
#include "lists/csv_export.h"
#include "lists/food_list.h"
#include "lists/text_export.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;
using CsvExportTest = test::ScriptedTest;

// Records end in CR LF; a quoted field may hold commas, line ends and
// doubled quotes.  A bare line feed or a cut last record loses a record.
std::vector<Texts> readCsv(const fs::path& file) {
    const auto bytes = test::fileBytes(file);
    const std::string text(bytes.begin(), bytes.end());
    std::vector<Texts> rows(1, Texts(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' && quoted && text[i + 1] == '"')
            rows.back().back() += text[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            rows.back().emplace_back();
        else if (c == '\r' && !quoted && text[++i] == '\n')
            rows.emplace_back(1);
        else
            rows.back().back() += c;
    }
    rows.pop_back();
    return rows;
}

// A number cell with "." as its decimal point; none for an empty cell.
std::optional<float> number(const std::string& cell) {
    return cell.empty() ? std::nullopt : std::optional(std::stof(cell)); // the tests run in the "C" locale
}

// The totals row holds the list's totals, which the items' rows add up to; a
// name that needs quoting, a Latin-1 letter, isoleucine that no food has.
TEST_F(CsvExportTest, ListReadsBackAgainstItsTotals) {
    std::vector<test::DataFood> foods = {test::food(101, 5, "Milk, \"whole\" caf\xE9", 100, {120, 8, 5, 1.3f}),
                                         test::food(102, 10, "Apples", 138, {52, 0.3f, 0.2f, 0, 0, 0, 14.0f})};
    for (test::DataFood& f : foods) f.record.setLevel(38, 0);
    test::DataTree tree{foods};
    FoodList list(&tree.db);
    ASSERT_TRUE(list.addFood(tree.entry(101), kUnitGrams) && list.setCurrentAmount(250, kUnitGrams));
    ASSERT_TRUE(list.addFood(tree.entry(102), kUnitServings) && list.setCurrentAmount(2.5f, kUnitServings));
    platform.answerFile(tree.root() / "lunch.csv");
    ASSERT_TRUE(saveCsvAs(platform, tree.root(), "", listCsv(list)));
    const auto rows = readCsv(tree.root() / "lunch.csv");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ((Texts{rows[0][4], rows[1][0], rows[1][1], rows[1][2], rows[2][2], rows[3][0]}),
              (Texts{"Calories (cal)", "Milk, \"whole\" caf\xC3\xA9", "250", "grams", "servings", "Totals"}));
    const NutrientRecord& t = list.totals();
    for (std::size_t c = 3; c < 4 + kNutrientCount; ++c) {
        const int n = int(c) - 4;
        const auto total = number(rows[3].at(c));
        EXPECT_EQ(total, n < 0 ? list.totalGrams() : t.level(n) ? std::optional(t.value(n)) : std::nullopt) << c;
        const float items = number(rows[1].at(c)).value_or(0) + number(rows[2].at(c)).value_or(0);
        EXPECT_NEAR(items, total.value_or(0), 1e-5f * std::max(1.0f, total.value_or(0))) << c;
    }
}

// A day per row, then their average.  A file that cannot be written says so,
// stays as it was and leaves no temporary file behind.
TEST_F(CsvExportTest, DaysReadBackAndAFailedWriteLosesNothing) {
    test::LogTree tree;
    platform.clock = {2026, 3, 7, 12, 0, 0};
    tree.saveDay(LogDate(3, 2, 26), 100, platform);
    tree.saveDay(LogDate(3, 5, 26), 250.5f, platform);
    DNtrDialog d(tree.db, platform);
    d.open();
    d.onPastWeek();
    const fs::path taken = tree.root() / "out" / "week.csv";
    fs::create_directories(taken);
    test::writeBytes(taken / "kept", {1});
    platform.answerFile(taken);
    EXPECT_FALSE(d.onExportCsv());
    EXPECT_EQ(platform.messageTexts(), Texts{exportmsg::kCantCreate});
    EXPECT_EQ(test::fileBytes(taken / "kept"), std::vector<std::uint8_t>{1});
    EXPECT_EQ(std::distance(fs::directory_iterator(taken.parent_path()), {}), 1);

    platform.answerFile(taken.parent_path() / "days.csv");
    ASSERT_TRUE(d.onExportCsv());
    const auto rows = readCsv(taken.parent_path() / "days.csv");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ((Texts{rows[0][1], rows[1][0], rows[1][1], rows[2][0], rows[2][1], rows[3][0], rows[3].at(39)}),
              (Texts{"Calories (cal)", "2026-03-02", "100", "2026-03-05", "250.5", "Average", ""}));
    EXPECT_FLOAT_EQ(number(rows[3][1]).value_or(0), (100 + 250.5f) / 2);
}

} // namespace
} // namespace korva
