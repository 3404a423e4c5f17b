#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/food_list_commands.h"
#include "app/korva_app.h"
#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "tests/support/food_tree.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/dialog_answer.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_feature.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/qt_report_printer.h"
#include "ui/recipe_feature.h"

namespace korva {
namespace {

template <typename T>
T* child(QWidget* parent, const char* name) {
    T* w = parent ? parent->findChild<T*>(QLatin1String(name)) : nullptr;
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QStringList rows(QListWidget* list) {
    QStringList out;
    for (int i = 0; list && i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

void typeInto(QWidget* window, const char* editName, const QString& text, bool enter = true) {
    auto* edit = child<QLineEdit>(window, editName);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    if (enter) QTest::keyClick(edit, Qt::Key_Return);
}

class RecipeWindowTest : public test::ScriptedTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.load(db));
        lists = std::make_unique<FoodListFeature>(mainWindow, db, platform, active);
        recipes = std::make_unique<RecipeFeature>(mainWindow, db, platform, active, lists->windows());
        mainWindow.show();
    }
    void TearDown() override {
        lists->windows().closeAnswered();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        test::ScriptedTest::TearDown();
    }
    FListChildWindow* active_window() { return lists->windows().activeWindow(); }

    test::FoodTree tree{{{0, "Apple juice", "1 cup", 248.0f, 46.0f, 0.1f, 0.1f, 11.3f},
                         {5, "Lentils", "1 cup", 200.0f, 50.0f, 9.0f, 0.4f, 20.0f, 7.9f}}};
    FoodDataBase db;
    ActiveDocument active;
    KorvaApp app{db, platform};
    MainWindow mainWindow{app, platform};
    std::unique_ptr<FoodListFeature> lists;
    std::unique_ptr<RecipeFeature> recipes;
};

TEST_F(RecipeWindowTest, MakeSaveFindAndReopenARecipe) {
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdNewRecipe)));
    FListChildWindow* window = active_window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("RECIPE  :  Recipe 001")));
    typeInto(window, "ingredientEdit", QStringLiteral("lentil"));
    typeInto(window, "amountEdit", QStringLiteral("2 serv"));
    typeInto(window, "ingredientEdit", QStringLiteral("juice"));
    typeInto(window, "amountEdit", QStringLiteral("1 serv"));
    auto* ingredients = child<QListWidget>(window, "ingredientList");
    ASSERT_EQ(rows(ingredients).size(), 3);
    const QStringList made = rows(ingredients);
    EXPECT_EQ(made[1], QStringLiteral("Lentils\t1 cup\t 2.00 serving(s)"));

    auto* instructions = child<QPlainTextEdit>(window, "instructionsEdit");
    ASSERT_NE(instructions, nullptr);
    instructions->moveCursor(QTextCursor::End);
    QTest::keyClick(instructions, Qt::Key_Return);
    QTest::keyClicks(instructions, QStringLiteral("Simmer the lentils in the juice."));
    typeInto(window, "servingDescriptionEdit", QStringLiteral("one bowl"), false);
    typeInto(window, "servingsEdit", QStringLiteral("2"), false);

    // Save As from the menu takes the typed fields and asks for the name.
    platform.answerText("Lentil soup", "Enter  Name  for  new  Recipe :      ");
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdRecipeSaveAs)));
    EXPECT_EQ(platform.messageTexts().back(), "Recipe  data  has  been  saved  . . .");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("RECIPE  :  Lentil soup[*]"));
    EXPECT_FALSE(window->isWindowModified());
    // 2 x 100 cal of lentils and 114 cal of juice, two servings.
    EXPECT_EQ(child<QLabel>(window, "servingCalories")->text(), QStringLiteral("157"));

    // The recipe is a food now: a new FoodList finds it by name.
    ASSERT_NE(lists->commands().onNewFoodList(), nullptr);
    FListChildWindow* list = active_window();
    typeInto(list, "foodNameEdit", QStringLiteral("lentil s"));
    EXPECT_TRUE(
        rows(child<QListWidget>(list, "itemList")).value(1).startsWith(QStringLiteral("Lentil soup\tone bowl\t")));
    platform.answer(MsgAnswer::no);
    list->close();
    window->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(lists->windows().windows().empty());

    test::DialogAnswer choose(QStringLiteral("rcslDialog"), [](QWidget* dialog) {
        EXPECT_EQ(rows(child<QListWidget>(dialog, "recipeList")), QStringList{QStringLiteral("Lentil soup")});
        EXPECT_EQ(child<QLineEdit>(dialog, "selectedRecipe")->text(), QStringLiteral("Lentil soup"));
        if (auto* ok = child<QPushButton>(dialog, "okButton")) ok->click();
    });
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdOpenRecipe)));
    FListChildWindow* reopened = active_window();
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(rows(child<QListWidget>(reopened, "ingredientList")), made);
    EXPECT_EQ(child<QPlainTextEdit>(reopened, "instructionsEdit")->toPlainText(),
              QStringLiteral("Simmer the lentils in the juice."));
    EXPECT_EQ(child<QLineEdit>(reopened, "servingDescriptionEdit")->text(), QStringLiteral("one bowl"));

    // Print of the Recipe menu prints the recipe's report.
    const std::filesystem::path out = tree.paths().root / "printed";
    QtReportPrinter::shared().sendJobsTo(out);
    EXPECT_TRUE(test::triggerAction(mainWindow.action(kCmdRecipePrint)));
    QtReportPrinter::shared().printOnPrinter();
    EXPECT_TRUE(std::filesystem::exists(out / "FOOD_LIST_TOTALS-001.pdf"));

    // Export of the Recipe menu writes what the form shows, typed fields too.
    auto* serving = child<QLineEdit>(reopened, "servingDescriptionEdit");
    serving->selectAll();
    QTest::keyClicks(serving, QStringLiteral("two bowls"));
    platform.answerFile(std::filesystem::path("soup.txt"));
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdRecipeExport)));
    const auto exported = readWholeFile(tree.paths().foodListDir() / "soup.txt");
    ASSERT_TRUE(exported);
    const std::string text(exported->begin(), exported->end());
    EXPECT_EQ(text.rfind("RECIPE      :  Lentil soup\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("Serving Desc : two bowls\r\n"), std::string::npos) << text;

    // Named at start, the same file brings its window forward.
    EXPECT_TRUE(recipes->openDocument({reopened->document().pathName(), DocumentKind::recipe}));
    EXPECT_EQ(lists->windows().windows().size(), 1u);

    // Merge Recipe brings the recipe's ingredients into a FoodList.
    ASSERT_NE(lists->commands().onNewFoodList(), nullptr);
    test::DialogAnswer merge(QStringLiteral("rcslDialog"), [](QWidget* dialog) {
        if (auto* ok = child<QPushButton>(dialog, "okButton")) ok->click();
    });
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdMergeRecipe)));
    EXPECT_EQ(rows(child<QListWidget>(active_window(), "itemList")).size(), 3);
}

TEST_F(RecipeWindowTest, ClosingAsksAboutTypedFields) {
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdNewRecipe)));
    FListChildWindow* window = active_window();
    typeInto(window, "servingDescriptionEdit", QStringLiteral("one cup"), false);
    platform.answer(MsgAnswer::no, "Close RECIPE  :  Recipe 001 without saving the changes ?");
    EXPECT_FALSE(window->close());
    platform.answer(MsgAnswer::yes);
    EXPECT_TRUE(lists->closeAll());
}

} // namespace
} // namespace korva
