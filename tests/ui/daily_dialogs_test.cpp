#include "app/daily_commands.h"
#include "app/korva_app.h"
#include "daily/tday_dialog.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/ui_support.h"
#include "ui/daily_feature.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/qt_report_printer.h"

namespace korva {
namespace {

class DailyDialogsTest : public test::ScriptedTest {
protected:
    DailyDialogsTest() {
        platform.clock = {2026, 3, 7, 9, 0, 0};
        QApplication::instance()->installEventFilter(&helpKey);
    }
    test::LogTree tree;
    HelpKey helpKey{platform};
    KorvaApp app{tree.db, platform};
    MainWindow window{app, platform};
    DailyFeature daily{window, tree.db, platform};
};

using test::click;
using test::rows;

// Daily > Edit: a FoodList added, F1 for the dialog's help, closing asks;
// Daily > View shows the saved day and takes a typed date on Enter.
TEST_F(DailyDialogsTest, DayIsEditedSavedOnCloseAndShownByDate) {
    platform.answerFile(tree.saveList("fl0001.fls", 101, 2, platform));
    const QString calories = QStringLiteral("Calories\t100.00\t__cal\t 50% ODA");
    {
        test::DialogAnswer edit(QStringLiteral("tdayDialog"), [&](QWidget* d) {
            click(d, "addButton");
            EXPECT_EQ(test::child<QLineEdit>(d, "fileNameField")->text(), QStringLiteral("fl0001.fls"));
            EXPECT_EQ(rows(d, "totalsList").value(2), calories);
            QTest::keyClick(test::child(d, "totalsList"), Qt::Key_F1);
            EXPECT_EQ(platform.helpContexts, std::vector<int>{TdayDialog::kHelpEdit});
            platform.answer(MsgAnswer::cancel, "Save changes to the log of 03/07/26 ?");
            QTest::keyClick(d, Qt::Key_Escape);
            EXPECT_TRUE(d->isVisible());
            platform.answer(MsgAnswer::yes, "Save changes to the log of 03/07/26 ?");
            click(d, "closeButton");
        });
        ASSERT_TRUE(test::triggerAction(window.action(kCmdDailyEdit)));
    }

    test::DialogAnswer view(QStringLiteral("dntrDialog"), [&](QWidget* d) {
        EXPECT_EQ(rows(d, "totalsList").value(3), calories);
        platform.answerFile(tree.paths().foodListDir() / "day.csv");
        click(d, "exportCsvButton");
        click(d, "pastWeekRadio");
        EXPECT_EQ(rows(d, "totalsList").value(0), QStringLiteral("Daily Averages for PAST WEEK."));
        EXPECT_FALSE(test::child(d, "oneDayField")->isEnabled());
        click(d, "oneDayRadio");
        test::typeInto(d, "oneDayField", QStringLiteral("3/6/26"), true);
        EXPECT_EQ(rows(d, "totalsList").value(0), QString::fromLatin1(dailymsg::kNoLogFiles));
        click(d, "closeButton");
    });
    ASSERT_TRUE(test::triggerAction(window.action(kCmdDailyView)));
}

// Daily > View > Chart: the days of the range shown, printed as a job of its own.
TEST_F(DailyDialogsTest, ChartOfTheRangeShownPrints) {
    tree.saveDay(LogDate(3, 5, 26), 150, platform);
    const std::filesystem::path out = tree.paths().root / "pdf";
    QtReportPrinter::shared().sendJobsTo(out);
    test::DialogAnswer view(QStringLiteral("dntrDialog"), [&](QWidget* d) {
        click(d, "pastWeekRadio");
        test::DialogAnswer chart(QStringLiteral("nutrientTrendDialog"), [&](QWidget* c) {
            test::child<QComboBox>(c, "nutrientChoice")->setCurrentIndex(12);
            click(c, "printButton");
            click(c, "closeButton");
        });
        click(d, "chartButton");
        click(d, "closeButton");
    });
    ASSERT_TRUE(test::triggerAction(window.action(kCmdDailyView)));
    QtReportPrinter::shared().printOnPrinter();
    EXPECT_TRUE(std::filesystem::exists(out / "NUTRIENT_TREND-001.pdf"));
}

TEST_F(DailyDialogsTest, DailyMenuRefusesTheDefaultUser) {
    tree.db.users().current().name = "default";
    for (int id : {kCmdDailyEnter, kCmdDailyEdit, kCmdDailyView}) ASSERT_TRUE(test::triggerAction(window.action(id)));
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{DailyCommands::kCannotLogDefault, DailyCommands::kCannotLogDefault,
                                        DailyCommands::kCantLogDefault}));
}

} // namespace
} // namespace korva
