#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/daily_commands.h"
#include "app/korva_app.h"
#include "daily/dntr_dialog.h"
#include "daily/tday_dialog.h"
#include "tests/daily/log_tree.h"
#include "tests/support/scripted_platform.h"
#include "ui/daily_feature.h"
#include "ui/daily_widgets.h"
#include "ui/main_window.h"

namespace korva {
namespace {

QStringList rowsOf(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

class DailyDialogsTest : public test::ScriptedTest {
protected:
    DailyDialogsTest() { platform.clock = {2026, 3, 7, 9, 0, 0}; }
    test::LogTree tree;
};

TEST_F(DailyDialogsTest, TodaysListIsSavedAndShownByDate) {
    const std::string milk = tree.saveList("fl0001.fls", 101, 2, platform);
    const QString calories = QStringLiteral("Calories\t100.00\t__cal\t 50% ODA");
    {
        TdayDialog day(tree.db, platform, TdayDialog::today);
        day.open();
        TdayDialogWidget face(day);
        EXPECT_EQ(face.windowTitle(), QStringLiteral("TODAY's  FOODS"));
        EXPECT_FALSE(face.findChild<QPushButton*>("dateButton")->isVisibleTo(&face));
        platform.answerFile(milk);
        face.findChild<QPushButton*>("addButton")->click();
        EXPECT_EQ(rowsOf(face.findChild<QListWidget*>("foodListList")), QStringList{"fl0001.fls"});
        EXPECT_EQ(face.findChild<QLineEdit*>("fileNameField")->text(), QStringLiteral("fl0001.fls"));
        EXPECT_EQ(face.findChild<QListWidget*>("totalsList")->item(2)->text(), calories);
        face.findChild<QPushButton*>("saveButton")->click();
    }

    DNtrDialog byDate(tree.db, platform);
    byDate.open();
    DNtrDialogWidget face(byDate);
    EXPECT_EQ(face.windowTitle(), QStringLiteral("NUTRIENTS  by  DATE"));
    auto* totals = face.findChild<QListWidget*>("totalsList");
    EXPECT_EQ(totals->item(1)->text(), QStringLiteral("1 Log file(s) found."));
    EXPECT_EQ(totals->item(3)->text(), calories);
    EXPECT_TRUE(face.findChild<QRadioButton*>("oneDayRadio")->isChecked());

    face.findChild<QRadioButton*>("pastWeekRadio")->click();
    EXPECT_EQ(totals->item(0)->text(), QStringLiteral("Daily Averages for PAST WEEK."));
    EXPECT_FALSE(face.findChild<QLineEdit*>("oneDayField")->isEnabled());
    face.findChild<QRadioButton*>("oneDayRadio")->click();
    auto* field = face.findChild<QLineEdit*>("oneDayField");
    field->selectAll();
    QTest::keyClicks(field, "3/6/26");
    EXPECT_EQ(rowsOf(totals), QStringList{dailymsg::kHitUpdate});
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(rowsOf(totals), QStringList{dailymsg::kNoLogFiles});
    QTest::mouseClick(face.findChild<QWidget*>("oneDayScroll"), Qt::LeftButton, {}, QPoint(90, 5));
}

TEST_F(DailyDialogsTest, DailyMenuRefusesTheDefaultUser) {
    KorvaApp app(tree.db, platform);
    MainWindow window(app, platform);
    DailyFeature daily(window, tree.db, platform);
    tree.db.users().current().name = "default";
    const std::pair<int, const char*> items[] = {{kCmdDailyEnter, "Enter Daily FoodList log data"},
                                                 {kCmdDailyEdit, "Edit daily FoodList log data"},
                                                 {kCmdDailyView, "View daily FoodList log data"}};
    for (const auto& [id, prompt] : items) {
        ASSERT_NE(window.action(id), nullptr);
        EXPECT_EQ(window.action(id)->statusTip(), QString::fromLatin1(prompt));
        window.action(id)->trigger();
    }
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{DailyCommands::kCannotLogDefault, DailyCommands::kCannotLogDefault,
                                        DailyCommands::kCantLogDefault}));
}

} // namespace
} // namespace korva
