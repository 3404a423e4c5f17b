#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/command_table.h"
#include "app/korva_app.h"
#include "lists/food_list.h"
#include "tests/lists/list_tree.h"
#include "tests/lists/recipe_tree.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/dialog_answer.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/shop_feature.h"

namespace korva {
namespace {

class ShopDialogWidgetTest : public test::ScriptedTest {
protected:
    test::ListTree tree{{test::food(101, 5, "Milk", 100, {50}, "1 cup")}};
};

TEST_F(ShopDialogWidgetTest, ListBuiltInTheDialogIsSavedAndReopened) {
    FoodList lunch(&tree.db, "01/02/26");
    ASSERT_TRUE(lunch.addFood(tree.entry(101), kUnitServings));
    ASSERT_TRUE(lunch.writeFile(tree.listFile("fl0001.fls"), platform));
    KorvaApp app(tree.db, platform);
    MainWindow window(app, platform);
    installShoppingLists(window, tree.db, platform);

    const QString expected = QStringLiteral("Dairy\n  Milk\n    1 cup  times   2.50");
    platform.answerFile(tree.listFile("fl0001.fls"));
    {
        test::DialogAnswer build(QStringLiteral("shopDialog"), [&](QWidget* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("SHOPPING  LIST  :  shop001.sls"));
            d->findChild<QPushButton*>("addFoodListButton")->click();
            auto* factor = d->findChild<QLineEdit*>("factorField");
            factor->selectAll();
            QTest::keyClicks(factor, "2.5");
            d->findChild<QPushButton*>("applyButton")->click();
            EXPECT_EQ(d->findChild<QListWidget*>("entryList")->item(0)->text(), QStringLiteral("FL0001.FLS\t   2.50"));
            EXPECT_EQ(d->findChild<QPlainTextEdit*>("shopText")->toPlainText(), expected);
            auto* extra = d->findChild<QPlainTextEdit*>("extraText");
            extra->selectAll();
            QTest::keyClicks(extra, "bread");
            d->findChild<QPushButton*>("saveButton")->click();
            d->findChild<QPushButton*>("closeButton")->click();
        });
        ASSERT_TRUE(test::triggerAction(window.action(kCmdNewShoppingList)));
    }
    EXPECT_TRUE(platform.messages.empty());

    platform.answerFile(tree.paths().shopDir() / "shop001.sls");
    test::DialogAnswer reopen(QStringLiteral("shopDialog"), [&](QWidget* d) {
        EXPECT_EQ(d->findChild<QPlainTextEdit*>("shopText")->toPlainText(), expected);
        EXPECT_EQ(d->findChild<QPlainTextEdit*>("extraText")->toPlainText(), QStringLiteral("bread"));
        EXPECT_EQ(d->findChild<QLineEdit*>("factorField")->text(), QStringLiteral(" 2.50"));
        d->findChild<QPushButton*>("closeButton")->click();
    });
    ASSERT_TRUE(test::triggerAction(window.action(kCmdOpenShoppingList)));
    EXPECT_EQ(platform.fileRequests.back().startFolder, tree.paths().shopDir());
}

// "Add  &Recipe" offers the recipes of the data base in the catalogue's
// chooser; the chosen one is listed under its own name.
TEST(ShopDialogRecipes, AddRecipeChoosesFromTheCatalogue) {
    test::ScriptedPlatform platform;
    test::RecipeTree world;
    FoodDataBase& db = world.tree.db;
    ActiveDocument active;
    auto soup = test::readyRecipe(db, platform, active, "Soup");
    platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
    ASSERT_TRUE(soup->onRecipeSave());
    KorvaApp app(db, platform);
    MainWindow window(app, platform);
    installShoppingLists(window, db, platform);

    test::DialogAnswer shop(QStringLiteral("shopDialog"), [&](QWidget* d) {
        test::DialogAnswer choose(QStringLiteral("rcslDialog"),
                                  [](QWidget* c) { c->findChild<QPushButton*>("okButton")->click(); });
        d->findChild<QPushButton*>("addRecipeButton")->click();
        EXPECT_TRUE(d->findChild<QListWidget*>("entryList")->item(0)->text().startsWith(QStringLiteral("Soup")));
        EXPECT_TRUE(d->findChild<QPlainTextEdit*>("shopText")->toPlainText().contains(QStringLiteral("Milk")));
        d->findChild<QPushButton*>("closeButton")->click();
    });
    ASSERT_TRUE(test::triggerAction(window.action(kCmdNewShoppingList)));
}

} // namespace
} // namespace korva
