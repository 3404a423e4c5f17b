#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "ui/flist_child_window.h"
#include "tests/support/food_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

// The food list form from the keyboard: one window with Lentils (200 g a
// serving at 50 cal/100 g, so 100 calories a serving) already added.
class FListKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.load(db));
        auto doc = std::make_unique<CFListDoc>(db, platform, active, false);
        doc->onNewDocument("fl0001.fls");
        window = new FListChildWindow(std::move(doc));
        area.addSubWindow(window);
        area.resize(1000, 800);
        area.show();
        area.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
        area.setActiveSubWindow(window);
        QTest::keyClicks(get<QLineEdit>("foodNameEdit"), QStringLiteral("lentil"));
        QTest::keyClick(get<QLineEdit>("foodNameEdit"), Qt::Key_Return);
        ASSERT_EQ(calories(), "100");
    }

    template <typename T>
    T* get(const char* name) {
        T* w = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    std::string calories() { return get<QLabel>("totalCalories")->text().toStdString(); }
    // Types into the amount field as it stands: no click, no selecting.
    void typeAmount(const QString& text) {
        auto* amount = get<QLineEdit>("amountEdit");
        QTest::keyClicks(amount, text);
        QTest::keyClick(amount, Qt::Key_Return);
    }

    test::FoodTree tree{{{5, "Lentils", "1 cup", 200.0f, 50.0f}}};
    FoodDataBase db;
    test::ScriptedPlatform platform;
    ActiveDocument active;
    QMdiArea area;
    FListChildWindow* window = nullptr;
};

TEST_F(FListKeysTest, ACorrectionTypedAfterAnAmountReplacesIt) {
    typeAmount(QStringLiteral("2 serv"));
    EXPECT_EQ(calories(), "200");
    typeAmount(QStringLiteral("3 serv"));
    EXPECT_EQ(calories(), "300") << get<QLineEdit>("amountEdit")->text().toStdString();
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FListKeysTest, TabReachesTheScrollBarWhoseArrowKeysStepTheAmount) {
    auto* amount = get<QLineEdit>("amountEdit");
    auto* bar = get<QScrollBar>("amountScrollBar");
    amount->setFocus();
    QTest::keyClick(amount, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), bar);

    QTest::keyPress(bar, Qt::Key_Right);
    EXPECT_TRUE(amount->text().contains(QStringLiteral("1.10"))) << amount->text().toStdString();
    EXPECT_EQ(calories(), "100") << "totals wait for the key's release";
    QTest::keyRelease(bar, Qt::Key_Right);
    EXPECT_EQ(calories(), "110");
    QTest::keyClick(bar, Qt::Key_Left);
    EXPECT_EQ(calories(), "100");
}

TEST_F(FListKeysTest, EnterFromAnyControlActsAsTheHelpButton) {
    auto* help = get<QPushButton>("helpButton");
    help->setFocus();
    QTest::keyClick(help, Qt::Key_Return);
    EXPECT_EQ(platform.helpContexts, std::vector<int>{51200});

    // A typed amount waits for Enter, wherever the focus went meanwhile.
    auto* amount = get<QLineEdit>("amountEdit");
    amount->selectAll();
    QTest::keyClicks(amount, QStringLiteral("2 serv"));
    auto* items = get<QListWidget>("itemList");
    items->setFocus();
    QTest::keyClick(items, Qt::Key_Return);
    EXPECT_EQ(calories(), "200");
    EXPECT_EQ(platform.helpContexts.size(), 1u);
}

} // namespace
} // namespace korva
