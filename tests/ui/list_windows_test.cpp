#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/food_list_commands.h"
#include "app/korva_app.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/dialog_answer.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_feature.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/recipe_feature.h"

namespace korva {
namespace {

template <typename T>
T* child(QWidget* parent, const char* name) {
    T* w = parent ? parent->findChild<T*>(QLatin1String(name)) : nullptr;
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void click(QWidget* parent, const char* name) {
    if (auto* b = child<QPushButton>(parent, name)) b->click();
}

QStringList rows(QListWidget* list) {
    QStringList out;
    for (int i = 0; list && i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

QString label(QWidget* window, const char* name) {
    auto* l = child<QLabel>(window, name);
    return l ? l->text() : QString();
}

// Types into an edit with the keyboard, and presses Enter unless told not to.
void typeInto(QWidget* window, const char* editName, const QString& text, bool enter = true) {
    auto* edit = child<QLineEdit>(window, editName);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    if (enter) QTest::keyClick(edit, Qt::Key_Return);
}

// Food lists and recipes in a main window of their own.  Lentils: 200 g a
// serving at 50 cal/100 g, 100 calories a serving.
class ListWindowsTest : public test::ScriptedTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.load(db));
        lists = std::make_unique<FoodListFeature>(mainWindow, db, platform, active);
        recipes = std::make_unique<RecipeFeature>(mainWindow, db, platform, active, lists->windows());
        mainWindow.show();
    }
    void TearDown() override {
        lists->windows().closeAnswered();
        settle();
        test::ScriptedTest::TearDown();
    }
    static void settle() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    FListChildWindow* activeWindow() { return lists->windows().activeWindow(); }
    FListChildWindow* newFoodList() { return lists->commands().onNewFoodList() ? activeWindow() : nullptr; }
    QStringList menuAsShown(MenuId id) {
        emit mainWindow.menu(id)->aboutToShow();
        QStringList out;
        for (QAction* a : mainWindow.menu(id)->actions())
            if (!a->isSeparator()) out << a->text();
        return out;
    }

    test::DataTree tree{{{0, "Apple juice", "1 cup", 248.0f, 46.0f, 0.1f, 0.1f, 11.3f},
                         {9, "Apples, raw", "1 medium", 182.0f, 52.0f, 0.3f, 0.2f, 13.8f},
                         {5, "Lentils", "1 cup", 200.0f, 50.0f, 9.0f, 0.4f, 20.0f, 7.9f}}};
    FoodDataBase db;
    ActiveDocument active;
    KorvaApp app{db, platform};
    MainWindow mainWindow{app, platform};
    std::unique_ptr<FoodListFeature> lists;
    std::unique_ptr<RecipeFeature> recipes;
};

TEST_F(ListWindowsTest, FoodListFromTheKeyboardSavedClosedAndReopened) {
    EXPECT_FALSE(mainWindow.action(kCmdSaveFoodList)->isEnabled()) << "no list to save yet";
    FListChildWindow* window = newFoodList();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(mainWindow.action(kCmdSaveFoodList)->isEnabled());
    test::DialogAnswer pick(QStringLiteral("matDialog"), [](QWidget* dialog) {
        auto* list = child<QListWidget>(dialog, "matchList");
        ASSERT_NE(list, nullptr);
        list->setCurrentRow(1);
        click(dialog, "okButton");
    });
    typeInto(window, "foodNameEdit", QStringLiteral("APPLE"));
    ASSERT_TRUE(pick.appeared());
    EXPECT_EQ(child<QLineEdit>(window, "foodNameEdit")->text(), QStringLiteral("Apples, raw"));
    EXPECT_EQ(label(window, "totalCalories"), QStringLiteral("95"));

    // The amount field has the focus with its text selected: typing
    // replaces it, and so does a correction typed after it.
    auto* amount = child<QLineEdit>(window, "amountEdit");
    for (const char* typed : {"2 serv", "3 serv"}) {
        QTest::keyClicks(amount, QString::fromLatin1(typed));
        QTest::keyClick(amount, Qt::Key_Return);
    }
    EXPECT_EQ(label(window, "totalCalories"), QStringLiteral("284"));
    EXPECT_TRUE(window->isWindowModified());

    click(window, "saveButton");
    EXPECT_FALSE(window->isWindowModified());
    const std::filesystem::path saved = window->document().pathName();
    const QStringList before = rows(child<QListWidget>(window, "itemList"));
    window->close();
    settle();
    ASSERT_TRUE(lists->windows().windows().empty());
    ASSERT_NE(lists->commands().openFoodList(saved), nullptr);
    EXPECT_EQ(rows(child<QListWidget>(activeWindow(), "itemList")), before);
    EXPECT_EQ(label(activeWindow(), "totalCalories"), QStringLiteral("284"));
    EXPECT_TRUE(menuAsShown(MenuId::file).contains(QStringLiteral("&1 ") + toQt(saved.filename().string())));
    EXPECT_EQ(menuAsShown(MenuId::window).back(), QStringLiteral("&1 FOODLIST  :  fl0001"));
}

TEST_F(ListWindowsTest, ScrollBarStepsFromTheKeysAndEnterReachesTheForm) {
    mainWindow.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
    FListChildWindow* window = newFoodList();
    typeInto(window, "foodNameEdit", QStringLiteral("lentil"));
    auto* amount = child<QLineEdit>(window, "amountEdit");
    auto* bar = child<QScrollBar>(window, "amountScrollBar");
    amount->setFocus();
    QTest::keyClick(amount, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), bar);
    QTest::keyPress(bar, Qt::Key_Right);
    EXPECT_TRUE(amount->text().contains(QStringLiteral("1.10"))) << amount->text().toStdString();
    EXPECT_EQ(label(window, "totalCalories"), QStringLiteral("100")) << "totals wait for the key's release";
    QTest::keyRelease(bar, Qt::Key_Right);
    EXPECT_EQ(label(window, "totalCalories"), QStringLiteral("110"));

    // A typed amount waits for Enter, wherever the focus went meanwhile;
    // Enter on HELP with nothing typed opens the help.
    amount->selectAll();
    QTest::keyClicks(amount, QStringLiteral("2 serv"));
    auto* items = child<QListWidget>(window, "itemList");
    items->setFocus();
    QTest::keyClick(items, Qt::Key_Return);
    EXPECT_EQ(label(window, "totalCalories"), QStringLiteral("200"));
    auto* help = child<QPushButton>(window, "helpButton");
    help->setFocus();
    QTest::keyClick(help, Qt::Key_Return);
    EXPECT_EQ(platform.helpContexts, std::vector<int>{51200});

    // A merge from the menu shows in the window.
    const auto file = tree.paths().foodListDir() / "merge.fls";
    ASSERT_TRUE(window->document().list().writeFile(file, platform));
    platform.answerFile(file);
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdMergeFoodList)));
    EXPECT_EQ(items->count(), 3);
    EXPECT_EQ(label(window, "totalCalories"), QStringLiteral("400"));
}

// Ending the program asks about every modified list before any window
// closes; Cancel closes none, and the close box asks too.
TEST_F(ListWindowsTest, ClosingAsksAboutModifiedListsFirst) {
    newFoodList(); // unmodified, and first
    FListChildWindow* modified = newFoodList();
    typeInto(modified, "foodNameEdit", QStringLiteral("lentil"));
    platform.answer(MsgAnswer::cancel, "Save changes to FOODLIST  :  fl0002 ?");
    EXPECT_FALSE(modified->close());
    platform.answer(MsgAnswer::cancel);
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdExit)));
    settle();
    EXPECT_EQ(lists->windows().windows().size(), 2u);
    EXPECT_TRUE(mainWindow.isVisible());

    platform.answer(MsgAnswer::yes);
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdExit)));
    settle();
    EXPECT_TRUE(lists->windows().windows().empty());
    EXPECT_TRUE(std::filesystem::exists(tree.paths().foodListDir() / "fl0002.fls"));
}

// Tiling never grows the main window past the screen; the lists share the
// area as it is.
TEST_F(ListWindowsTest, TileAndCascadeKeepTheMainWindowAsItIs) {
    mainWindow.resize(1000, 760);
    for (int i = 0; i < 6; ++i) newFoodList();
    settle();
    const QSize before = mainWindow.size();
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdTile)));
    settle();
    EXPECT_EQ(mainWindow.size(), before);
    const QRect area = mainWindow.mdiArea()->viewport()->rect();
    QRect united;
    for (FListChildWindow* w : lists->windows().windows()) united = united.united(w->geometry());
    EXPECT_EQ(united.topLeft(), area.topLeft());
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdCascade)));
    settle();
    EXPECT_EQ(mainWindow.size(), before);
}

TEST_F(ListWindowsTest, RecipeMadeSavedReopenedAndMergedIntoAFoodList) {
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdNewRecipe)));
    FListChildWindow* window = activeWindow();
    ASSERT_NE(window, nullptr);
    typeInto(window, "ingredientEdit", QStringLiteral("lentil"));
    typeInto(window, "amountEdit", QStringLiteral("2 serv"));
    auto* instructions = child<QPlainTextEdit>(window, "instructionsEdit");
    ASSERT_NE(instructions, nullptr);
    instructions->moveCursor(QTextCursor::End);
    QTest::keyClick(instructions, Qt::Key_Return);
    QTest::keyClicks(instructions, QStringLiteral("Simmer the lentils."));
    typeInto(window, "servingDescriptionEdit", QStringLiteral("one bowl"), false);
    // Typed servings count at once, before any save.
    typeInto(window, "servingsEdit", QStringLiteral("4"));
    EXPECT_EQ(label(window, "servingCalories"), QStringLiteral("50"));

    platform.answerText("Lentil soup", "Enter  Name  for  new  Recipe :      ");
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdRecipeSaveAs)));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("RECIPE  :  Lentil soup[*]"));
    EXPECT_FALSE(window->isWindowModified());
    const QStringList made = rows(child<QListWidget>(window, "ingredientList"));

    // Recipe > Close asks about typed fields as the close box does.
    typeInto(window, "servingDescriptionEdit", QStringLiteral("two bowls"), false);
    platform.answer(MsgAnswer::no, "Close RECIPE  :  Lentil soup without saving the changes ?");
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdRecipeClose)));
    settle();
    ASSERT_EQ(lists->windows().windows().size(), 1u);
    platform.answer(MsgAnswer::yes);
    window->close();
    settle();

    test::DialogAnswer choose(QStringLiteral("rcslDialog"), [](QWidget* dialog) { click(dialog, "okButton"); });
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdOpenRecipe)));
    FListChildWindow* reopened = activeWindow();
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(rows(child<QListWidget>(reopened, "ingredientList")), made);
    EXPECT_EQ(child<QPlainTextEdit>(reopened, "instructionsEdit")->toPlainText(),
              QStringLiteral("Simmer the lentils."));
    EXPECT_EQ(child<QLineEdit>(reopened, "servingDescriptionEdit")->text(), QStringLiteral("one bowl"));

    ASSERT_NE(lists->commands().onNewFoodList(), nullptr);
    test::DialogAnswer merge(QStringLiteral("rcslDialog"), [](QWidget* dialog) { click(dialog, "okButton"); });
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdMergeRecipe)));
    EXPECT_EQ(rows(child<QListWidget>(activeWindow(), "itemList")).size(), 2);
}

} // namespace
} // namespace korva
