#include "lists/csv_export.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/nutrients.h"
#include "lists/food_list.h"
#include "lists/text_export.h"
#include "tests/support/csv_reader.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

namespace fs = std::filesystem;

test::DataFood withoutIsoleucine(test::DataFood f) {
    f.record.setLevel(38, 0);
    return f;
}

class CsvExportTest : public test::ScriptedTest {
protected:
    // A name that needs quoting and a Latin-1 letter.
    test::DataTree tree{{
        withoutIsoleucine(test::food(101, 5, "Milk, \"whole\" caf\xE9", 100, {120, 8, 5, 1.3f, 0, 0, 4.7f})),
        withoutIsoleucine(test::food(102, 10, "Apples", 138, {52, 0.3f, 0.2f, 0, 0, 0, 14.0f, 2.4f})),
    }};
    fs::path folder = tree.paths().foodListDir();

    std::string text(const fs::path& file) {
        const auto bytes = test::fileBytes(file);
        return {bytes.begin(), bytes.end()};
    }
};

// Every number read back: each item's, and the totals row against the
// list's totals, which the items' rows add up to.
TEST_F(CsvExportTest, ListReadsBackWithItsItemsAndTotals) {
    FoodList list(&tree.db);
    ASSERT_TRUE(list.addFood(tree.entry(101), kUnitGrams));
    ASSERT_TRUE(list.setCurrentAmount(250, kUnitGrams));
    ASSERT_TRUE(list.addFood(tree.entry(102), kUnitServings));
    ASSERT_TRUE(list.setCurrentAmount(2.5f, kUnitServings));
    list.setPath("/x/lunch.fls");
    EXPECT_EQ(proposedCsvName(list), "lunch.csv");

    platform.answerFile("lunch.csv"); // a bare name lies in the folder the dialog opened in
    ASSERT_TRUE(saveCsvAs(platform, folder, proposedCsvName(list), listCsv(list)));
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{csvmsg::kSaved});
    const std::vector<test::CsvRow> rows = test::readCsv(text(folder / "lunch.csv"));
    ASSERT_EQ(rows.size(), 4u);
    for (const test::CsvRow& row : rows) ASSERT_EQ(row.size(), 4u + kNutrientCount);
    EXPECT_EQ((test::CsvRow{rows[0][0], rows[0][3], rows[0][4], rows[0][42]}),
              (test::CsvRow{"Name", "Grams", "Calories (cal)", "Isoleucine (gm)"}));
    EXPECT_EQ((test::CsvRow{rows[1][0], rows[1][1], rows[1][2], rows[2][1], rows[2][2], rows[3][0]}),
              (test::CsvRow{"Milk, \"whole\" caf\xC3\xA9", "250", "grams", "2.5", "servings", "Totals"}));

    const NutrientRecord& totals = list.totals();
    for (int col = 3; col < 4 + kNutrientCount; ++col) {
        const auto c = static_cast<std::size_t>(col);
        const int n = col - 4;
        const std::optional<float> total = test::csvNumber(rows[3][c]);
        if (n >= 0 && totals.level(n) == 0) {
            EXPECT_FALSE(total || test::csvNumber(rows[1][c]) || test::csvNumber(rows[2][c])) << "N / A " << n;
            continue;
        }
        ASSERT_TRUE(total) << col;
        EXPECT_EQ(*total, n < 0 ? list.totalGrams() : totals.value(n)) << col;
        const float sum = test::csvNumber(rows[1][c]).value_or(-1) + test::csvNumber(rows[2][c]).value_or(-1);
        EXPECT_NEAR(sum, *total, 1e-5f * std::max(1.0f, *total)) << col;
    }
    EXPECT_EQ(*test::csvNumber(rows[1][4]), 300.0f); // 250 g of 120 cal/100 g
}

// A file that cannot be written says so and stays as it was; a cancelled
// chooser writes nothing and says nothing.
TEST_F(CsvExportTest, FailedWriteIsReportedAndLosesNothing) {
    const fs::path taken = folder / "taken.csv";
    fs::create_directories(taken);
    test::writeBytes(taken / "keep", {1, 2, 3});
    const auto entries = [&] { return std::distance(fs::directory_iterator(folder), fs::directory_iterator()); };
    const auto before = entries();
    platform.answerFile(taken);
    EXPECT_FALSE(saveCsvAs(platform, folder, "taken.csv", "a,b\r\n"));
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{exportmsg::kCantCreate});
    EXPECT_EQ(test::fileBytes(taken / "keep"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(entries(), before) << "a temporary file was left behind";

    platform.answerFile(std::nullopt);
    EXPECT_FALSE(saveCsvAs(platform, folder, "x.csv", "a\r\n"));
    EXPECT_EQ(platform.messages.size(), 1u);
}

} // namespace
} // namespace korva
