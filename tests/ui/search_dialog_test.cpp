#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/food_list_commands.h"
#include "app/korva_app.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "search/search_choosers.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/dialog_answer.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_feature.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/qt_report_printer.h"
#include "ui/search_feature.h"

namespace korva {
namespace {

using test::click;
using test::DialogAnswer;

void clickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Opens a chooser with `button` and clicks `row` in it, then OK.
void choose(QWidget* dialog, const char* button, const char* chooser, int row) {
    DialogAnswer player(chooser, [row](QWidget* d) {
        auto* list = d->findChild<QListWidget*>(QStringLiteral("chooserList"));
        list->scrollToItem(list->item(row));
        clickRow(list, row);
        click(d, "okButton");
    });
    click(dialog, button);
}

TEST(SearchDialog, FoundFoodJoinsTheOpenListAndRepeatReopensTheType) {
    test::DataTree tree{{{0, "Apple juice", "1 cup", 248.0f, 46.0f, 0.1f, 0.1f, 11.3f},
                         {5, "Lentils", "1 cup", 200.0f, 50.0f, 9.0f, 0.4f, 20.0f, 7.9f},
                         {9, "Apples, raw", "1 medium", 182.0f, 52.0f, 0.3f, 0.2f, 13.8f}},
                        "uisearch"};
    FoodDataBase db;
    ASSERT_TRUE(tree.load(db));
    db.state().archived = 3;
    test::ScriptedPlatform platform;
    KorvaApp app(db, platform);
    ActiveDocument active;
    MainWindow window(app, platform);
    FoodListFeature lists(window, db, platform, active);
    SearchFeature search(window, db, platform, active, lists.windows());
    ASSERT_TRUE(lists.commands().onNewFoodList());
    FListChildWindow* listWindow = lists.windows().activeWindow();
    ASSERT_NE(listWindow, nullptr);

    const std::filesystem::path out = tree.paths().root / "pdf";
    QtReportPrinter::shared().sendJobsTo(out);
    DialogAnswer dialog("searchDialog", [&out](QWidget* d) {
        choose(d, "maximizeButton", "nutrientChooser", 1);
        choose(d, "categoriesButton", "categoryChooser", CtlDialog::kAllRow);
        click(d, "searchButton");
        auto* results = d->findChild<QListWidget*>(QStringLiteral("resultsList"));
        ASSERT_EQ(results->count(), 4);
        EXPECT_TRUE(results->item(1)->text().startsWith(QStringLiteral("Lentils\t")));
        DialogAnswer view("nutrientViewDialog", [](QWidget* v) { static_cast<QDialog*>(v)->reject(); });
        click(d, "viewButton");
        click(d, "printButton");
        EXPECT_TRUE(std::filesystem::exists(out / "FOOD_LIST_TOTALS-001.pdf"));
        click(d, "addButton");
    });
    window.action(kCmdMaxOne)->trigger();
    QtReportPrinter::shared().printOnPrinter();
    ASSERT_EQ(listWindow->document().list().itemCount(), 1u);
    EXPECT_EQ(listWindow->document().list().item(0).name(), "Lentils");
    DialogAnswer again("searchDialog", [](QWidget* d) { click(d, "closeButton"); });
    window.action(kCmdRepeatSearch)->trigger();
    EXPECT_TRUE(platform.messages.empty());
    listWindow->document().setModified(false);
    listWindow->close();
}

} // namespace
} // namespace korva
