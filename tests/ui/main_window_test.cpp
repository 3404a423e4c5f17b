#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QTableWidget>

#include "app/data_backup.h"
#include "app/display_preferences.h"
#include "app/food_list_commands.h"
#include "app/help_topics.h"
#include "app/korva_app.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/ui_support.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_feature.h"
#include "ui/food_list_windows.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"
#include "ui/qt_report_printer.h"
#include "ui/qt_shell.h"
#include "ui/splash.h"

namespace korva {
namespace {

namespace fs = std::filesystem;
using test::child;
using test::choose;
using test::click;
using test::DialogAnswer;

QStringList captions(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions)
        if (!a->isSeparator()) out << a->text();
    return out;
}

QMenu* submenuNamed(QMenu* menu, const QString& caption) {
    for (QAction* a : menu->actions())
        if (a->menu() && a->text() == caption) return a->menu();
    return nullptr;
}

// The whole start-up on a small data tree, with the real window and splash.
class MainWindowTest : public test::ScriptedTest {
protected:
    void SetUp() override {
        savedFont_ = QApplication::font();
        test::writeShippedDataBase(tree.paths(), 30);
        test::writeProfile(tree.paths().defaultProfile(), "default", 2000);
        test::writeProfile(tree.paths().userDir() / "user01.rda", "Anna", 1800);
        FoodDataBase d(tree.paths());
        ASSERT_TRUE(d.readStateFile());
        d.state().userFileName = "user01.rda";
        ASSERT_TRUE(d.writeStateFile());
    }
    void TearDown() override {
        if (lists) lists->windows().closeAnswered();
        QApplication::processEvents();
        lists.reset();
        shell.reset();
        QApplication::setFont(savedFont_);
        ScriptedTest::TearDown();
    }

    // The program started, with its FoodList windows when asked.
    MainWindow& start(bool withLists = false) {
        shell = std::make_unique<QtShell>(app, platform);
        if (withLists)
            shell->addWindowExtension(
                [this](MainWindow& w) { lists = std::make_unique<FoodListFeature>(w, db, platform, active); });
        EXPECT_TRUE(app.initInstance(tree.root(), std::nullopt, *shell));
        return *shell->mainWindow();
    }

    void addUnconsolidatedFood() {
        FoodDataBase d(tree.paths());
        ASSERT_TRUE(test::openDataBase(d));
        auto id = d.state().nextUserFoodId(2);
        ASSERT_EQ(d.addFood(test::newFood(*id, 2, "fresh"), test::recordFor(*id, 2)), FoodDataBase::AddOutcome::added);
        ASSERT_TRUE(d.saveIndex());
        ASSERT_TRUE(d.writeStateFile());
    }

    test::TempRoot tree;
    FoodDataBase db;
    KorvaApp app{db, platform};
    ActiveDocument active;
    std::unique_ptr<QtShell> shell;
    std::unique_ptr<FoodListFeature> lists;
    QFont savedFont_;
};

// Started on a 1024-pixel screen: the user in the title, the menus of the
// working commands in table order, the size of the screen's row (1100 x 930
// design units at X 1.1 and Y 1.05), the splash; F1 opens the contents.
TEST_F(MainWindowTest, ShowsTheUserTheMenusOfWorkingCommandsAndTheSplash) {
    platform.screen = {1024, 768};
    MainWindow& w = start();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Korvana    USER  :  Anna"));
    EXPECT_EQ(w.size(), QSize(968, 732));
    QMenu* prefs = submenuNamed(w.menu(MenuId::user), "&Preferences");
    ASSERT_NE(prefs, nullptr);
    EXPECT_EQ(captions(prefs->actions()),
              (QStringList{"&Screen Font", "&Printer Font", "&X/Y Scale", "&Restore Defaults"}));
    EXPECT_EQ(captions(w.menu(MenuId::window)->actions()), (QStringList{"&Cascade", "&Tile", "&Arrange Icons"}));
    EXPECT_FALSE(w.action(kCmdConsolidate)->isEnabled()); // consolidated already
    QTRY_VERIFY(shell->splash());

    bool created = false;
    QAction* newList = w.addCommand(kCmdNewFoodList, [&] { created = true; });
    w.addCommand(kCmdDailyEnter, [] {});
    EXPECT_EQ(captions(w.menu(MenuId::file)->actions()), (QStringList{"&New FoodList", "P&rint Setup...", "E&xit"}));
    EXPECT_EQ(newList->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(captions(w.menuBar()->actions()),
              (QStringList{"&File", "F&oods", "&Daily", "&User", "&Window", "&Help"}));
    ASSERT_TRUE(test::triggerAction(newList));
    EXPECT_TRUE(created);

    HelpKey help(platform);
    QApplication::instance()->installEventFilter(&help);
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_EQ(platform.helpContexts, std::vector<int>{help_contexts::kContents});
    EXPECT_TRUE(platform.messages.empty());
}

// Each item reaches its command: the prompt of the highlighted one,
// Consolidate, which then greys, Backup, Help, User > Set, and X/Y Scale,
// which ends the program as Exit does.
TEST_F(MainWindowTest, MenuItemsRunTheirCommands) {
    addUnconsolidatedFood();
    MainWindow& w = start();
    EXPECT_EQ(test::label(&w, "promptPane"), QStringLiteral("Ready"));
    QMenu* menu = w.menu(MenuId::user);
    w.menuBar()->setActiveAction(menu->menuAction());
    QTRY_VERIFY(menu->isVisible());
    menu->setActiveAction(w.action(kCmdUserSet));
    EXPECT_EQ(w.statusBar()->currentMessage(), QStringLiteral("Set current KORVA user"));
    menu->hide();

    ASSERT_TRUE(test::triggerAction(w.action(kCmdConsolidate)));
    EXPECT_FALSE(w.action(kCmdConsolidate)->isEnabled());
    ASSERT_TRUE(test::triggerAction(w.action(kCmdBackup)));
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{backup_texts::kDone});
    ASSERT_TRUE(test::triggerAction(w.action(kCmdHelpWindows)));
    EXPECT_EQ(platform.helpContexts, (std::vector<int>{63488}));
    {
        test::DialogAnswer pickDefault(QStringLiteral("uselDialog"), [](QWidget* modal) {
            test::child<QListWidget>(modal, "userList")->setCurrentRow(0);
            test::click(modal, "okButton");
        });
        ASSERT_TRUE(test::triggerAction(w.action(kCmdUserSet)));
    }
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Korvana    USER  :  default"));

    platform.answerText("0.9 1.1");
    ASSERT_TRUE(test::triggerAction(w.action(kCmdXYScale)));
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(app.endedAtOnce()) << "the exit saves are still to come";
    EXPECT_EQ(platform.messageTexts().back(), "... restart KORVA for scale changes; exiting ...");
}

// The splash goes at once when a press is aimed elsewhere; a click on the
// picture lets its time run out, and the next idle moment removes it; left
// alone, it goes once its time is up, however early the timer fires.
TEST_F(MainWindowTest, SplashEndsAtAKeyAClickOrItsTime) {
    MainWindow& w = start();
    QTRY_VERIFY(shell->splash());
    QPointer<SplashWindow> splash = shell->splash();
    QTest::keyClick(&w, Qt::Key_A);
    QTRY_VERIFY(splash.isNull());

    SplashWindow second;
    second.setAttribute(Qt::WA_DeleteOnClose, false);
    second.start();
    QTest::mouseClick(&second, Qt::LeftButton);
    QTRY_VERIFY(!second.isVisible());

    QElapsedTimer clock;
    clock.start();
    QPointer<SplashWindow> alone(new SplashWindow);
    alone->start();
    QTRY_VERIFY_WITH_TIMEOUT(alone.isNull(), 8000);
    EXPECT_GE(clock.elapsed(), SplashTimer::kShowMillis);
}

// A font chosen in an earlier run and the user's factors reach every window
// and the program's own dialogs.
TEST_F(MainWindowTest, ChosenScreenFontAndFactorsApplyFromTheStart) {
    FontDescription chosen;
    chosen.faceName = "DejaVu Sans";
    chosen.height = -17;
    chosen.weight = 700;
    chosen.italic = 1;
    ASSERT_TRUE(writeFontFile(tree.paths().userDir() / kChosenScreenFontFile, chosen));
    ASSERT_TRUE(writeScaleFile(tree.paths().userDir() / kScaleFile, {1.2f, 0.8f}));
    MainWindow& w = start();
    EXPECT_EQ(w.font().pixelSize(), 17);
    EXPECT_TRUE(w.font().italic());
    EXPECT_EQ(w.font().weight(), QFont::Bold);

    QDialog dialog(&w);
    dialog.resize(200, 100);
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(240, 80));
    dialog.hide();
    dialog.show(); // once only
    EXPECT_EQ(dialog.size(), QSize(240, 80));
}

// The desktop platform asks the main window's printer for its resolution,
// in which printer fonts are stored.
TEST_F(MainWindowTest, PrinterOfPrintSetupServesThePrinterFont) {
    QtPlatform desktop;
    EXPECT_FALSE(desktop.printerResolution());
    shell = std::make_unique<QtShell>(app, platform, &desktop);
    ASSERT_TRUE(app.initInstance(tree.root(), std::nullopt, *shell));
    auto dpi = desktop.printerResolution();
    ASSERT_TRUE(dpi);
    EXPECT_EQ(dpi->y, shell->mainWindow()->printer().resolution());
    EXPECT_EQ(dpi->y, 300);
    shell.reset();
    EXPECT_FALSE(desktop.printerResolution());
}

TEST_F(MainWindowTest, FoodsViewFollowsItsCombosPrintsAndShowsThePickersFood) {
    MainWindow& w = start(true);
    DialogAnswer view(QStringLiteral("nutrientViewDialog"), [](QWidget* d) {
        auto* table = child<QTableWidget>(d, "nutrientTable");
        for (int r = 0; r < table->rowCount(); ++r) // every percent text shown whole
            EXPECT_GT(table->columnWidth(2), table->fontMetrics().horizontalAdvance(table->item(r, 2)->text())) << r;
        choose(d, "displayCombo", 1);
        EXPECT_TRUE(child<QWidget>(d, "nutrientChart")->isVisible());
        EXPECT_FALSE(table->isVisible());
        choose(d, "pageCombo", 1);
        EXPECT_EQ(table->rowCount(), 10);
        choose(d, "categoryCombo", 4);
        EXPECT_EQ(child<QComboBox>(d, "foodCombo")->count(), 2);
        click(d, "printButton");
        click(d, "closeButton");
    });
    const std::filesystem::path out = tree.root() / "pdf";
    QtReportPrinter::shared().sendJobsTo(out);
    EXPECT_TRUE(test::triggerAction(w.action(kCmdViewFoods)));
    QtReportPrinter::shared().printOnPrinter();
    EXPECT_TRUE(std::filesystem::exists(out / "NUTRIENT_LEVELS-001.pdf"));

    // Categories > View shows the food selected in the picker.
    DialogAnswer picker(QStringLiteral("categoryPicker"), [](QWidget* p) {
        DialogAnswer food(QStringLiteral("nutrientViewDialog"), [](QWidget* d) {
            EXPECT_EQ(child<QComboBox>(d, "foodCombo")->currentText(), QStringLiteral("food 10000"));
            click(d, "closeButton");
        });
        click(p, "viewButton");
        click(p, "closeButton");
    });
    ASSERT_TRUE(test::triggerAction(w.action(kCmdCategories)));
}

TEST_F(MainWindowTest, ListWindowViewsStepItemsAndShowTheKeyAndOneNutrient) {
    MainWindow& main = start(true);
    ASSERT_TRUE(lists->commands().onNewFoodList());
    FListChildWindow* w = lists->windows().activeWindow();
    ASSERT_NE(w, nullptr);
    FoodList& list = w->document().list();
    for (std::size_t p : {0u, 5u}) ASSERT_TRUE(list.addFood(db.index().entries()[p], kUnitServings));
    w->documentChanged();

    DialogAnswer chart(QStringLiteral("nutrientViewDialog"), [](QWidget* d) {
        EXPECT_TRUE(child<QWidget>(d, "nutrientChart")->isVisible());
        choose(d, "dataCombo", 0);
        const QString first = test::label(d, "itemName");
        click(d, "nextButton");
        EXPECT_NE(test::label(d, "itemName"), first);
        DialogAnswer key(QStringLiteral("keyDialog"), [](QWidget* k) { click(k, "closeButton"); });
        click(d, "keyButton");
        click(d, "closeButton");
    });
    ASSERT_TRUE(test::triggerAction(main.action(kCmdViewChart)));
    EXPECT_EQ(list.currentIndex(), 0); // stepped in the view, shown by the window

    DialogAnswer one(QStringLiteral("indivDialog"), [](QWidget* d) {
        choose(d, "nutrientCombo", 2);
        EXPECT_EQ(test::label(d, "nutrientName"), QStringLiteral("Total Fat"));
        click(d, "closeButton");
    });
    ASSERT_TRUE(test::triggerAction(main.action(kCmdViewOneNutrient)));
}

} // namespace
} // namespace korva
