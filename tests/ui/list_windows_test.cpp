#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QScrollBar>

#include "app/food_list_commands.h"
#include "app/korva_app.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/list_report.h"
#include "lists/report_writer.h"
#include "search/search_choosers.h"
#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/ui_support.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_feature.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/qt_report_printer.h"
#include "ui/recipe_feature.h"
#include "ui/search_feature.h"

namespace korva {
namespace {

using test::child;
using test::click;
using test::label;
using test::rows;
using test::typeInto;

namespace fs = std::filesystem;

// Food lists, recipes and searches in a main window of their own.  Lentils: 200 g a
// serving at 50 cal/100 g, 100 calories a serving.
class ListWindowsTest : public test::ScriptedTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.load(db));
        lists = std::make_unique<FoodListFeature>(mainWindow, db, platform, active);
        recipes = std::make_unique<RecipeFeature>(mainWindow, db, platform, active, lists->windows());
        search = std::make_unique<SearchFeature>(mainWindow, db, platform, active, lists->windows());
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

    test::DataTree tree{{{0, "Apple juice", "1 cup", 248.0f, 46.0f, 0.1f, 0.1f, 11.3f},
                         {9, "Apples, raw", "1 medium", 182.0f, 52.0f, 0.3f, 0.2f, 13.8f},
                         {5, "Lentils", "1 cup", 200.0f, 50.0f, 9.0f, 0.4f, 20.0f, 7.9f}}};
    FoodDataBase db;
    ActiveDocument active;
    KorvaApp app{db, platform};
    MainWindow mainWindow{app, platform};
    std::unique_ptr<FoodListFeature> lists;
    std::unique_ptr<RecipeFeature> recipes;
    std::unique_ptr<SearchFeature> search;
};

TEST_F(ListWindowsTest, FoodListFromTheKeyboardIsSaved) {
    EXPECT_FALSE(mainWindow.action(kCmdSaveFoodList)->isEnabled()) << "no list to save yet";
    FListChildWindow* window = newFoodList();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(mainWindow.action(kCmdSaveFoodList)->isEnabled());
    test::DialogAnswer pick(QStringLiteral("matDialog"), [](QWidget* dialog) {
        if (auto* list = child<QListWidget>(dialog, "matchList")) list->setCurrentRow(1);
        click(dialog, "okButton");
    });
    typeInto(window, "foodNameEdit", QStringLiteral("APPLE"), true);
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

    // The scroll bar steps from the keys; totals wait for the key's release.
    mainWindow.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
    auto* bar = child<QScrollBar>(window, "amountScrollBar");
    amount->setFocus();
    QTest::keyClick(amount, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), bar);
    QTest::keyPress(bar, Qt::Key_Right);
    EXPECT_TRUE(amount->text().contains(QStringLiteral("3.10"))) << amount->text().toStdString();
    EXPECT_EQ(label(window, "totalCalories"), QStringLiteral("284"));
    QTest::keyRelease(bar, Qt::Key_Right);
    EXPECT_EQ(label(window, "totalCalories"), QStringLiteral("293"));

    // A typed amount waits for Enter, wherever the focus went meanwhile;
    // Enter on HELP with nothing typed opens the help.
    amount->selectAll();
    QTest::keyClicks(amount, QStringLiteral("2 serv"));
    auto* items = child(window, "itemList");
    items->setFocus();
    QTest::keyClick(items, Qt::Key_Return);
    EXPECT_EQ(label(window, "totalCalories"), QStringLiteral("189"));
    auto* help = child<QPushButton>(window, "helpButton");
    help->setFocus();
    QTest::keyClick(help, Qt::Key_Return);
    EXPECT_EQ(platform.helpContexts, std::vector<int>{51200});

    click(window, "saveButton");
    EXPECT_FALSE(window->isWindowModified());
    QMenu* windows = mainWindow.menu(MenuId::window);
    emit windows->aboutToShow();
    EXPECT_EQ(windows->actions().back()->text(), QStringLiteral("&1 FOODLIST  :  fl0001"));
}

// Ending the program asks about every modified list before any window
// closes; Cancel closes none, and the close box asks too.
TEST_F(ListWindowsTest, ClosingAsksAboutModifiedListsFirst) {
    newFoodList(); // unmodified, and first
    FListChildWindow* modified = newFoodList();
    typeInto(modified, "foodNameEdit", QStringLiteral("lentil"), true);
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
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdCascade)));
    settle();
    EXPECT_EQ(mainWindow.size(), before);
}

TEST_F(ListWindowsTest, RecipeMadeSavedAndMergedIntoAFoodList) {
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdNewRecipe)));
    FListChildWindow* window = activeWindow();
    ASSERT_NE(window, nullptr);
    typeInto(window, "ingredientEdit", QStringLiteral("lentil"), true);
    typeInto(window, "amountEdit", QStringLiteral("2 serv"), true);
    auto* instructions = child<QPlainTextEdit>(window, "instructionsEdit");
    ASSERT_NE(instructions, nullptr);
    instructions->moveCursor(QTextCursor::End);
    QTest::keyClick(instructions, Qt::Key_Return);
    QTest::keyClicks(instructions, QStringLiteral("Simmer the lentils."));
    typeInto(window, "servingDescriptionEdit", QStringLiteral("one bowl"));
    // Typed servings count at once, before any save.
    typeInto(window, "servingsEdit", QStringLiteral("4"), true);
    EXPECT_EQ(label(window, "servingCalories"), QStringLiteral("50"));

    platform.answerText("Lentil soup", "Enter  Name  for  new  Recipe :      ");
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdRecipeSaveAs)));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("RECIPE  :  Lentil soup[*]"));
    EXPECT_FALSE(window->isWindowModified());
    const RecipeFields& saved = window->document().list().recipe();
    EXPECT_EQ(saved.servingDescription(), "one bowl");
    ASSERT_FALSE(saved.instructions().empty());
    EXPECT_EQ(saved.instructions().back(), "Simmer the lentils.");

    // Recipe > Close asks about typed fields as the close box does.
    typeInto(window, "servingDescriptionEdit", QStringLiteral("two bowls"));
    platform.answer(MsgAnswer::no, "Close RECIPE  :  Lentil soup without saving the changes ?");
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdRecipeClose)));
    settle();
    ASSERT_EQ(lists->windows().windows().size(), 1u);

    ASSERT_NE(lists->commands().onNewFoodList(), nullptr);
    test::DialogAnswer merge(QStringLiteral("rcslDialog"), [](QWidget* dialog) { click(dialog, "okButton"); });
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdMergeRecipe)));
    EXPECT_EQ(rows(activeWindow(), "itemList").size(), 2);
}

// The PDF's lines with blanks and tabs in a row as one blank: a PDF keeps
// positions, not tab characters.
std::vector<std::string> pdfLines(const fs::path& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-raw"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(20000)) << "pdftotext (poppler-utils) is needed";
    std::vector<std::string> out;
    for (const QByteArray& line : p.readAllStandardOutput().replace('\f', '\n').split('\n'))
        if (QString s = QString::fromLatin1(line).simplified(); !s.isEmpty()) out.push_back(s.toStdString());
    return out;
}

TEST_F(ListWindowsTest, FoodListPrintsToNumberedPdfFilesWithTheReportsLines) {
    const fs::path out = tree.paths().root / "pdf out";
    QtReportPrinter::shared().sendJobsTo(out);
    QAction* print = mainWindow.action(kCmdPrintFoodList);
    EXPECT_FALSE(print->isEnabled());
    // A run of blanks in a job name is one '_' in the file's name.
    EXPECT_EQ(QtReportPrinter::fileStem("SHOPPING  LIST"), "SHOPPING_LIST");

    FListChildWindow* w = newFoodList();
    typeInto(w, "foodNameEdit", QStringLiteral("lent"), true);
    print->trigger();
    print->trigger();
    // With --print-to the preview is not shown: the job goes to its file.
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdPrintPreview)));
    QtReportPrinter::shared().printOnPrinter();
    EXPECT_TRUE(fs::exists(out / "FOOD_LIST_TOTALS-003.pdf"));
    // Otherwise the preview shows the job's pages; closing it prints nothing.
    test::DialogAnswer preview(QStringLiteral("printPreviewDialog"), [](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), QString::fromLatin1(kListJobName));
        auto* pages = d->findChild<QPrintPreviewWidget*>();
        EXPECT_TRUE(pages && QTest::qWaitFor([pages] { return pages->pageCount() > 0; }));
        static_cast<QDialog*>(d)->reject();
    });
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdPrintPreview)));
    EXPECT_TRUE(platform.messages.empty());

    test::RecordingSurface expected;
    ReportWriter layout(expected);
    layout.begin();
    writeFoodListReport(layout, w->document().list(), {db.users().current().name, db.users().current().profile});
    layout.end();
    std::vector<std::string> wanted;
    for (const std::string& line : expected.textLines())
        wanted.push_back(QString::fromStdString(line).simplified().toStdString());
    EXPECT_EQ(pdfLines(out / "FOOD_LIST_TOTALS-001.pdf"), wanted);
}

// Opens a chooser with `button` and clicks `row` in it, then OK.
void pick(QWidget* dialog, const char* button, const char* chooser, int row) {
    test::DialogAnswer player(QLatin1String(chooser), [row](QWidget* d) {
        auto* list = child<QListWidget>(d, "chooserList");
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        click(d, "okButton");
    });
    click(dialog, button);
}

TEST_F(ListWindowsTest, FoundFoodJoinsTheOpenListAndRepeatReopensTheType) {
    db.state().archived = 3;
    FListChildWindow* window = newFoodList();
    const fs::path out = tree.paths().root / "pdf";
    QtReportPrinter::shared().sendJobsTo(out);
    test::DialogAnswer dialog(QStringLiteral("searchDialog"), [&out](QWidget* d) {
        pick(d, "maximizeButton", "nutrientChooser", 1);
        pick(d, "categoriesButton", "categoryChooser", CtlDialog::kAllRow);
        click(d, "searchButton");
        ASSERT_EQ(rows(d, "resultsList").size(), 4);
        test::DialogAnswer view(QStringLiteral("nutrientViewDialog"),
                                [](QWidget* v) { static_cast<QDialog*>(v)->reject(); });
        click(d, "viewButton");
        click(d, "printButton");
        click(d, "previewButton");
        click(d, "addButton");
    });
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdMaxOne)));
    QtReportPrinter::shared().printOnPrinter();
    EXPECT_TRUE(fs::exists(out / "FOOD_LIST_TOTALS-002.pdf"));
    ASSERT_EQ(window->document().list().itemCount(), 1u);
    EXPECT_EQ(window->document().list().item(0).name(), "Lentils");
    test::DialogAnswer again(QStringLiteral("searchDialog"), [](QWidget* d) { click(d, "closeButton"); });
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdRepeatSearch)));
    EXPECT_TRUE(platform.messages.empty());
}

} // namespace
} // namespace korva
