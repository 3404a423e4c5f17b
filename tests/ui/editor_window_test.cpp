#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/korva_app.h"
#include "core/food_data_base.h"
#include "core/profile_file.h"
#include "daily/nutrient_view_dialog.h"
#include "daily/view_foods.h"
#include "lists/active_document.h"
#include "tests/support/food_tree.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/dialog_answer.h"
#include "ui/editor_feature.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_feature.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"

namespace korva {
namespace {

constexpr int kVitaminC = 12;

void typeInto(QWidget* parent, const QString& name, const QString& text) {
    auto* edit = parent->findChild<QLineEdit*>(name);
    ASSERT_NE(edit, nullptr) << name.toStdString();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void click(QWidget* parent, const char* name) {
    auto* b = parent->findChild<QPushButton*>(QLatin1String(name));
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

// The editor's commands in a main window with the food lists beside them;
// Ann, the current user, wants 60 mg of vitamin C a day.
class EditorWindowTest : public test::ScriptedTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.load(db));
        ProfileFile ann{{}, "Ann"};
        ann.profile.setValue(kVitaminC, 60.0f);
        ann.profile.setLevel(kVitaminC, 2);
        ProfileFile label{{}, "default"};
        ASSERT_TRUE(writeProfileFile(tree.paths().userDir() / "user00.rda", label));
        ASSERT_TRUE(writeProfileFile(tree.paths().userDir() / "user01.rda", ann));
        db.users().setCurrentFileName("user01.rda");
        ASSERT_TRUE(db.users().scanUsers());
        ASSERT_TRUE(db.users().readCurrentProfile(platform));
        lists = std::make_unique<FoodListFeature>(mainWindow, db, platform, active);
        editor = std::make_unique<EditorFeature>(mainWindow, app.frame(), db, platform,
                                                 [this] { return !lists->windows().documents().empty(); });
        mainWindow.show();
    }
    void TearDown() override {
        if (lists) lists->windows().closeAnswered();
        QApplication::processEvents();
        test::ScriptedTest::TearDown();
    }

    // A new list holding the one food whose name holds `typed`.
    FListChildWindow* listWith(const QString& typed) {
        if (!lists->commands().onNewFoodList()) return nullptr;
        FListChildWindow* window = lists->windows().activeWindow();
        typeInto(window, QStringLiteral("foodNameEdit"), typed);
        QTest::keyClick(window->findChild<QLineEdit*>(QStringLiteral("foodNameEdit")), Qt::Key_Return);
        return window;
    }

    test::FoodTree tree{{{0, "Apple juice"}, {5, "Lentils", "1 cup", 200.0f}}};
    FoodDataBase db;
    ActiveDocument active;
    KorvaApp app{db, platform};
    MainWindow mainWindow{app, platform};
    std::unique_ptr<FoodListFeature> lists;
    std::unique_ptr<EditorFeature> editor;
};

TEST_F(EditorWindowTest, ANewFoodTypedInTheEditorIsFoundByNameInAFoodList) {
    {
        test::DialogAnswer enter(QStringLiteral("foodEditor"), [](QWidget* w) {
            typeInto(w, QStringLiteral("nameEdit"), QStringLiteral("Kale chips"));
            typeInto(w, QStringLiteral("servingEdit"), QStringLiteral("1 bag"));
            typeInto(w, QStringLiteral("gramsPerServingEdit"), QStringLiteral("28"));
            for (int n : {0, 1, 2, 6}) typeInto(w, QStringLiteral("value%1").arg(n), QStringLiteral("1x5"));
            EXPECT_EQ(w->findChild<QLineEdit*>(QStringLiteral("value0"))->text(), QStringLiteral("15"));
            click(w, "saveNewButton");
        });
        ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdNewFood)));
    }
    EXPECT_EQ(platform.messages.back().caption, FoodEditor::kFoodSavedCaption);
    EXPECT_TRUE(mainWindow.action(kCmdConsolidate)->isEnabled());

    FListChildWindow* window = listWith(QStringLiteral("kale"));
    ASSERT_NE(window, nullptr);
    auto* items = window->findChild<QListWidget*>(QStringLiteral("itemList"));
    ASSERT_NE(items, nullptr);
    ASSERT_EQ(items->count(), 2);
    EXPECT_TRUE(items->item(1)->text().startsWith(QStringLiteral("Kale chips")));

    // With the list open the food commands are refused.
    ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdModifyFood)));
    EXPECT_EQ(platform.messageTexts().back(), kCloseListsBeforeEdit);
}

TEST_F(EditorWindowTest, ANewVitaminCTargetChangesTheOpenListsPercentage) {
    // Lentils with 30 mg of vitamin C per 100 g: a 200 g serving has 60.
    const std::size_t lentils = *db.index().findPositionById(test::FoodTree::idOf(1));
    NutrientRecord r;
    ASSERT_TRUE(db.records().readFoodRecord(db.index().entries()[lentils], r));
    r.setValue(kVitaminC, 30.0f);
    ASSERT_TRUE(db.records().writeFoodRecord(db.index().entries()[lentils], r));
    FListChildWindow* window = listWith(QStringLiteral("lent"));
    ASSERT_NE(window, nullptr);
    ViewFoods foods(db);
    auto vitaminC = [&] {
        NutrientViewDialog view(foods, platform, NutrientViewDialog::kTable, window->document(),
                                NutrientViewDialog::kWhole);
        return view.percentTexts()[kVitaminC];
    };
    EXPECT_EQ(vitaminC(), "100% RDA");

    {
        test::DialogAnswer edit(QStringLiteral("foodEditor"), [](QWidget* w) {
            typeInto(w, QStringLiteral("value%1").arg(kVitaminC), QStringLiteral("120"));
            click(w, "saveUserButton");
            click(w, "closeButton");
        });
        ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdUserModify)));
    }
    EXPECT_EQ(platform.messages.back().caption, FoodEditor::kUserSavedCaption);
    EXPECT_EQ(vitaminC(), " 50% ODA");
}

} // namespace
} // namespace korva
