#include <gtest/gtest.h>

#include "daily/dntr_dialog.h"
#include "lists/list_coverage.h"
#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

constexpr int kSelenium = 26, kVitE = 13;

// Foods reporting calories, Selenium and Vit. E; calories and Selenium; calories only.
class CoverageTest : public ::testing::Test {
protected:
    test::DataTree tree{{test::DataFood(1, "All", 100, {{0, 50}, {kSelenium, 3}, {kVitE, 1}}),
                         test::DataFood(1, "Sel", 100, {{0, 60}, {kSelenium, 2}}),
                         test::DataFood(1, "Bare", 100, {{0, 70}})}};
    test::ScriptedPlatform platform;
};

TEST_F(CoverageTest, ListCountsFollowEveryChange) {
    FoodList a(&tree.db), b(&tree.db);
    const std::filesystem::path file = tree.listFile("a.fls"), gone = tree.listFile("gone.fls");
    const auto add = [&](FoodList& l, std::size_t k) { ASSERT_TRUE(l.addFood(tree.entry(tree.idOf(k)), 0)); };
    const std::tuple<const char*, std::function<void()>, const FoodList&, std::array<int, 4>> steps[] = {
        {"add", [&] { add(a, 0), add(a, 1), add(a, 2); }, a, {3, 3, 2, 1}},
        {"delete", [&] { a.deleteCurrent(); }, a, {2, 2, 2, 1}},
        {"read", [&] { a.writeFile(file, platform), b.readFile(file, false, platform); }, b, {2, 2, 2, 1}},
        {"merge", [&] { b.readFile(file, true, platform); }, b, {4, 4, 4, 2}},
        {"recompute", [&] { b.recomputeTotals(); }, b, {4, 4, 4, 2}},
        {"emptied", [&] { b.clear(), add(b, 2), b.append(FoodItem(9)); }, b, {1, 1, 0, 0}},
        {"dropped", [&] { b.writeFile(gone, platform), a.readFile(gone, 0, platform); }, a, {1, 1, 0, 0}},
    };
    for (const auto& [what, act, list, want] : steps) {
        act();
        const NutrientCoverage& c = list.coverage();
        EXPECT_EQ((std::array{c.items, c.reporting[0], c.reporting[kSelenium], c.reporting[kVitE]}), want) << what;
    }
    EXPECT_EQ(b.totals().level(0), 2); // emptied and filled again, calories are no "N / A"
    EXPECT_EQ(foodListFileCoverage(gone, tree.db), a.coverage());
}

TEST_F(CoverageTest, ARangeCountsItsDaysAndTheirItemsAndOnlyTheScreenMarksThem) {
    tree.withCurrentUser("user01.rda", "Ann", 200);
    std::filesystem::create_directories(tree.owner().logFolder());
    std::vector<std::string> lists{"/nowhere.fls"}; // counts no items
    for (std::uint16_t k = 0; k < 3; ++k) lists.push_back(tree.saveList(std::to_string(k), tree.idOf(k), 1, platform));
    for (const auto& [day, of] : std::vector<std::pair<int, std::vector<int>>>{{1, {1, 2}}, {2, {2, 3, 2}}, {3, {0}}}) {
        LogFile log;
        log.setDate(tree.owner(), LogDate(3, day, 26));
        for (int l : of) log.addFoodList(lists[std::size_t(l)], tree.db, platform);
        ASSERT_TRUE(log.write(platform));
    }
    platform.clock = {2026, 3, 3, 12, 0, 0};
    DNtrDialog d(tree.db, platform);
    d.open();
    d.setFieldText(DNtrDialog::rangeStart, "3/1/26");
    d.onDateRange();
    const RangeCoverage& c = d.logSet().coverage();
    EXPECT_EQ((std::array{c.days, c.completeDays[0], c.completeDays[kSelenium], c.completeDays[kVitE], c.items.items,
                          c.items.reporting[kSelenium], c.items.reporting[kVitE]}),
              (std::array{3, 2, 1, 0, 5, 4, 1}));
    EXPECT_EQ(d.totalsRows().back(), "* 1 of 5 foods report Vit. E; 4 of 5 report Selenium");
    test::KeepingPrinter printer;
    ASSERT_TRUE(d.onPrint(printer));
    for (const std::string& t : printer.texts) EXPECT_EQ(t.find('*'), std::string::npos) << t;
}

} // namespace
} // namespace korva
