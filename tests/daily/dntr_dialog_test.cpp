#include <gtest/gtest.h>

#include "core/nutrients.h"
#include "daily/dntr_dialog.h"
#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

using Texts = std::vector<std::string>;

class DNtrDialogTest : public test::ScriptedTest {
protected:
    void today(int month, int day, int year) { platform.clock = {year, month, day, 12, 0, 0}; }
    float shownCalories(const DNtrDialog& d) { return d.logSet().totals().value(0); }

    test::LogTree tree;
};

TEST_F(DNtrDialogTest, AveragesOverTheDaysThatHaveALog) {
    today(3, 7, 2026);
    tree.saveDay(LogDate(3, 1, 26), 100, platform); // one of the seven days
    tree.saveDay(LogDate(3, 4, 26), 200, platform);
    tree.saveDay(LogDate(3, 7, 26), 600, platform);
    tree.saveDay(LogDate(2, 28, 26), 5000, platform);             // eight days back
    test::writeBytes(tree.dayFile(LogDate(3, 5, 26)), {1, 2, 3}); // damaged: skipped

    DNtrDialog d(tree.db, platform);
    d.open();
    EXPECT_EQ(d.fieldText(DNtrDialog::oneDayField), "03/07/26");
    EXPECT_FLOAT_EQ(shownCalories(d), 600);
    // Typing asks for an update and Enter takes what is shown; a date that
    // does not parse keeps the last one, without a message.
    d.setFieldText(DNtrDialog::oneDayField, "3/1/26");
    d.onFieldEdited();
    EXPECT_EQ(d.totalsRows(), Texts{dailymsg::kHitUpdate});
    EXPECT_FALSE(d.resultsShown());
    d.onEnter();
    d.setFieldText(DNtrDialog::oneDayField, "2/30/26");
    d.onOneDay();
    EXPECT_FLOAT_EQ(shownCalories(d), 100);

    d.onPastWeek();
    const Texts& rows = d.totalsRows();
    ASSERT_EQ(rows.size(), 3u + kNutrientCount);
    EXPECT_EQ((Texts{rows[0], rows[1], rows[3]}),
              (Texts{"Daily Averages for PAST WEEK.", "3 Log file(s) found.", "Calories\t300.00\t__cal\t150% ODA"}));
    EXPECT_FALSE(d.fieldEnabled(DNtrDialog::oneDayField));

    // A range with one log shows it undivided; one with none says so.
    d.setFieldText(DNtrDialog::rangeStart, "3/2/26");
    d.setFieldText(DNtrDialog::rangeEnd, "3/4");
    d.onDateRange();
    EXPECT_EQ(d.fieldText(DNtrDialog::rangeEnd), "03/04/26");
    EXPECT_EQ(d.totalsRows().at(1), "1 Log file(s) found.");
    EXPECT_FLOAT_EQ(shownCalories(d), 200);
    d.onScroll(DNtrDialog::rangeEnd, -1);
    d.onScrollEnded(DNtrDialog::rangeEnd);
    EXPECT_EQ(d.totalsRows(), Texts{dailymsg::kNoLogFiles});
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DNtrDialogTest, PastMonthAndRangesAcrossMonthAndYearEnds) {
    struct Case {
        LocalDateTime now;
        LogDate start;
    };
    const Case cases[] = {{{2024, 3, 31}, {2, 29, 24}}, {{2026, 3, 31}, {2, 28, 26}}, {{2026, 1, 15}, {12, 15, 25}}};
    for (const Case& c : cases) {
        platform.clock = c.now;
        const LogDate end = LogDate::fromLocal(c.now);
        tree.saveDay(c.start, 10, platform);
        LogDate before = c.start;
        before.addDays(-1);
        tree.saveDay(before, 1000, platform);
        tree.saveDay(end, 30, platform);
        DNtrDialog d(tree.db, platform);
        d.open();
        d.onPastMonth();
        EXPECT_EQ((std::pair{d.logSet().found(), shownCalories(d)}), (std::pair{2, 20.0f})) << c.start.slashed();
    }

    tree.saveDay(LogDate(12, 31, 25), 40, platform);
    tree.saveDay(LogDate(1, 1, 26), 50, platform);
    DNtrDialog d(tree.db, platform);
    d.open();
    d.setFieldText(DNtrDialog::rangeStart, "12/20/2025");
    d.setFieldText(DNtrDialog::rangeEnd, "1/20/26");
    d.onDateRange();
    EXPECT_EQ((std::pair{d.logSet().found(), shownCalories(d)}), (std::pair{3, 40.0f})); // 12/31, 01/01, 01/15
}

TEST_F(DNtrDialogTest, RefusalsInTheirOrder) {
    today(3, 7, 2026);
    test::KeepingPrinter printer;
    DNtrDialog d(tree.db, platform);
    d.open();
    d.onDeleteRange();
    EXPECT_FALSE(d.onPrint(printer));

    tree.saveDay(LogDate(3, 7, 26), 100, platform);
    d.onOneDay();
    d.setFieldText(DNtrDialog::rangeStart, "3/8/26");
    d.onDateRange();
    d.onScroll(DNtrDialog::deleteStart, 1);
    d.onDeleteRange(); // its own start after its end, though a day is shown
    d.setFieldText(DNtrDialog::deleteStart, "3/32/26");
    d.onDeleteRange();
    EXPECT_EQ(d.fieldText(DNtrDialog::deleteStart), "03/08/26");
    EXPECT_EQ(printer.dialogs, 0);
    EXPECT_EQ(platform.messageTexts(),
              (Texts{dailymsg::kNoDataCantDelete, dailymsg::kNoDataCannotPrint, dailymsg::kStartAfterEndUpdate,
                     dailymsg::kStartAfterEndDelete, dailymsg::kOutOfRange}));
    EXPECT_TRUE(std::filesystem::exists(tree.dayFile(LogDate(3, 7, 26))));
}

TEST_F(DNtrDialogTest, DeleteRangeRemovesOnlyShownDaysInsideItAfterTheWarning) {
    today(3, 7, 2026);
    for (int day : {1, 3, 5, 7}) tree.saveDay(LogDate(3, day, 26), 100, platform);
    DNtrDialog d(tree.db, platform);
    d.open();
    d.onPastWeek();
    d.setFieldText(DNtrDialog::deleteStart, "3/2/26");
    d.setFieldText(DNtrDialog::deleteEnd, "3/5/26");

    platform.answer(MsgAnswer::no, dailymsg::kDeleteWarning);
    d.onDeleteRange();
    EXPECT_EQ(d.logSet().found(), 4);
    platform.answer(MsgAnswer::yes, dailymsg::kDeleteWarning);
    d.onDeleteRange();
    for (int day : {1, 3, 5, 7})
        EXPECT_EQ(std::filesystem::exists(tree.dayFile(LogDate(3, day, 26))), day == 1 || day == 7) << day;
    EXPECT_EQ(d.totalsRows().at(1), "2 Log file(s) found.");

    // Print: the dates of the range shown, then its rows.
    test::KeepingPrinter printer;
    ASSERT_TRUE(d.onPrint(printer));
    EXPECT_EQ(printer.texts.at(2), "Start DATE  :  03/01/26    End DATE  :  03/07/26");
}

} // namespace
} // namespace korva
