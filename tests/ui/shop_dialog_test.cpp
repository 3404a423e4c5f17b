#include <QPlainTextEdit>

#include "app/command_table.h"
#include "app/korva_app.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/ui_support.h"
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

    auto shown = [](QWidget* d, const char* name) { return test::child<QPlainTextEdit>(d, name)->toPlainText(); };
    QString text;
    {
        test::DialogAnswer build(QStringLiteral("shopDialog"), [&](QWidget* d) {
            test::DialogAnswer choose(QStringLiteral("rcslDialog"), [](QWidget* c) { test::click(c, "okButton"); });
            test::click(d, "addRecipeButton");
            test::typeInto(d, "factorField", QStringLiteral("2.5"));
            test::click(d, "applyButton");
            EXPECT_TRUE(test::rows(d, "entryList").value(0).startsWith(QStringLiteral("Soup\t   2.50")));
            text = shown(d, "shopText");
            EXPECT_TRUE(text.contains(QStringLiteral("Milk")));
            auto* extra = test::child<QPlainTextEdit>(d, "extraText");
            extra->selectAll();
            QTest::keyClicks(extra, "bread");
            platform.answer(MsgAnswer::cancel, "Save changes to shop001.sls ?");
            test::click(d, "closeButton");
            EXPECT_TRUE(d->isVisible());
            platform.answer(MsgAnswer::yes, "Save changes to shop001.sls ?");
            test::click(d, "closeButton");
        });
        ASSERT_TRUE(test::triggerAction(window.action(kCmdNewShoppingList)));
    }

    platform.answerFile(db.paths().shopDir() / "shop001.sls");
    test::DialogAnswer reopen(QStringLiteral("shopDialog"), [&](QWidget* d) {
        EXPECT_EQ(shown(d, "shopText"), text);
        EXPECT_EQ(shown(d, "extraText"), QStringLiteral("bread"));
        test::click(d, "closeButton");
    });
    ASSERT_TRUE(test::triggerAction(window.action(kCmdOpenShoppingList)));
    EXPECT_EQ(platform.fileRequests.back().startFolder, db.paths().shopDir());
}

} // namespace
} // namespace korva
