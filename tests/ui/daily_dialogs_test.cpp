#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/daily_commands.h"
#include "app/korva_app.h"
#include "daily/tday_dialog.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/dialog_answer.h"
#include "ui/daily_feature.h"
#include "ui/help_window.h"
#include "ui/main_window.h"

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

// Daily > Edit: a FoodList added, F1 for the dialog's help, closing asks;
// Daily > View shows the saved day and takes a typed date on Enter.
TEST_F(DailyDialogsTest, DayIsEditedSavedOnCloseAndShownByDate) {
    platform.answerFile(tree.saveList("fl0001.fls", 101, 2, platform));
    const QString calories = QStringLiteral("Calories\t100.00\t__cal\t 50% ODA");
    {
        test::DialogAnswer edit(QStringLiteral("tdayDialog"), [&](QWidget* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("Edit  One  Day's  Foods"));
            d->findChild<QPushButton*>("addButton")->click();
            EXPECT_EQ(d->findChild<QLineEdit*>("fileNameField")->text(), QStringLiteral("fl0001.fls"));
            EXPECT_EQ(d->findChild<QListWidget*>("totalsList")->item(2)->text(), calories);
            QTest::keyClick(d->findChild<QListWidget*>("totalsList"), Qt::Key_F1);
            EXPECT_EQ(platform.helpContexts, std::vector<int>{TdayDialog::kHelpEdit});
            platform.answer(MsgAnswer::cancel, "Save changes to the log of 03/07/26 ?");
            QTest::keyClick(d, Qt::Key_Escape);
            EXPECT_TRUE(d->isVisible());
            platform.answer(MsgAnswer::yes, "Save changes to the log of 03/07/26 ?");
            d->findChild<QPushButton*>("closeButton")->click();
        });
        ASSERT_TRUE(test::triggerAction(window.action(kCmdDailyEdit)));
    }

    test::DialogAnswer view(QStringLiteral("dntrDialog"), [&](QWidget* d) {
        auto* totals = d->findChild<QListWidget*>("totalsList");
        EXPECT_EQ(totals->item(3)->text(), calories);
        d->findChild<QRadioButton*>("pastWeekRadio")->click();
        EXPECT_EQ(totals->item(0)->text(), QStringLiteral("Daily Averages for PAST WEEK."));
        EXPECT_FALSE(d->findChild<QLineEdit*>("oneDayField")->isEnabled());
        d->findChild<QRadioButton*>("oneDayRadio")->click();
        auto* field = d->findChild<QLineEdit*>("oneDayField");
        field->selectAll();
        QTest::keyClicks(field, "3/6/26");
        EXPECT_EQ(totals->item(0)->text(), QString::fromLatin1(dailymsg::kHitUpdate));
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(totals->item(0)->text(), QString::fromLatin1(dailymsg::kNoLogFiles));
        d->findChild<QPushButton*>("closeButton")->click();
    });
    ASSERT_TRUE(test::triggerAction(window.action(kCmdDailyView)));
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
