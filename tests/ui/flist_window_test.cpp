#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "app/command_line.h"
#include "app/food_list_commands.h"
#include "app/korva_app.h"
#include "app/recent_files.h"
#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/food_list.h"
#include "tests/support/food_tree.h"
#include "tests/support/saved_list.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/dialog_answer.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_feature.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace korva {
namespace {

template <typename T>
T* child(QWidget* parent, const char* name) {
    T* w = parent->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void click(QWidget* parent, const char* name) {
    if (auto* b = child<QPushButton>(parent, name)) b->click();
}

QStringList rows(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

QStringList actionTexts(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) out << a->text();
    return out;
}

// The food lists in a main window of their own.
class FListWindowTest : public test::ScriptedTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.load(db));
        feature = std::make_unique<FoodListFeature>(mainWindow, db, platform, active);
        mainWindow.show();
    }
    void TearDown() override {
        // Close without questions: whatever is left is thrown away.
        if (feature) feature->windows().closeAnswered();
        settle();
        test::ScriptedTest::TearDown();
    }

    FoodListWindows& windows() { return feature->windows(); }
    FListChildWindow* newFoodList() { return feature->commands().onNewFoodList() ? windows().activeWindow() : nullptr; }
    FListChildWindow* openFoodList(const std::filesystem::path& file) {
        return feature->commands().openFoodList(file) ? windows().activeWindow() : nullptr;
    }
    // A list of one lentil serving saved under `name`, not open.
    std::filesystem::path savedListNamed(const std::string& name) {
        return test::writeOneFoodList(db, test::FoodTree::idOf(2), tree.paths().foodListDir() / name, platform);
    }
    QStringList menuAsShown(MenuId id) {
        emit mainWindow.menu(id)->aboutToShow();
        return actionTexts(mainWindow.menu(id));
    }

    // Lets closed windows go, as the event loop would.
    static void settle() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void typeInto(QWidget* window, const char* editName, const QString& text) {
        auto* edit = child<QLineEdit>(window, editName);
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    test::FoodTree tree{{{0, "Apple juice", "1 cup", 248.0f, 46.0f, 0.1f, 0.1f, 11.3f},
                         {9, "Apples, raw", "1 medium", 182.0f, 52.0f, 0.3f, 0.2f, 13.8f},
                         {5, "Lentils", "1 cup", 200.0f, 50.0f, 9.0f, 0.4f, 20.0f, 7.9f}}};
    FoodDataBase db;
    ActiveDocument active;
    KorvaApp app{db, platform};
    MainWindow mainWindow{app, platform};
    std::unique_ptr<FoodListFeature> feature;
};

TEST_F(FListWindowTest, PickFromMatchesTypeServingsSaveAndReopen) {
    FListChildWindow* window = newFoodList();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(active.document(), &window->document());
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("FOODLIST  :  fl0001")));
    auto* items = child<QListWidget>(window, "itemList");
    auto* calories = child<QLabel>(window, "totalCalories");
    ASSERT_TRUE(items && calories);
    EXPECT_EQ(calories->text(), QStringLiteral("0"));

    test::DialogAnswer pick(QStringLiteral("matDialog"), [](QWidget* dialog) {
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("matchList"));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(rows(list), (QStringList{"Apple juice", "Apples, raw"}));
        list->setCurrentRow(1);
        click(dialog, "okButton");
    });
    typeInto(window, "foodNameEdit", QStringLiteral("APPLE"));
    ASSERT_TRUE(pick.appeared()) << "no MATCHING  FOODS dialog";
    ASSERT_EQ(items->count(), 2);
    EXPECT_TRUE(items->item(1)->text().startsWith(QStringLiteral("Apples, raw\t1 medium\t")));
    EXPECT_EQ(child<QLineEdit>(window, "foodNameEdit")->text(), QStringLiteral("Apples, raw"));
    const QString oneServing = calories->text();
    EXPECT_EQ(oneServing, QStringLiteral("95")); // 52 cal/100 g of 182 g

    typeInto(window, "amountEdit", QStringLiteral("2 serv"));
    EXPECT_EQ(calories->text(), QStringLiteral("189"));
    EXPECT_TRUE(window->isWindowModified());

    click(window, "saveButton");
    EXPECT_EQ(platform.messageTexts().back(), "Food List  file  has  been  saved . . .");
    EXPECT_FALSE(window->isWindowModified());
    const std::filesystem::path saved = window->document().pathName();
    ASSERT_TRUE(std::filesystem::exists(saved));
    const QStringList before = rows(items);

    window->close();
    settle();
    EXPECT_TRUE(windows().windows().empty());

    FListChildWindow* reopened = openFoodList(saved);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(rows(child<QListWidget>(reopened, "itemList")), before);
    EXPECT_EQ(child<QLabel>(reopened, "totalCalories")->text(), QStringLiteral("189"));
    EXPECT_EQ(child<QLineEdit>(reopened, "foodNameEdit")->text(), QStringLiteral("Apples, raw"));
    EXPECT_TRUE(menuAsShown(MenuId::file).contains(QStringLiteral("&1 ") + toQt(saved.filename().string())));
}

TEST_F(FListWindowTest, ScrollArrowStepsAndTotalsFollowWhenReleased) {
    FListChildWindow* window = newFoodList();
    typeInto(window, "foodNameEdit", QStringLiteral("lentil"));
    typeInto(window, "amountEdit", QStringLiteral("1 serv"));
    auto* bar = child<QScrollBar>(window, "amountScrollBar");
    auto* calories = child<QLabel>(window, "totalCalories");
    ASSERT_TRUE(bar && calories);
    EXPECT_EQ(calories->text(), QStringLiteral("100"));
    auto* amount = child<QLineEdit>(window, "amountEdit");
    const QString oneServing = amount->text();
    const QPoint rightArrow(bar->width() - 3, bar->height() / 2);
    QTest::mousePress(bar, Qt::LeftButton, {}, rightArrow);
    EXPECT_NE(amount->text(), oneServing);
    EXPECT_TRUE(amount->text().contains(QStringLiteral("1.10"))) << amount->text().toStdString();
    EXPECT_EQ(calories->text(), QStringLiteral("100")) << "totals wait for the end of scrolling";
    QTest::mouseRelease(bar, Qt::LeftButton, {}, rightArrow);
    EXPECT_EQ(calories->text(), QStringLiteral("110"));
}

TEST_F(FListWindowTest, ClosingAModifiedListAsksAndCancelKeepsIt) {
    FListChildWindow* window = newFoodList();
    typeInto(window, "foodNameEdit", QStringLiteral("lentil"));
    ASSERT_TRUE(window->isWindowModified());

    platform.answer(MsgAnswer::cancel);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(windows().windows().size(), 1u);

    platform.answer(MsgAnswer::yes);
    EXPECT_TRUE(window->close());
    settle();
    EXPECT_TRUE(windows().windows().empty());
    EXPECT_TRUE(std::filesystem::exists(tree.paths().foodListDir() / "fl0001.fls"));
    EXPECT_EQ(active.document(), nullptr);
    platform.expectAllAnswersUsed();
}

TEST_F(FListWindowTest, EmptyNameOpensTheCategoryPickerAndTheMenuBrowsesOnly) {
    FListChildWindow* window = newFoodList();
    test::DialogAnswer add(QStringLiteral("categoryPicker"), [](QWidget* dialog) {
        auto* foods = dialog->findChild<QListWidget*>(QStringLiteral("foodList"));
        ASSERT_NE(foods, nullptr);
        EXPECT_EQ(rows(foods), (QStringList{"Apple juice"}));
        click(dialog, "addButton");
    });
    auto* name = child<QLineEdit>(window, "foodNameEdit");
    QTest::keyClick(name, Qt::Key_X);
    QTest::keyClick(name, Qt::Key_Backspace);
    QTest::keyClick(name, Qt::Key_Return);
    ASSERT_TRUE(add.appeared());
    EXPECT_EQ(child<QListWidget>(window, "itemList")->count(), 2);

    test::DialogAnswer browse(QStringLiteral("categoryPicker"), [](QWidget* dialog) {
        click(dialog, "addButton"); // refused: browse-only
        EXPECT_TRUE(dialog->isVisible());
        click(dialog, "closeButton");
    });
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdCategories)));
    ASSERT_TRUE(browse.appeared());
    EXPECT_EQ(platform.messageTexts().back(), "... use Add From Categories button ");
    EXPECT_EQ(child<QListWidget>(window, "itemList")->count(), 2);
}

TEST_F(FListWindowTest, MergingAListIntoItselfDoublesItsItems) {
    FListChildWindow* window = newFoodList();
    typeInto(window, "foodNameEdit", QStringLiteral("lentil"));
    const auto file = tree.paths().foodListDir() / "merge.fls";
    ASSERT_TRUE(window->document().list().writeFile(file, platform));
    window->document().setModified(false);

    platform.answerFile(file);
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdMergeFoodList)));
    EXPECT_EQ(child<QListWidget>(window, "itemList")->count(), 3);
    EXPECT_EQ(child<QLabel>(window, "totalCalories")->text(), QStringLiteral("200"));
    EXPECT_TRUE(window->isWindowModified());
    ASSERT_EQ(platform.fileRequests.size(), 1u);
    EXPECT_EQ(platform.fileRequests[0].startFolder, tree.paths().foodListDir());

    platform.answerFile(std::nullopt); // cancelled: nothing changes
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdMergeFoodList)));
    EXPECT_EQ(child<QListWidget>(window, "itemList")->count(), 3);
}

TEST_F(FListWindowTest, OpeningADamagedFileMakesNoWindow) {
    const auto bad = tree.paths().foodListDir() / "bad.fls";
    {
        std::FILE* f = std::fopen(bad.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("not a list", f);
        std::fclose(f);
    }
    EXPECT_EQ(openFoodList(bad), nullptr);
    EXPECT_EQ(openFoodList(tree.paths().foodListDir() / "missing.fls"), nullptr);
    EXPECT_TRUE(windows().windows().empty());
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messageTexts().back(), "... ERROR ... FOOD LIST file not found ...");
    EXPECT_TRUE(feature->recentFiles().entries().empty());
}

TEST_F(FListWindowTest, MainWindowOffersTheCommandsAndOpensABareNameAmongTheLists) {
    QStringList file = menuAsShown(MenuId::file);
    ASSERT_GE(file.size(), 6);
    EXPECT_EQ(file.mid(0, 5), (QStringList{"&New FoodList", "&Open FoodList...", "&Save FoodList",
                                           "Save FoodList &As...", "&Merge FoodList"}));
    EXPECT_EQ(file.back(), QStringLiteral("E&xit"));
    EXPECT_FALSE(mainWindow.action(kCmdSaveFoodList)->isEnabled()) << "no list to save yet";

    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdNewFoodList)));
    ASSERT_EQ(windows().windows().size(), 1u);
    EXPECT_TRUE(mainWindow.action(kCmdSaveFoodList)->isEnabled());
    FListChildWindow* first = windows().windows().front();
    typeInto(first, "foodNameEdit", QStringLiteral("lent"));
    ASSERT_TRUE(first->document().list().writeFile(tree.paths().foodListDir() / "kept.fls", platform));

    EXPECT_TRUE(feature->openDocument({"kept.fls", DocumentKind::foodList}));
    ASSERT_EQ(windows().windows().size(), 2u);
    EXPECT_EQ(windows().activeWindow()->document().list().itemCount(), 1u);
    EXPECT_FALSE(feature->openDocument({"absent.fls", DocumentKind::foodList}));

    platform.answer(MsgAnswer::no); // the first list is not to be saved
    EXPECT_TRUE(feature->closeAll());
    platform.expectAllAnswersUsed();
    settle();
    EXPECT_TRUE(windows().windows().empty());
    EXPECT_FALSE(mainWindow.action(kCmdSaveFoodList)->isEnabled());
}

// A preference change ends the program as Exit does: every modified list is
// asked about before any window closes, and Cancel closes none.
TEST_F(FListWindowTest, EndingAsksAboutEveryModifiedListFirstAndCancelClosesNothing) {
    newFoodList(); // unmodified, and first
    typeInto(newFoodList(), "foodNameEdit", QStringLiteral("lentil"));

    platform.answerText("0.9 1.1");
    platform.answer(MsgAnswer::cancel);
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdXYScale)));
    settle();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, "Save changes to FOODLIST  :  fl0002 ?");
    EXPECT_EQ(windows().windows().size(), 2u);
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_FALSE(app.endedAtOnce());

    platform.answer(MsgAnswer::no);
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdExit)));
    settle();
    EXPECT_TRUE(windows().windows().empty());
    EXPECT_FALSE(mainWindow.isVisible());
    platform.expectAllAnswersUsed();
}

TEST_F(FListWindowTest, WindowMenuNamesEachListAsItsTitleReads) {
    ASSERT_NE(openFoodList(savedListNamed("R&D lunch.fls")), nullptr);
    typeInto(newFoodList(), "foodNameEdit", QStringLiteral("lentil")); // modified
    const QStringList menu = menuAsShown(MenuId::window);
    EXPECT_EQ(menu.mid(menu.size() - 2), (QStringList{"&1 FOODLIST  :  R&&D lunch", "&2 FOODLIST  :  fl0001"}));
}

// Tiling never grows the main window past the screen; the lists share the
// area as it is.
TEST_F(FListWindowTest, TileAndCascadeKeepTheMainWindowAsItIs) {
    mainWindow.resize(1000, 760);
    for (int i = 0; i < 6; ++i) newFoodList();
    settle();
    const QSize before = mainWindow.size();
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdTile)));
    settle();
    EXPECT_EQ(mainWindow.size(), before);
    const QRect area = mainWindow.mdiArea()->viewport()->rect();
    QRect united;
    for (FListChildWindow* w : windows().windows()) united = united.united(w->geometry());
    EXPECT_EQ(united.topLeft(), area.topLeft());
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdCascade)));
    settle();
    EXPECT_EQ(mainWindow.size(), before);
}

TEST_F(FListWindowTest, ExportWritesTheFocusedListAsText) {
    FListChildWindow* window = newFoodList();
    typeInto(window, "foodNameEdit", QStringLiteral("lentil"));
    platform.answerFile(std::filesystem::path("lunch.txt"));
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdExportFoodList)));
    const auto text = readWholeFile(tree.paths().foodListDir() / "lunch.txt");
    ASSERT_TRUE(text);
    EXPECT_EQ(std::string(text->begin(), text->begin() + 17), "Food  List  :  fl");
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"... file SAVEd as ASCII text ..."});
}

} // namespace
} // namespace korva
