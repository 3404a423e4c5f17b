#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/food_list_commands.h"
#include "app/korva_app.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "search/search_choosers.h"
#include "tests/support/food_tree.h"
#include "tests/support/scripted_platform.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_feature.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/qt_report_printer.h"
#include "ui/search_feature.h"

namespace korva {
namespace {

// Waits for the modal dialog named `name` and lets `act` play in it.
class ModalPlayer {
public:
    ModalPlayer(const char* name, std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, [this, name, act] {
            QWidget* dialog = nullptr;
            (void)QTest::qWaitFor(
                [&] {
                    dialog = QApplication::activeModalWidget();
                    return dialog && dialog->objectName() == QLatin1String(name) && dialog->isVisible();
                },
                5000);
            if (!dialog || dialog->objectName() != QLatin1String(name)) return;
            appeared = true;
            act(dialog);
        });
    }
    bool appeared = false;
};

void click(QWidget* parent, const char* name) {
    auto* b = parent->findChild<QPushButton*>(QLatin1String(name));
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

void clickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Opens a chooser with `button` and clicks `row` in it, then OK.
void choose(QWidget* dialog, const char* button, const char* chooser, int row) {
    ModalPlayer player(chooser, [row](QWidget* d) {
        auto* list = d->findChild<QListWidget*>(QStringLiteral("chooserList"));
        list->scrollToItem(list->item(row));
        clickRow(list, row);
        click(d, "okButton");
    });
    click(dialog, button);
    EXPECT_TRUE(player.appeared) << chooser;
}

TEST(SearchDialog, FoundFoodJoinsTheOpenListAndRepeatReopensTheType) {
    test::FoodTree tree{{{0, "Apple juice", "1 cup", 248.0f, 46.0f, 0.1f, 0.1f, 11.3f},
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
    ModalPlayer dialog("searchDialog", [&out](QWidget* d) {
        choose(d, "maximizeButton", "nutrientChooser", 1);
        choose(d, "categoriesButton", "categoryChooser", CtlDialog::kAllRow);
        click(d, "searchButton");
        auto* results = d->findChild<QListWidget*>(QStringLiteral("resultsList"));
        ASSERT_EQ(results->count(), 4);
        EXPECT_TRUE(results->item(1)->text().startsWith(QStringLiteral("Lentils\t")));
        EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("servingLine"))->text(),
                  QStringLiteral("1 Serving = 200.0 grams :  100 calories"));
        ModalPlayer view("nutrientViewDialog", [](QWidget* v) { static_cast<QDialog*>(v)->reject(); });
        click(d, "viewButton");
        EXPECT_TRUE(view.appeared);
        click(d, "printButton");
        EXPECT_TRUE(std::filesystem::exists(out / "FOOD_LIST_TOTALS-001.pdf"));
        click(d, "addButton");
    });
    window.action(kCmdMaxOne)->trigger();
    QtReportPrinter::shared().printOnPrinter();
    ASSERT_TRUE(dialog.appeared);
    ASSERT_EQ(listWindow->document().list().itemCount(), 1u);
    EXPECT_EQ(listWindow->document().list().item(0).name(), "Lentils");
    auto* protein = listWindow->findChild<QLabel*>(QStringLiteral("totalProtein"));
    ASSERT_NE(protein, nullptr);
    EXPECT_TRUE(protein->text().contains(QStringLiteral("18.0"))) << protein->text().toStdString();

    ModalPlayer again("searchDialog", [](QWidget* d) {
        EXPECT_TRUE(d->findChild<QRadioButton*>(QStringLiteral("type2"))->isChecked());
        click(d, "closeButton");
    });
    window.action(kCmdRepeatSearch)->trigger();
    EXPECT_TRUE(again.appeared);
    EXPECT_TRUE(platform.messages.empty());
    listWindow->document().setModified(false);
    listWindow->close();
}

} // namespace
} // namespace korva
