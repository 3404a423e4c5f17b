#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "app/food_list_commands.h"
#include "app/korva_app.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "tests/core/db_tree.h"
#include "tests/support/scripted_platform.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_feature.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/qt_report_printer.h"
#include "ui/qt_shell.h"

namespace korva {
namespace {

// Plays the user in the next modal dialog named `name`.
class Modal {
public:
    Modal(const char* name, std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, [this, name, act] {
            QWidget* d = nullptr;
            (void)QTest::qWaitFor(
                [&] {
                    d = QApplication::activeModalWidget();
                    return d && d->objectName() == QLatin1String(name) && d->isVisible();
                },
                5000);
            if (!d || d->objectName() != QLatin1String(name)) return;
            appeared = true;
            act(d);
        });
    }
    bool appeared = false;
};

template <typename T>
T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QLatin1String(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

void choose(QWidget* w, const char* comboName, int index) {
    if (auto* c = child<QComboBox>(w, comboName)) {
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
}

void click(QWidget* w, const char* name) {
    if (auto* b = child<QPushButton>(w, name)) b->click();
}

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

TEST_F(NutrientViewsTest, FoodsViewSwitchesDisplayPageAndFood) {
    Modal view("nutrientViewDialog", [](QWidget* d) {
        EXPECT_TRUE(child<QTableWidget>(d, "nutrientTable")->isVisible());
        EXPECT_EQ(child<QTableWidget>(d, "nutrientTable")->rowCount(), 29);
        const QTableWidget* table = child<QTableWidget>(d, "nutrientTable"); // every percent text shown whole
        for (int r = 0; r < 29; ++r)
            EXPECT_GT(table->columnWidth(2), table->fontMetrics().horizontalAdvance(table->item(r, 2)->text())) << r;
        choose(d, "displayCombo", 1);
        EXPECT_TRUE(child<QWidget>(d, "nutrientChart")->isVisible());
        EXPECT_FALSE(child<QTableWidget>(d, "nutrientTable")->isVisible());
        choose(d, "pageCombo", 1);
        EXPECT_EQ(child<QTableWidget>(d, "nutrientTable")->rowCount(), 10);
        const QString before = child<QLabel>(d, "amountLine")->text();
        choose(d, "basisCombo", 1);
        EXPECT_NE(child<QLabel>(d, "amountLine")->text(), before);
        choose(d, "categoryCombo", 4);
        EXPECT_EQ(child<QComboBox>(d, "foodCombo")->count(), 2);
        choose(d, "displayCombo", 0);
        click(d, "printButton");
        click(d, "closeButton");
    });
    const std::filesystem::path out = tree.root() / "pdf";
    std::filesystem::create_directories(out);
    QtReportPrinter::shared().sendJobsTo(out);
    window().action(kCmdViewFoods)->trigger();
    QtReportPrinter::shared().printOnPrinter();
    EXPECT_TRUE(view.appeared);
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-raw"), QString::fromStdString((out / "NUTRIENT_LEVELS-001.pdf").string()),
                QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000));
    // A PDF keeps positions, not blanks and tabs: compare with blanks squeezed.
    const QString lines = QString::fromLatin1(text.readAllStandardOutput()).simplified();
    EXPECT_TRUE(lines.contains(QStringLiteral("NUTRIENT DATA forFood : food 10005"))) << lines.toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("Isoleucine N / A __gm N / A"))) << lines.toStdString();
}

TEST_F(NutrientViewsTest, ListWindowViewsStepItemsAndShowTheKeyAndOneNutrient) {
    ASSERT_TRUE(lists->commands().onNewFoodList());
    FListChildWindow* w = lists->windows().activeWindow();
    ASSERT_NE(w, nullptr);
    window().action(kCmdViewTable)->trigger();
    window().action(kCmdViewOneNutrient)->trigger();
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{"... no FOOD ITEMS, can't display nutrients...",
                                                                 "... no FOOD ITEMS, can't display nutrient..."}));
    FoodList& list = w->document().list();
    for (std::size_t p : {0u, 5u}) ASSERT_TRUE(list.addFood(db.index().entries()[p], kUnitServings));
    w->documentChanged();

    Modal chart("nutrientViewDialog", [](QWidget* d) {
        EXPECT_TRUE(child<QWidget>(d, "nutrientChart")->isVisible());
        EXPECT_FALSE(child<QPushButton>(d, "nextButton")->isVisible());
        choose(d, "dataCombo", 0);
        EXPECT_TRUE(child<QPushButton>(d, "nextButton")->isVisible());
        auto* name = child<QLabel>(d, "itemName");
        const QString last = name->text();
        click(d, "nextButton");
        EXPECT_NE(name->text(), last);
        Modal key("keyDialog", [](QWidget* k) {
            EXPECT_EQ(child<QListWidget>(k, "keyList")->count(), 31);
            click(k, "closeButton");
        });
        click(d, "keyButton");
        EXPECT_TRUE(key.appeared);
        click(d, "closeButton");
    });
    window().action(kCmdViewChart)->trigger();
    EXPECT_TRUE(chart.appeared);
    EXPECT_EQ(list.currentIndex(), 0); // stepped in the view, shown by the window

    Modal one("indivDialog", [](QWidget* d) {
        auto* rows = child<QListWidget>(d, "itemList");
        EXPECT_EQ(rows->count(), 2);
        choose(d, "nutrientCombo", 2);
        EXPECT_EQ(child<QLabel>(d, "nutrientName")->text(), QStringLiteral("Total Fat"));
        click(d, "closeButton");
    });
    window().action(kCmdViewOneNutrient)->trigger();
    EXPECT_TRUE(one.appeared);
}

TEST_F(NutrientViewsTest, CategoryPickerViewsTheSelectedFood) {
    Modal picker("categoryPicker", [](QWidget* p) {
        Modal view("nutrientViewDialog", [](QWidget* d) {
            EXPECT_EQ(child<QComboBox>(d, "foodCombo")->currentText(), QStringLiteral("food 10000"));
            click(d, "closeButton");
        });
        click(p, "viewButton");
        EXPECT_TRUE(view.appeared);
        EXPECT_TRUE(p->isVisible());
        click(p, "closeButton");
    });
    window().action(kCmdCategories)->trigger();
    EXPECT_TRUE(picker.appeared);
}

} // namespace
} // namespace korva
