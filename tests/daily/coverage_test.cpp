#include <gtest/gtest.h>

#include "core/nutrients.h"
#include "daily/dntr_dialog.h"
#include "daily/indiv_dlg.h"
#include "daily/nutrient_view_dialog.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

using Texts = std::vector<std::string>;
constexpr int kSelenium = 26, kVitE = 13, kLysine = 30;

// Three foods: one reports Selenium and Vit. E, one only Selenium, one neither.
class CoverageTest : public test::ScriptedTest {
protected:
    test::DataTree tree{{test::DataFood(1, "All", 100, {{0, 50}, {kSelenium, 3}, {kVitE, 1}}),
                         test::DataFood(1, "Sel", 100, {{0, 60}, {kSelenium, 2}}),
                         test::DataFood(1, "Bare", 100, {{0, 70}})}};
    void SetUp() override { tree.withCurrentUser("user01.rda", "Ann", 200); }
    std::string saved(std::size_t food) {
        return tree.saveList(std::to_string(food) + ".fls", test::DataTree::idOf(food), 1, platform);
    }
    void logDay(int day, const Texts& lists) {
        LogFile log;
        log.setDate(tree.owner(), LogDate(3, day, 26));
        for (const std::string& l : lists) log.addFoodList(l, tree.db, platform);
        std::filesystem::create_directories(tree.owner().logFolder());
        ASSERT_TRUE(log.write(platform));
    }
};

TEST_F(CoverageTest, ARangeCountsItsDaysAndTheirItemsAndOnlyTheScreenMarksThem) {
    const std::string all = saved(0), sel = saved(1), bare = saved(2);
    logDay(1, {all, sel});
    logDay(2, {sel, bare, sel});
    logDay(3, {"/nowhere.fls"}); // counts no items
    platform.clock = {2026, 3, 3, 12, 0, 0};
    DNtrDialog d(tree.db, platform);
    d.open();
    d.setFieldText(DNtrDialog::rangeStart, "3/1/26");
    d.onDateRange();
    const RangeCoverage& c = d.logSet().coverage();
    EXPECT_EQ((std::array{c.days, c.completeDays[0], c.completeDays[kSelenium], c.completeDays[kVitE]}),
              (std::array{3, 2, 1, 0}));
    EXPECT_EQ((std::array{c.items.items, c.items.reporting[kSelenium], c.items.reporting[kVitE]}),
              (std::array{5, 4, 1}));
    EXPECT_EQ(d.logSet().days().at(1).coverage.reportingItems(kSelenium), 2);

    const Texts& rows = d.totalsRows();
    EXPECT_EQ(rows.back(), "* 1 of 5 foods report Vit. E; 4 of 5 report Selenium");
    EXPECT_EQ(rows.at(3 + kSelenium).substr(rows.at(3 + kSelenium).size() - 3), "  *");
    EXPECT_EQ(rows.at(3 + kStandardNutrientCount).substr(0, 20), "Isoleucine\t N  /  A ");
    test::KeepingPrinter printer;
    ASSERT_TRUE(d.onPrint(printer));
    for (const std::string& t : printer.texts) EXPECT_EQ(t.find('*'), std::string::npos) << t;
}

TEST_F(CoverageTest, ViewsOfAListMarkWhatSomeItemsLackAndSayNoData) {
    ActiveDocument active;
    CFoodListDoc doc(tree.db, platform, active);
    doc.onNewDocument("fl0001.fls");
    for (std::size_t k = 0; k < 3; ++k) ASSERT_TRUE(doc.list().addFood(tree.entry(test::DataTree::idOf(k)), 0));
    const ViewFoods foods(tree.db);

    IndivDlg one(doc.list(), foods.user(), platform);
    one.onNutrientChosen(kSelenium);
    EXPECT_EQ(one.rows().back(), "Bare\tno data\t 1.00 Svg.");
    EXPECT_EQ((Texts{one.markText(), one.noteText()}), (Texts{"*", "* 2 of 3 foods report Selenium"}));
    one.onNutrientChosen(kLysine);
    EXPECT_EQ((Texts{one.totalText(), one.markText()}), (Texts{"N / A", ""}));

    NutrientViewDialog view(foods, platform, NutrientViewDialog::kTable, doc, NutrientViewDialog::kWhole);
    const auto rows = view.screenRows(ChartPage::standard);
    EXPECT_EQ((Texts{rows[0].mark, rows[kVitE].mark, rows[kSelenium].mark}), (Texts{"", "*", "*"}));
    EXPECT_EQ(view.coverageNote(), "* 1 of 3 foods report Vit. E; 2 of 3 report Selenium");
    const ChartGeometry chart = view.chart(740, 812);
    int marks = 0;
    for (const ChartShape& s : chart.shapes)
        marks += std::holds_alternative<ChartText>(s) && std::get<ChartText>(s).text == "*";
    EXPECT_EQ(marks, 2);
    view.onPageChosen(1);
    EXPECT_EQ(view.screenRows(ChartPage::amino)[1].row.value, std::string(kValueNotAvailable));
    EXPECT_EQ(view.tableRows(ChartPage::amino)[1].value, " 0.000"); // as printed
}

} // namespace
} // namespace korva
