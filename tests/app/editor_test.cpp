#include <gtest/gtest.h>

#include <functional>

#include "app/cset_dialog.h"
#include "app/editor_commands.h"
#include "app/food_editor.h"
#include "app/profile_editor.h"
#include "app/quest_dialog.h"
#include "app/usel_dialog.h"
#include "core/new_user_targets.h"
#include "core/profile_file.h"
#include "tests/app/scripted_user_chooser.h"
#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

namespace fs = std::filesystem;
constexpr int kVitaminC = 12;

// Plays the user in the windows the editors and the commands open.
class ScriptedWindows : public EditorWindows {
public:
    std::vector<int> categoryChoices; // -1 cancels
    std::optional<int> userPick;
    bool acceptQuestionnaire = true;
    std::function<void(ProfileEditor&)> inProfileEditor;

    void runCategoryChoice(CSetDialog& dialog) override {
        ASSERT_FALSE(categoryChoices.empty()) << "unscripted category choice";
        const int c = categoryChoices.front();
        categoryChoices.erase(categoryChoices.begin());
        if (c < 0) return dialog.onCancel();
        dialog.onRowSelected(c);
        dialog.onOk();
    }
    void runUserSelection(USelDialog& dialog) override {
        if (!userPick) return dialog.onCancel();
        dialog.onRowSelected(*userPick);
        dialog.onOk();
    }
    void runQuestionnaire(QuestDialog& dialog) override { acceptQuestionnaire ? dialog.onAccept() : dialog.onCancel(); }
    void runFoodEditor(FoodEditor& editor) override { editor.onClose(); }
    void runProfileEditor(ProfileEditor& editor) override {
        if (inProfileEditor) inProfileEditor(editor);
        editor.onClose();
    }
};

// Ann, the current user, wants 60 mg of vitamin C a day (an RDA).
class EditorTest : public test::ScriptedTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.load(db));
        const auto dir = tree.paths().userDir();
        test::writeProfile(dir / "user00.rda", "default", 2000.0f);
        ProfileFile ann{{}, "Ann"};
        ann.profile.setValue(kVitaminC, 60.0f);
        ann.profile.setLevel(kVitaminC, 2);
        ASSERT_TRUE(writeProfileFile(dir / "user01.rda", ann));
        test::writeProfile(dir / "user02.rda", "Bob", 2900.0f);
        db.users().setCurrentFileName("user01.rda");
        ASSERT_TRUE(db.users().scanUsers());
        ASSERT_TRUE(db.users().readCurrentProfile(platform));
    }

    FoodEditor& open(FoodEditor::Mode mode) {
        editor = std::make_unique<FoodEditor>(db, platform, windows, mode);
        editor->setRecipeFoodRemoved([this](std::uint16_t id, bool) { removedRecipes.push_back(id); });
        editor->open();
        return *editor;
    }
    ProfileEditor& openProfile(ProfileEditor::Mode mode) {
        profileEditor = std::make_unique<ProfileEditor>(db, platform, windows, mode, db.users().current().profile);
        return *profileEditor;
    }
    // Opens the modify mode on the k-th food of a category.
    FoodEditor& modify(int category, int k) {
        FoodEditor& e = open(FoodEditor::modifyFood);
        e.onCategoryChosen(category);
        e.onFoodSelected(k);
        return e;
    }
    const ShortFood* entryNamed(const std::string& name) const {
        for (const ShortFood& e : db.index().entries())
            if (e.name == name) return &e;
        return nullptr;
    }
    NutrientRecord recordOf(const ShortFood& e) const {
        NutrientRecord r;
        EXPECT_TRUE(db.records().readFoodRecord(e, r));
        return r;
    }
    // Puts a directory where `file` was, so that writing it fails; undone by
    // the returned step.
    std::function<void()> blockWrites(const fs::path& file) {
        fs::rename(file, file.string() + ".kept");
        fs::create_directory(file);
        return [file] {
            fs::remove(file);
            fs::rename(file.string() + ".kept", file);
        };
    }

    test::DataTree tree{{{0, "Apple juice"}, {0, "Bagel"}, {5, "Lentils"}, {23, "Stew"}}};
    FoodDataBase db;
    ScriptedWindows windows;
    std::unique_ptr<FoodEditor> editor;
    std::unique_ptr<ProfileEditor> profileEditor;
    std::vector<std::uint16_t> removedRecipes;
};

TEST_F(EditorTest, NewFoodIsStoredPerHundredGramsOnceEvenAfterARefusal) {
    FoodEditor& e = open(FoodEditor::newFood);
    EXPECT_EQ(e.title(), "ENTER  New  Food  :  User  :  Ann");
    e.onCategoryChosen(5);
    e.onNameEdited("Oat cakes");
    e.onGramsPerServingEdited("30");
    e.onGramsEnteredEdited("50");
    for (auto [n, text] : {std::pair{0, "100"}, {1, "4"}, {2, "2"}, {6, "20"}}) e.fields().onFieldEdited(n, text);
    // Letters are dropped; 50 % of Ann's vitamin C target is 30.
    e.fields().onFieldEdited(7, "1x2");
    EXPECT_EQ(e.fields().fieldText(7), "12");
    e.fields().onFieldEdited(kVitaminC, ".%"); // no number before the "%": nothing taken
    EXPECT_EQ(platform.messageTexts().back(), FoodValueFields::kPercentNegative);
    EXPECT_EQ(e.fields().fieldText(kVitaminC), "0.00");
    e.fields().onFieldEdited(kVitaminC, "50%");
    EXPECT_EQ(e.fields().fieldText(kVitaminC), "30.000");
    e.fields().onPageChosen(NutrientFields::Page::aminoAcids);
    e.fields().onFieldEdited(30, "0.5");
    e.onSaveNewFood();
    EXPECT_EQ(platform.messageTexts().back(), FoodEditor::kNeedNewServing);
    e.onServingEdited("2 cakes");
    e.onSaveNewFood();
    EXPECT_TRUE(e.finished());
    const ShortFood* food = entryNamed("Oat cakes");
    ASSERT_TRUE(food && food->id == 25001 && food->servingText == "2 cakes" && food->gramsPerServing == 30.0f);
    const NutrientRecord r = recordOf(*food);
    // Typed for 50 g.
    EXPECT_EQ((std::array{r.value(0), r.value(7), r.value(kVitaminC), r.value(30)}),
              (std::array{200.0f, 24.0f, 60.0f, 1.0f}));
    EXPECT_EQ(r.level(3), 0) << "a field never typed is not available";
    EXPECT_EQ(db.selection().currentEntry(), db.index().findPositionById(25001));
}

TEST_F(EditorTest, NewFoodRefusalsStoreNothing) {
    const std::vector<std::pair<std::function<void(FoodEditor&)>, std::string>> cases{
        {[](FoodEditor& e) { e.onNameEdited(" "); }, FoodEditor::kNeedNewName},
        {[](FoodEditor& e) { e.onGramsPerServingEdited(""); }, FoodEditor::kNeedGramsPerServing},
        {[](FoodEditor& e) { e.onGramsPerServingEdited("0.1"), e.onGramsPerServingStep(false); },
         FoodEditor::kGramsPerServingPositive},
        {[](FoodEditor& e) { e.onGramsPerServingEdited("inf"); }, FoodEditor::kGramsPerServingPositive},
        {[](FoodEditor& e) { e.onGramsEnteredEdited("0"); }, FoodEditor::kGramsEnteredPositive},
        {[](FoodEditor& e) { e.onGramsEnteredEdited("nan"); }, FoodEditor::kGramsEnteredPositive},
        {[](FoodEditor& e) { e.fields().onFieldEdited(6, "."); }, NutrientFields::notANumber(6)},
        {[](FoodEditor&) {}, FoodEditor::kNeedMainValues},
        {[](FoodEditor& e) { e.onCategoryChosen(kRecipeCategory); }, FoodEditor::kNewNotARecipe},
        {[this](FoodEditor&) { db.state().unconsolidated = 32; }, FoodEditor::kConsolidateBeforeNew},
    };
    for (const auto& [spoil, message] : cases) {
        SCOPED_TRACE(message);
        FoodEditor& e = open(FoodEditor::newFood);
        e.onCategoryChosen(5);
        e.onNameEdited("Oat cakes");
        e.onServingEdited("cake");
        e.onGramsPerServingEdited("30");
        for (int n : {0, 1, 2}) e.fields().onFieldEdited(n, "1"); // no carbohydrate
        spoil(e);
        e.onSaveNewFood();
        EXPECT_EQ(platform.messageTexts().back(), message);
        EXPECT_EQ(db.index().totalFoods(), 4u);
        db.state().unconsolidated = 0;
    }
}

TEST_F(EditorTest, ModifyWritesTheRecordInPlaceOnlyAfterAChange) {
    db.index().mutableEntries()[1].gramsPerServing = 28.3495f;
    modify(0, 1).fields().onFieldEdited(0, "250");
    editor->onSaveFood();
    EXPECT_FLOAT_EQ(entryNamed("Bagel")->gramsPerServing, 28.3495f) << "the rounded field was not edited";
    db.index().mutableEntries()[1].gramsPerServing = 100.0f;
    FoodEditor& e = modify(0, 1);
    EXPECT_EQ(e.foodNames(), (std::vector<std::string>{"Apple juice", "Bagel"}));
    e.onSaveFood();
    EXPECT_EQ(platform.messageTexts().back(), FoodEditor::kNoEditChange);
    e.onNameEdited("Bagel, plain");
    e.onGramsPerServingEdited("71");
    e.fields().onFieldEdited(kVitaminC, "50%");
    e.onSaveFood();
    const ShortFood* food = entryNamed("Bagel, plain");
    ASSERT_TRUE(e.finished() && food && food->gramsPerServing == 71.0f);
    EXPECT_FLOAT_EQ(recordOf(*food).value(kVitaminC), 30.0f);
    EXPECT_TRUE(!db.state().isSet(kNoEdits) && db.state().indexModified());
}

TEST_F(EditorTest, AModifiedFoodWhoseRecordCannotBeWrittenKeepsFileIndexAndTyping) {
    FoodEditor& e = modify(0, 1);
    e.onNameEdited("Bagel, plain");
    e.fields().onFieldEdited(0, "250");
    auto unblock = blockWrites(tree.paths().foodsArc());
    e.onSaveFood();
    unblock();
    EXPECT_EQ(platform.messageTexts().back(), FoodEditor::kFoodNotWritten);
    ASSERT_NE(entryNamed("Bagel"), nullptr);
    EXPECT_FLOAT_EQ(recordOf(*entryNamed("Bagel")).value(0), 100.0f);
    EXPECT_FALSE(e.finished() || db.state().indexModified());
    e.onSaveFood(); // what was typed is still there to save
    ASSERT_NE(entryNamed("Bagel, plain"), nullptr);
    EXPECT_FLOAT_EQ(recordOf(*entryNamed("Bagel, plain")).value(0), 250.0f);
}

TEST_F(EditorTest, CategoryChangeKeepsTheIdAndTakesARecipeOutOfTheCatalogue) {
    FoodEditor& e = modify(23, 0);
    ASSERT_EQ(e.name(), "Stew");
    const std::uint16_t id = test::DataTree::idOf(3);
    windows.categoryChoices = {-1, 23, 5};
    e.onChangeCategory(); // cancelled
    e.onChangeCategory();
    EXPECT_EQ(platform.messageTexts().back(), FoodEditor::kSameCategory);
    e.onGramsPerServingEdited("0");
    e.onChangeCategory();
    EXPECT_EQ(platform.messageTexts().back(), FoodEditor::kGramsPerServingPositive);
    EXPECT_EQ(db.index().findEntryById(id)->category, 23) << "a refused move loses nothing";
    e.onGramsPerServingEdited("250");
    e.fields().onFieldEdited(0, "321");
    windows.categoryChoices = {5};
    e.onChangeCategory();
    EXPECT_EQ(platform.messages.back().caption, FoodEditor::kFoodSavedCaption);
    ASSERT_EQ(db.index().totalFoods(), 4u);
    const ShortFood* moved = db.index().findEntryById(id);
    ASSERT_TRUE(moved && moved->category == 5 && moved->gramsPerServing == 250.0f);
    EXPECT_FLOAT_EQ(recordOf(*moved).value(0), 321.0f);
    EXPECT_EQ(removedRecipes, std::vector<std::uint16_t>{id});
    EXPECT_EQ(db.state().deleted, 1);
    EXPECT_EQ(e.foodNames()[std::size_t(e.selectedFood())], "Stew");
    windows.categoryChoices = {23};
    e.onChangeCategory();
    EXPECT_EQ(platform.messageTexts().back(), FoodEditor::kNotToRecipes);
    db.state().unconsolidated = 32;
    e.onChangeCategory();
    EXPECT_EQ(platform.messageTexts().back(), FoodEditor::kTooManyForChange);
}

TEST_F(EditorTest, DeletionAsksFirstAndStopsAtTheLimit) {
    FoodEditor& e = modify(5, 0);
    e.onCategoryChosen(7); // an empty category is refused and the one shown kept
    EXPECT_EQ(platform.messageTexts().back(), FoodEditor::kEmptyCategory);
    db.state().deleted = FoodEditor::kMaxDeletions;
    e.onDelete();
    EXPECT_EQ(platform.messageTexts().back(), FoodEditor::kConsolidateBeforeDelete);
    db.state().deleted = 0;
    platform.answer(MsgAnswer::no, FoodEditor::kDeleteQuestion);
    e.onDelete();
    EXPECT_EQ(db.index().totalFoods(), 4u);
    platform.answer(MsgAnswer::yes, FoodEditor::kDeleteQuestion);
    e.onDelete();
    EXPECT_EQ(db.index().findEntryById(test::DataTree::idOf(2)), nullptr);
    EXPECT_TRUE(db.state().deleted == 1 && removedRecipes.empty());
    EXPECT_EQ(e.name(), "Stew") << "the editor moves on to foods that are there";
}

TEST_F(EditorTest, TargetsRefusePercentShowTheyBecomeTheUsersOwnAndSaveUnderANewName) {
    ProfileEditor& e = openProfile(ProfileEditor::modifyUser);
    EXPECT_EQ(e.fields().fieldText(kVitaminC), "60.000");
    EXPECT_EQ(e.fields().percentLabel(kVitaminC), "100% RDA");
    EXPECT_EQ(e.fields().fieldText(0), " N / A ");
    e.fields().onFieldEdited(kVitaminC, "5%");
    EXPECT_EQ(platform.messageTexts().back(), TargetFields::kNoPercentForTargets);
    EXPECT_EQ(e.fields().fieldText(kVitaminC), "0.00");
    e.fields().onFieldEdited(kVitaminC, "90");
    EXPECT_EQ(e.fields().percentLabel(kVitaminC), "100% ODA") << "said as it is typed";
    // A profile file that cannot be written changes nothing and keeps the typing.
    const fs::path annFile = tree.paths().userDir() / "user01.rda";
    auto unblock = blockWrites(annFile);
    e.onSaveUser();
    unblock();
    EXPECT_EQ(platform.messageTexts().back(), ProfileEditor::kUserNotWritten);
    EXPECT_FLOAT_EQ(db.users().current().profile.value(kVitaminC), 60.0f);
    EXPECT_FLOAT_EQ(readProfileFile(annFile).file.profile.value(kVitaminC), 60.0f);
    e.onSaveUser();
    EXPECT_EQ(platform.messages.back().caption, ProfileEditor::kUserSavedCaption);
    const ProfileReadResult saved = readProfileFile(annFile);
    EXPECT_EQ((std::pair{saved.file.profile.value(kVitaminC), saved.file.profile.level(kVitaminC)}),
              (std::pair{90.0f, 1})); // a target set by the user is an ODA
    EXPECT_FLOAT_EQ(db.users().current().profile.value(kVitaminC), 90.0f);
    for (const char* name : {"default", "Ann", "Cleo"}) platform.answerText(name, ProfileEditor::kNewUserPrompt);
    for (const char* refusal : {ProfileEditor::kNotAsDefault, ProfileEditor::kSameUserName}) {
        e.onSaveUserAs();
        EXPECT_EQ(platform.messageTexts().back(), refusal);
    }
    e.onSaveUserAs();
    EXPECT_EQ(db.users().current().name, "Cleo");
    EXPECT_EQ(readProfileFile(tree.paths().userDir() / "user03.rda").file.name, "Cleo");
    EXPECT_TRUE(db.state().stateDirty());
}

TEST_F(EditorTest, LoadUserTakesAnotherUsersValuesAndViewChangesNothing) {
    ProfileEditor& e = openProfile(ProfileEditor::modifyUser);
    windows.userPick = 2;
    e.onLoadUser();
    EXPECT_EQ(e.fields().fieldText(0), valueText(2900.0f));
    EXPECT_TRUE(e.fields().changed());
    ProfileEditor& v = openProfile(ProfileEditor::viewUser);
    EXPECT_FALSE(v.buttons()[0].enabled);
    v.fields().onFieldEdited(kVitaminC, "1");
    v.onSaveUser();
    EXPECT_EQ(v.fields().fieldText(kVitaminC), "60.000");
    EXPECT_FALSE(v.succeeded());
    test::KeepingPrinter printer;
    EXPECT_TRUE(v.onPrint(printer));
    ASSERT_EQ(printer.texts.size(), 2u + kNutrientCount);
    EXPECT_EQ(printer.texts[2 + kVitaminC], "Vit. C\t60.000\t_mg\t100% RDA");
}

TEST_F(EditorTest, CommandsGuardTheEditorsAndRetitleForANewUser) {
    EditorCommands commands(db, platform, windows);
    commands.newFood(true);
    EXPECT_EQ(platform.messageTexts().back(), kCloseListsBeforeNewFood);
    commands.modifyFood(true);
    EXPECT_EQ(platform.messageTexts().back(), kCloseListsBeforeEdit);
    db.state().unconsolidated = 32;
    commands.newFood(false);
    EXPECT_EQ(platform.messageTexts().back(), kTooManyNewFoods);
    // A new user from the questionnaire, named by its first save.
    windows.inProfileEditor = [](ProfileEditor& e) {
        EXPECT_EQ(e.title(), "NEW  User  ODA/RDA  Values");
        e.onSaveUser();
    };
    platform.answerText("Dora", ProfileEditor::kNewUserPrompt);
    const UserCommandOutcome made = commands.userNew();
    EXPECT_EQ(made.title, "Korvana  :  USER Dora");
    EXPECT_FALSE(db.users().current().changed);
    EXPECT_FLOAT_EQ(db.users().current().profile.value(1), 50.0f) << "the questionnaire's targets";
    windows.inProfileEditor = {};
    windows.acceptQuestionnaire = false;
    EXPECT_FALSE(commands.userNew().titleChanged);
    db.users().setCurrentUser(0, platform);
    EXPECT_FALSE(commands.userModify().titleChanged);
    EXPECT_EQ(platform.messageTexts().back(), kCannotModifyDefault);
}

// Neither the default user nor one whose question is answered No is deleted.
TEST_F(EditorTest, SetAndDeleteUserOnlyWhatIsChosenAndReadable) {
    test::ScriptedUserChooser chooser;
    for (std::optional<int> keep : {std::optional<int>{1}, std::optional<int>{}}) {
        chooser.pick = keep;
        EXPECT_FALSE(userSet(db, platform, chooser).titleChanged);
    }
    chooser.pick = 0;
    EXPECT_FALSE(userDelete(db, platform, chooser).titleChanged);
    EXPECT_EQ(platform.messageTexts().back(), "... cannot delete default values ...");
    chooser.pick = 2;
    platform.answer(MsgAnswer::no, deleteUserQuestion("Bob"));
    EXPECT_FALSE(userDelete(db, platform, chooser).titleChanged);
    EXPECT_FALSE(db.state().stateDirty());
    fs::resize_file(tree.paths().userDir() / "user02.rda", 10);
    EXPECT_FALSE(userSet(db, platform, chooser).titleChanged);
    EXPECT_EQ(platform.messageTexts().back(), kDamagedUserFile);
    EXPECT_EQ(db.users().current().name, "Ann");
    test::writeProfile(tree.paths().userDir() / "user02.rda", "Bob", 2900.0f);
    EXPECT_EQ(userSet(db, platform, chooser).title, "Korvana    USER  :  Bob");
    EXPECT_FLOAT_EQ(db.users().current().profile.value(0), 2900.0f);
    EXPECT_TRUE(db.state().stateDirty());
    chooser.pick = 1;
    platform.answer(MsgAnswer::yes, deleteUserQuestion("Ann"));
    EXPECT_EQ(userDelete(db, platform, chooser).title, "Korvana    USER  :  Bob");
    EXPECT_EQ(db.users().count(), 2);
    EXPECT_FALSE(fs::exists(tree.paths().userDir() / "user01.rda"));
    EXPECT_TRUE(db.state().indexModified());
}

TEST(UserDialogs, ChooserNeverAnswersARowThatIsNotThereAndTheQuestionnaireOnlyOnAccept) {
    USelDialog d({"default", "Ann"}, 0), empty({}, 0);
    d.onRowSelected(5);
    d.onOk();
    empty.onOk();
    QuestDialog q(NutrientRecord{}), c(NutrientRecord{});
    q.onAccept();
    c.onCancel();
    EXPECT_TRUE(d.result() == 0 && !empty.result() && q.result() && !c.result());
}

} // namespace
} // namespace korva
