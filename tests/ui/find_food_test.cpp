#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include "app/food_list_commands.h"
#include "app/korva_app.h"
#include "lists/active_document.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/ui_support.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_feature.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"

namespace korva {
namespace {

using test::child;

class FindFoodTest : public test::ScriptedTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.load(db));
        lists = std::make_unique<FoodListFeature>(mainWindow, db, platform, active);
        mainWindow.show();
    }
    void TearDown() override {
        lists->windows().closeAnswered();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        test::ScriptedTest::TearDown();
    }

    // Kidney beans: 256 g a serving at 80 cal/100 g.
    test::DataTree tree{{{13, "Beans, black, boiled", "1 cup", 172.0f, 132.0f},
                         {13, "Beans, kidney, red, canned", "1 cup", 256.0f, 80.0f},
                         {9, "Kiwifruit, raw"}}};
    FoodDataBase db;
    ActiveDocument active;
    KorvaApp app{db, platform};
    MainWindow mainWindow{app, platform};
    std::unique_ptr<FoodListFeature> lists;
};

// From an open FoodList: the words typed in any order find the food, Enter
// adds it with its totals and the amount field takes the focus; the finder
// keeps the size it was given and Escape adds nothing.
TEST_F(FindFoodTest, TypedWordsAddTheFoodToTheOpenList) {
    QAction* find = mainWindow.action(kCmdFindFood);
    ASSERT_NE(find, nullptr);
    EXPECT_FALSE(find->isEnabled()) << "no list to add to yet";
    ASSERT_TRUE(lists->commands().onNewFoodList());
    FListChildWindow* window = lists->windows().activeWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->systemMenu()->actions().contains(find));
    {
        test::DialogAnswer typed(QStringLiteral("findFoodDialog"), [](QWidget* dialog) {
            dialog->resize(640, 420);
            test::typeInto(dialog, "findFoodText", QStringLiteral("kidney beans"), true);
        });
        ASSERT_TRUE(test::triggerAction(find));
    }
    const QStringList items = test::rows(window, "itemList");
    ASSERT_EQ(items.size(), 2);
    EXPECT_TRUE(items[1].startsWith(QStringLiteral("Beans, kidney, red, canned"))) << items[1].toStdString();
    EXPECT_EQ(test::label(window, "totalCalories"), QStringLiteral("205"));
    EXPECT_EQ(window->focusWidget(), child(window, "amountEdit"));
    {
        test::DialogAnswer escaped(QStringLiteral("findFoodDialog"), [](QWidget* dialog) {
            EXPECT_EQ(dialog->size(), QSize(640, 420));
            test::typeInto(dialog, "findFoodText", QStringLiteral("bea bl"));
            EXPECT_EQ(test::rows(dialog, "findFoodResults").size(), 1);
            QTest::keyClick(child(dialog, "findFoodText"), Qt::Key_Escape);
        });
        ASSERT_TRUE(test::triggerAction(find));
    }
    EXPECT_EQ(test::rows(window, "itemList").size(), 2);
}

} // namespace
} // namespace korva
