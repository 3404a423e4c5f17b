#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

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
#include "ui/qt_report_printer.h"
#include "ui/qt_shell.h"

namespace korva {
namespace {

using test::child;
using test::choose;
using test::click;
using test::DialogAnswer;

class NutrientViewsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeShippedDataBase(tree.paths(), 30);
        test::writeProfile(tree.paths().defaultProfile(), "default", 2000);
        shell = std::make_unique<QtShell>(app, platform);
        shell->addWindowExtension(
            [this](MainWindow& window) { lists = std::make_unique<FoodListFeature>(window, db, platform, active); });
        ASSERT_TRUE(app.initInstance(tree.root(), std::nullopt, *shell));
    }
    void TearDown() override {
        for (FListChildWindow* w : lists->windows().windows()) {
            w->document().setModified(false);
            w->close();
        }
        QApplication::processEvents();
        lists.reset();
        shell.reset();
    }
    MainWindow& window() { return *shell->mainWindow(); }

    test::TempRoot tree;
    test::ScriptedPlatform platform;
    FoodDataBase db;
    KorvaApp app{db, platform};
    ActiveDocument active;
    std::unique_ptr<FoodListFeature> lists;
    std::unique_ptr<QtShell> shell;
};

TEST_F(NutrientViewsTest, FoodsViewFollowsItsCombosAndPrints) {
    DialogAnswer view("nutrientViewDialog", [](QWidget* d) {
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
    EXPECT_TRUE(test::triggerAction(window().action(kCmdViewFoods)));
    QtReportPrinter::shared().printOnPrinter();
    EXPECT_TRUE(std::filesystem::exists(out / "NUTRIENT_LEVELS-001.pdf"));
}

TEST_F(NutrientViewsTest, ListWindowViewsStepItemsAndShowTheKeyAndOneNutrient) {
    ASSERT_TRUE(lists->commands().onNewFoodList());
    FListChildWindow* w = lists->windows().activeWindow();
    ASSERT_NE(w, nullptr);
    window().action(kCmdViewTable)->trigger();
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{"... no FOOD ITEMS, can't display nutrients..."}));
    FoodList& list = w->document().list();
    for (std::size_t p : {0u, 5u}) ASSERT_TRUE(list.addFood(db.index().entries()[p], kUnitServings));
    w->documentChanged();

    DialogAnswer chart("nutrientViewDialog", [](QWidget* d) {
        EXPECT_TRUE(child<QWidget>(d, "nutrientChart")->isVisible());
        choose(d, "dataCombo", 0);
        auto* name = child<QLabel>(d, "itemName");
        const QString last = name->text();
        click(d, "nextButton");
        EXPECT_NE(name->text(), last);
        DialogAnswer key("keyDialog", [](QWidget* k) { click(k, "closeButton"); });
        click(d, "keyButton");
        click(d, "closeButton");
    });
    window().action(kCmdViewChart)->trigger();
    EXPECT_EQ(list.currentIndex(), 0); // stepped in the view, shown by the window

    DialogAnswer one("indivDialog", [](QWidget* d) {
        choose(d, "nutrientCombo", 2);
        EXPECT_EQ(child<QLabel>(d, "nutrientName")->text(), QStringLiteral("Total Fat"));
        click(d, "closeButton");
    });
    window().action(kCmdViewOneNutrient)->trigger();
}

TEST_F(NutrientViewsTest, CategoryPickerViewsTheSelectedFood) {
    DialogAnswer picker("categoryPicker", [](QWidget* p) {
        DialogAnswer view("nutrientViewDialog", [](QWidget* d) {
            EXPECT_EQ(child<QComboBox>(d, "foodCombo")->currentText(), QStringLiteral("food 10000"));
            click(d, "closeButton");
        });
        click(p, "viewButton");
        click(p, "closeButton");
    });
    window().action(kCmdCategories)->trigger();
}

} // namespace
} // namespace korva
