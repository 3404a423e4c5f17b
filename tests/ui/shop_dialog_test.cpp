#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/command_table.h"
#include "app/korva_app.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/dialog_answer.h"
#include "ui/main_window.h"
#include "ui/shop_feature.h"

namespace korva {
namespace {

// New list from the menu: a recipe from the catalogue's chooser, a factor,
// typed extra text; closing asks (Cancel stays, Yes saves); Open shows it.
TEST(ShopDialogWidget, ListBuiltInTheDialogIsSavedOnCloseAndReopened) {
    test::ScriptedPlatform platform;
    test::RecipeTree world;
    FoodDataBase& db = world.db;
    ActiveDocument active;
    auto soup = test::readyRecipe(db, platform, active, "Soup");
    platform.answer(MsgAnswer::ok, docmsg::kRecipeSaved);
    ASSERT_TRUE(soup->onRecipeSave());
    KorvaApp app(db, platform);
    MainWindow window(app, platform);
    installShoppingLists(window, db, platform);

    QString text;
    {
        test::DialogAnswer build(QStringLiteral("shopDialog"), [&](QWidget* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("SHOPPING  LIST  :  shop001.sls"));
            test::DialogAnswer choose(QStringLiteral("rcslDialog"),
                                      [](QWidget* c) { c->findChild<QPushButton*>("okButton")->click(); });
            d->findChild<QPushButton*>("addRecipeButton")->click();
            auto* factor = d->findChild<QLineEdit*>("factorField");
            factor->selectAll();
            QTest::keyClicks(factor, "2.5");
            d->findChild<QPushButton*>("applyButton")->click();
            EXPECT_TRUE(
                d->findChild<QListWidget*>("entryList")->item(0)->text().startsWith(QStringLiteral("Soup\t   2.50")));
            text = d->findChild<QPlainTextEdit*>("shopText")->toPlainText();
            EXPECT_TRUE(text.contains(QStringLiteral("Milk")));
            auto* extra = d->findChild<QPlainTextEdit*>("extraText");
            extra->selectAll();
            QTest::keyClicks(extra, "bread");
            platform.answer(MsgAnswer::cancel, "Save changes to shop001.sls ?");
            d->findChild<QPushButton*>("closeButton")->click();
            EXPECT_TRUE(d->isVisible());
            platform.answer(MsgAnswer::yes, "Save changes to shop001.sls ?");
            d->findChild<QPushButton*>("closeButton")->click();
        });
        ASSERT_TRUE(test::triggerAction(window.action(kCmdNewShoppingList)));
    }

    platform.answerFile(db.paths().shopDir() / "shop001.sls");
    test::DialogAnswer reopen(QStringLiteral("shopDialog"), [&](QWidget* d) {
        EXPECT_EQ(d->findChild<QPlainTextEdit*>("shopText")->toPlainText(), text);
        EXPECT_EQ(d->findChild<QPlainTextEdit*>("extraText")->toPlainText(), QStringLiteral("bread"));
        d->findChild<QPushButton*>("closeButton")->click();
    });
    ASSERT_TRUE(test::triggerAction(window.action(kCmdOpenShoppingList)));
    EXPECT_EQ(platform.fileRequests.back().startFolder, db.paths().shopDir());
}

} // namespace
} // namespace korva
