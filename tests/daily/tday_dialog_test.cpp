#include <gtest/gtest.h>

#include "core/nutrients.h"
#include "daily/tday_dialog.h"
#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

using Texts = std::vector<std::string>;

class TdayDialogTest : public test::ScriptedTest {
protected:
    TdayDialogTest() { platform.clock = {2026, 3, 1, 8, 15, 0}; }

    test::LogTree tree;
};

TEST_F(TdayDialogTest, TodayAddsAListShowsTotalsAndSavesToTodaysFile) {
    const std::string milk = tree.saveList("fl0001.fls", 101, 2, platform);
    TdayDialog d(tree.db, platform, TdayDialog::today);
    d.open();
    EXPECT_FALSE(d.dateControlsShown());
    EXPECT_EQ(d.dateLabel(), "Sun Mar 01 2026");
    EXPECT_EQ(d.totalsRows(), Texts{"No Food List Files for 03/01/26"});
    EXPECT_TRUE(std::filesystem::is_directory(tree.owner().logFolder()));

    platform.answerFile(milk);
    d.onAddFoodList();
    EXPECT_EQ(platform.fileRequests.at(0).startFolder, tree.paths().foodListDir());
    EXPECT_EQ((Texts{d.foodListRows().at(0), d.fileNameField()}), (Texts{"fl0001.fls", "fl0001.fls"}));
    const Texts& rows = d.totalsRows();
    ASSERT_EQ(rows.size(), 2u + kNutrientCount);
    EXPECT_EQ(Texts(rows.begin(), rows.begin() + 3),
              (Texts{"Daily Totals for 03/01/26", std::string(62, '-'), "Calories\t100.00\t__cal\t 50% ODA"}));
    EXPECT_EQ(rows[31].substr(0, 11), "Isoleucine\t"); // amino acids last one first
    ASSERT_TRUE(d.onSave());
    LogFile saved;
    ASSERT_EQ(saved.openDay(tree.owner(), "030126"), LogRead::read);
    EXPECT_EQ(saved.timestamp, "Sun Mar 01 08:15:00 2026\n");
    EXPECT_TRUE(saved.year == 126 && saved.month == 2 && saved.foodListPaths == Texts{milk});
    TdayDialog again(tree.db, platform, TdayDialog::today);
    again.open();
    EXPECT_EQ(again.totalsRows(), rows);
    again.onHelp();
    EXPECT_EQ(platform.helpContexts, std::vector<int>{TdayDialog::kHelpToday});
}

TEST_F(TdayDialogTest, DeletingRecomputesFromTheFilesAndTheLastLeavesAnEmptyDay) {
    const std::string milk = tree.saveList("fl0001.fls", 101, 2, platform);
    const std::string apple = tree.saveList("fl0002.fls", 102, 1, platform);
    TdayDialog d(tree.db, platform, TdayDialog::today);
    d.open();
    for (const std::string& f : {milk, apple, milk}) {
        platform.answerFile(f);
        d.onAddFoodList();
    }
    tree.saveList("fl0002.fls", 102, 3, platform); // changed after it was added
    EXPECT_FLOAT_EQ(d.log().totals.value(0), 252);

    d.onSelectRow(1);
    EXPECT_EQ(d.fileNameField(), "fl0002.fls");
    d.onDeleteFoodList();
    EXPECT_EQ(d.foodListRows(), (Texts{"fl0001.fls", "fl0001.fls"}));
    EXPECT_FLOAT_EQ(d.log().totals.value(0), 200);

    tree.saveList("fl0001.fls", 101, 1, platform);
    d.onDeleteFoodList(); // the first row, none chosen since the refill
    EXPECT_FLOAT_EQ(d.log().totals.value(0), 50);
    d.onDeleteFoodList();
    EXPECT_EQ(d.log().totals, NutrientRecord{});
    d.onDeleteFoodList(); // nothing left to delete
    EXPECT_EQ(d.totalsRows(), Texts{"No Food List Files for 03/01/26"});
}

TEST_F(TdayDialogTest, EditModeStepsAndTypesDatesWithItsRefusalsInOrder) {
    tree.saveDay(LogDate(2, 28, 26), 300, platform);
    tree.saveDay(LogDate(5, 14, 26), 700, platform);
    const LogDate damaged(5, 15, 26);
    tree.saveDay(damaged, 300, platform);
    std::vector<std::uint8_t> bytes = test::fileBytes(tree.dayFile(damaged));
    bytes.resize(bytes.size() - 3);
    test::writeBytes(tree.dayFile(damaged), bytes);
    TdayDialog d(tree.db, platform, TdayDialog::editDay);
    d.open();
    EXPECT_EQ(d.dateLabel(), "03/01/26");
    d.onScrollLeft();
    d.onScrollEnded();
    EXPECT_EQ(d.log().path, tree.dayFile(LogDate(2, 28, 26)).string());

    platform.answerText("5-14-26", dailymsg::kDatePrompt);
    platform.answerText("2/29/26");
    platform.answerText(std::nullopt);
    platform.answerText("5/14");
    for (int i = 0; i < 4; ++i) d.onDateButton();
    EXPECT_EQ(platform.messageTexts(), (Texts{dailymsg::kWrongFormat, dailymsg::kOutOfRange}));
    EXPECT_EQ(d.dateLabel(), "05/14/26");
    EXPECT_FLOAT_EQ(d.log().totals.value(0), 700);

    // A damaged day is refused with its message, shown empty and left as it is.
    d.onScrollRight();
    d.onScrollEnded();
    EXPECT_EQ(platform.messageTexts().back(), dailymsg::kDamaged);
    EXPECT_EQ(d.totalsRows(), Texts{"No Food List Files for 05/15/26"});
    EXPECT_EQ(test::fileBytes(tree.dayFile(damaged)), bytes);
    d.onHelp();
    EXPECT_EQ(platform.helpContexts, std::vector<int>{TdayDialog::kHelpEdit});
}

TEST_F(TdayDialogTest, PrintsTheDayOrRefusesAnEmptyOneAndAsksBeforeLeavingAnAddition) {
    test::KeepingPrinter printer;
    TdayDialog d(tree.db, platform, TdayDialog::editDay);
    d.open();
    EXPECT_FALSE(d.onPrint(printer));
    EXPECT_EQ(platform.messageTexts(), Texts{dailymsg::kNoDataCantPrint});
    EXPECT_EQ(printer.dialogs, 0);

    platform.answerFile(tree.saveList("fl0001.fls", 101, 2, platform));
    d.onAddFoodList();
    ASSERT_TRUE(d.onPrint(printer));
    EXPECT_EQ(printer.jobName, "FOOD LIST TOTALS");
    Texts want{"Korvana", "NUTRIENT  TOTALS  for  TODAY  for  User  : Ann", "DATE  :  03/01/26"};
    want.insert(want.end(), d.totalsRows().begin(), d.totalsRows().end());
    EXPECT_EQ(printer.texts, want);
    EXPECT_EQ(printer.finished.at(0).cellX.at(5), (std::vector<int>{40, 150, 230, 310})); // stops at 15 + 8k widths

    // Leaving the day with its addition asks first: Cancel stays on the day and keeps its addition.
    for (int i = 0; i < 3; ++i) platform.answer(MsgAnswer::cancel, "Save changes to the log of 03/01/26 ?");
    d.onScrollLeft();
    d.onScrollEnded();
    platform.answerText("5/14/26");
    d.onDateButton();
    EXPECT_FALSE(d.canClose());
    EXPECT_EQ(d.date(), LogDate(3, 1, 26));
    EXPECT_EQ(d.log().foodListCount(), 1u);

    // Yes saves the day before the next opens; nothing asks after that.
    platform.answer(MsgAnswer::yes, "Save changes to the log of 03/01/26 ?");
    d.onScrollRight();
    d.onScrollEnded();
    EXPECT_EQ(d.dateLabel(), "03/02/26");
    EXPECT_TRUE(std::filesystem::exists(tree.dayFile(LogDate(3, 1, 26))));
    EXPECT_TRUE(d.canClose());
}

} // namespace
} // namespace korva
