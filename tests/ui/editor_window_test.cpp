#include <QRadioButton>

#include "app/korva_app.h"
#include "app/quest_dialog.h"
#include "core/food_data_base.h"
#include "core/profile_file.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/ui_support.h"
#include "ui/editor_feature.h"
#include "ui/main_window.h"
#include "ui/quest_dialog_widget.h"

namespace korva {
namespace {

constexpr int kVitaminC = 12;

using test::child;
using test::click;
using test::typeInto;

// The editors' commands in a main window; Ann, the current user, wants 60 mg
// of vitamin C a day.
class EditorWindowTest : public test::ScriptedTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.load(db));
        ProfileFile ann{{}, "Ann"};
        ann.profile.setValue(kVitaminC, 60.0f);
        ann.profile.setLevel(kVitaminC, 2);
        ASSERT_TRUE(writeProfileFile(tree.paths().userDir() / "user00.rda", ProfileFile{{}, "default"}));
        ASSERT_TRUE(writeProfileFile(tree.paths().userDir() / "user01.rda", ann));
        db.users().setCurrentFileName("user01.rda");
        ASSERT_TRUE(db.users().scanUsers());
        ASSERT_TRUE(db.users().readCurrentProfile(platform));
        editor = std::make_unique<EditorFeature>(mainWindow, app.frame(), db, platform, [] { return false; });
        mainWindow.show();
    }

    test::DataTree tree{{{0, "Apple juice"}}};
    FoodDataBase db;
    KorvaApp app{db, platform};
    MainWindow mainWindow{app, platform};
    std::unique_ptr<EditorFeature> editor;
};

TEST_F(EditorWindowTest, FoodsNewTakesWhatIsTypedAndSaves) {
    {
        test::DialogAnswer enter(QStringLiteral("foodEditor"), [](QWidget* w) {
            typeInto(w, "nameEdit", QStringLiteral("Kale chips"));
            typeInto(w, "servingEdit", QStringLiteral("1 bag"));
            typeInto(w, "gramsPerServingEdit", QStringLiteral("28"));
            for (int n : {0, 1, 2, 6}) typeInto(w, QStringLiteral("value%1").arg(n), QStringLiteral("1x5"));
            EXPECT_EQ(child<QLineEdit>(w, "value0")->text(), QStringLiteral("15"));
            click(w, "aminoPage");
            click(w, "saveNewButton");
        });
        ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdNewFood)));
    }
    EXPECT_EQ(platform.messages.back().caption, FoodEditor::kFoodSavedCaption);
    EXPECT_EQ(db.index().totalFoods(), 2u);
    EXPECT_TRUE(mainWindow.action(kCmdConsolidate)->isEnabled());
}

TEST_F(EditorWindowTest, UserModifyShowsATypedTargetAsTheUsersOwnAndSavesIt) {
    {
        test::DialogAnswer edit(QStringLiteral("profileEditor"), [](QWidget* w) {
            const QString percent = QStringLiteral("percent%1").arg(kVitaminC);
            EXPECT_EQ(test::label(w, percent), QStringLiteral("100% RDA"));
            typeInto(w, QStringLiteral("value%1").arg(kVitaminC), QStringLiteral("120"));
            EXPECT_EQ(test::label(w, percent), QStringLiteral("100% ODA"));
            click(w, "saveUserButton");
            click(w, "closeButton");
        });
        ASSERT_TRUE(test::triggerAction(mainWindow.action(kCmdUserModify)));
    }
    EXPECT_EQ(platform.messages.back().caption, ProfileEditor::kUserSavedCaption);
    EXPECT_FLOAT_EQ(db.users().current().profile.value(kVitaminC), 120.0f);
}

// The chooser's own wiring shows in User > Set; the questionnaire's here.
TEST(UserDialogWidgets, TheQuestionnaireAnswersWhatWasClicked) {
    QuestDialog quest(NutrientRecord{});
    QuestDialogWidget questions(quest);
    EXPECT_TRUE(child<QRadioButton>(&questions, "type2")->isChecked());
    click(&questions, "sex0");
    click(&questions, "acceptButton");
    ASSERT_TRUE(quest.result());
    EXPECT_EQ(quest.answers().sex, NewUserAnswers::male);
}

} // namespace
} // namespace korva
