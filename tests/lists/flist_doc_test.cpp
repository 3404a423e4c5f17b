#include <gtest/gtest.h>

#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

using Texts = std::vector<std::string>;

class FListDocTest : public test::ScriptedTest {
protected:
    test::DataTree tree{{
        test::food(101, 5, "Milk", 244, {50, 3.4f, 1.0f, 0, 0, 0, 5.0f}),
        test::food(102, 10, "Apple", 138, {52, 0.3f, 0.2f, 0, 0, 0, 14.0f}, "1 medium"),
    }};
    ActiveDocument active;

    std::unique_ptr<CFoodListDoc> newFoodList() {
        auto doc = std::make_unique<CFoodListDoc>(tree.db, platform, active);
        EXPECT_TRUE(doc->onNewDocument());
        return doc;
    }

    std::unique_ptr<CRecipeDoc> newRecipe() {
        auto doc = std::make_unique<CRecipeDoc>(tree.db, platform, active);
        doc->onNewDocument("Recipe 001");
        return doc;
    }

    std::filesystem::path savedList(const std::string& name, std::vector<std::uint16_t> ids) {
        FoodList l(&tree.db, "01/02/99");
        for (std::uint16_t id : ids) EXPECT_TRUE(l.addFood(tree.entry(id), kUnitServings));
        const std::filesystem::path p = tree.listFile(name);
        EXPECT_TRUE(l.writeFile(p, platform));
        return p;
    }

    std::filesystem::path savedRecipe(test::DataTree& t, const std::string& name) {
        FoodList r(&t.db, "01/02/99");
        r.setListType(FoodList::kRecipe);
        EXPECT_TRUE(r.addFood(t.entry(102), kUnitServings));
        r.recipe().setName("Baked apple");
        r.recipe().setServingDescription("one apple");
        r.recipe().setServingCount(4.0f);
        r.recipe().setInstructions({"Bake it."});
        r.setPath((t.paths().recipeDir() / name).string());
        EXPECT_TRUE(r.writeRecipeFile(platform));
        return r.path();
    }

    std::filesystem::path unwritable() const { return tree.paths().root / "missing" / "x.fls"; }
};

TEST_F(FListDocTest, NewDocumentsTakeTheNextNameAndBecomeActive) {
    test::writeBytes(tree.listFile("fl0006.fls"), {});
    auto doc = newFoodList();
    EXPECT_EQ(doc->title(), "FOODLIST  :  fl0007");
    EXPECT_EQ(doc->list().date(), "01/02/99"); // the platform's today

    auto second = newFoodList();
    EXPECT_EQ(second->list().path(), "fl0008.fls");
    EXPECT_EQ(active.document(), second.get());
    second.reset();
    EXPECT_EQ(active.document(), nullptr); // a closed document is not left active

    EXPECT_EQ(newRecipe()->title(), "RECIPE  :  Recipe 001");
}

TEST_F(FListDocTest, SaveRefusesInOrderThenWritesAndConfirms) {
    auto doc = newFoodList();
    EXPECT_FALSE(doc->onSaveFoodList());
    doc->setModified(true);
    EXPECT_FALSE(doc->onSaveFoodList());
    EXPECT_EQ(platform.messageTexts(),
              (Texts{"... no changes, can't save ...", "... can't save, no FOOD ITEMS in FOOD LIST ..."}));
    EXPECT_FALSE(std::filesystem::exists(doc->pathName()));

    platform.messages.clear();
    ASSERT_TRUE(doc->list().addFood(tree.entry(101), kUnitServings));
    ASSERT_TRUE(doc->onSaveFoodList());
    EXPECT_EQ(platform.messageTexts(), Texts{"Food List  file  has  been  saved . . ."});
    EXPECT_EQ(platform.messages[0].caption, "FOOD  LIST  FILES");
    EXPECT_TRUE(std::filesystem::exists(doc->pathName()));

    // A save that fails says so and stays modified, without the confirmation.
    platform.messages.clear();
    doc->list().stepCurrentAmount(true);
    doc->list().setPath(unwritable().string());
    EXPECT_FALSE(doc->onSaveFoodList());
    EXPECT_EQ(platform.messageTexts(), Texts{" can't open file for writing ..."});
    EXPECT_TRUE(doc->isModified());
}

TEST_F(FListDocTest, SaveAsWritesEvenWhenUnchangedAndTakesTheNewName) {
    auto doc = newFoodList();
    EXPECT_FALSE(doc->onSaveFoodListAs());
    EXPECT_EQ(platform.messageTexts(), Texts{"... can't save, no FOOD ITEMS in FOOD LIST ..."});
    EXPECT_TRUE(platform.fileRequests.empty()); // refused before asking

    platform.messages.clear();
    ASSERT_TRUE(doc->list().addFood(tree.entry(102), kUnitServings));
    doc->setModified(false);
    const std::filesystem::path target = tree.listFile("lunch.fls");
    platform.answerFile(target);
    ASSERT_TRUE(doc->onSaveFoodListAs());
    EXPECT_EQ(platform.fileRequests.at(0).filter, "All Files (*.*)|*.*|Food List Files(*.FLS)|*.FLS||");
    EXPECT_EQ(platform.fileRequests.at(0).startFolder, tree.paths().foodListDir());
    EXPECT_TRUE(std::filesystem::exists(target) && !doc->isModified());
    EXPECT_EQ(doc->title(), "FOOD  LIST  : lunch.fls");

    // Cancelled: nothing written, nothing changed.
    doc->list().stepCurrentAmount(true);
    platform.answerFile(std::nullopt);
    EXPECT_FALSE(doc->onSaveFoodListAs());
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->pathName(), target);
}

TEST_F(FListDocTest, ANeverSavedListNeverReplacesAFileItDidNotRead) {
    auto first = newFoodList();
    ASSERT_EQ(first->list().path(), "fl0001.fls");
    ASSERT_TRUE(first->list().addFood(tree.entry(101), kUnitServings));
    platform.answerFile(tree.listFile("fl0002.fls"));
    ASSERT_TRUE(first->onSaveFoodListAs());
    auto second = newFoodList();
    EXPECT_EQ(second->list().path(), "fl0003.fls");

    // The name was taken after it was given: Save moves on to a free one.
    const std::filesystem::path taken = savedList("fl0003.fls", {102});
    const std::vector<std::uint8_t> before = test::fileBytes(taken);
    ASSERT_TRUE(second->list().addFood(tree.entry(101), kUnitServings));
    ASSERT_TRUE(second->onSaveFoodList());
    EXPECT_EQ(test::fileBytes(taken), before);
    EXPECT_EQ(second->title(), "FOODLIST  :  fl0004");
    EXPECT_TRUE(std::filesystem::exists(tree.listFile("fl0004.fls")));
    // Once written, the list saves over its own file.
    second->list().stepCurrentAmount(true);
    ASSERT_TRUE(second->onSaveFoodList());
    EXPECT_EQ(second->pathName(), tree.listFile("fl0004.fls"));
}

TEST_F(FListDocTest, CommandsOfTheOtherKindAndNutrientViewsOfAnEmptyListAreRefused) {
    auto recipe = newRecipe();
    ASSERT_TRUE(recipe->list().addFood(tree.entry(101), kUnitServings));
    EXPECT_FALSE(recipe->onSaveFoodList());
    EXPECT_FALSE(recipe->onSaveFoodListAs());
    EXPECT_FALSE(recipe->onMergeFoodList());
    EXPECT_FALSE(recipe->onMergeRecipe([] { return std::optional<std::filesystem::path>(); }));
    EXPECT_FALSE(recipe->checkExportFoodList());
    auto list = newFoodList();
    EXPECT_FALSE(list->onRecipeMergeFoodList());
    EXPECT_FALSE(list->checkExportRecipe());
    EXPECT_FALSE(list->onRecipeClose());
    EXPECT_FALSE(list->checkViewAllNutrients());
    EXPECT_FALSE(list->checkViewOneNutrient());
    EXPECT_EQ(platform.messageTexts(),
              (Texts{"Use RECIPE MENU entries ...", "Use RECIPE MENU entries ...", "Use RECIPE menu entries ...",
                     "Use MERGE under RECIPE ...", "Use RECIPE MENU entries ...", "Use FOODLIST MENU entries ...",
                     "Use FOODLIST MENU entries ...", "Use FOODLIST MENU entries ...",
                     "... no FOOD ITEMS, can't display nutrients...", "... no FOOD ITEMS, can't display nutrient..."}));
    EXPECT_TRUE(platform.fileRequests.empty());

    ASSERT_TRUE(list->list().addFood(tree.entry(101), kUnitServings));
    EXPECT_TRUE(list->checkViewAllNutrients());
    EXPECT_TRUE(list->checkExportFoodList());
    active.clear();
    EXPECT_FALSE(list->checkExportFoodList());
    EXPECT_EQ(platform.messageTexts().back(), "no active Food List, can't export ..");
}

TEST_F(FListDocTest, OpenReadsTheFileAndAFailedOpenLeavesNothing) {
    CFoodListDoc doc(tree.db, platform, active);
    ASSERT_TRUE(doc.onOpenDocument(savedList("dinner.fls", {101, 102})));
    EXPECT_EQ(doc.title(), "FOODLIST  :  dinner");
    EXPECT_TRUE(doc.list().itemCount() == 2u && !doc.isModified());

    CFoodListDoc missing(tree.db, platform, active);
    EXPECT_FALSE(missing.onOpenDocument(tree.listFile("nothere.fls")));
    CFoodListDoc wrongKind(tree.db, platform, active);
    EXPECT_FALSE(wrongKind.onOpenDocument(savedRecipe(tree, "rcp001.rcp")));
    EXPECT_EQ(wrongKind.list().itemCount(), 0u);
    EXPECT_EQ(active.document(), &doc);

    CRecipeDoc recipe(tree.db, platform, active);
    ASSERT_TRUE(recipe.onOpenRecipe(tree.paths().recipeDir() / "rcp001.rcp"));
    EXPECT_FALSE(recipe.isModified());
    CRecipeDoc gone(tree.db, platform, active);
    EXPECT_FALSE(gone.onOpenRecipe(tree.paths().recipeDir() / "rcp009.rcp"));
    EXPECT_EQ(platform.messageTexts(),
              (Texts{"... ERROR ... FOOD LIST file not found ...", "... input file is not in FOOD LIST format ...",
                     "... ERROR ... RECIPE file not found ..."}));

    // A list that lost a food on opening differs from its file: it can be saved.
    FoodList old(&tree.db, "01/02/99");
    ASSERT_TRUE(old.addFood(tree.entry(101), kUnitServings));
    old.append(FoodItem(999));
    ASSERT_TRUE(old.writeFile(tree.listFile("old.fls"), platform));
    CFoodListDoc dropped(tree.db, platform, active);
    ASSERT_TRUE(dropped.onOpenDocument(tree.listFile("old.fls")));
    EXPECT_TRUE(dropped.isModified() && dropped.onSaveFoodList());

    // Stored totals that disagree with the items (a food edited since) give
    // way to the items' sum, and saving brings the file in line.
    savedList("stale.fls", {101});
    test::DataTree edited{{test::food(101, 5, "Milk", 244, {80, 3.4f, 1.0f, 0, 0, 0, 5.0f})}};
    CFoodListDoc settled(edited.db, platform, active);
    ASSERT_TRUE(settled.onOpenDocument(tree.listFile("stale.fls")));
    EXPECT_FLOAT_EQ(settled.list().totals().value(0), 80.0f * 2.44f);
    EXPECT_TRUE(settled.isModified());
}

TEST_F(FListDocTest, MergeFoodListAppendsAndMarksModifiedForAnyChosenFile) {
    const std::filesystem::path p = savedList("snack.fls", {102});
    auto doc = newFoodList();
    ASSERT_TRUE(doc->list().addFood(tree.entry(101), kUnitServings));
    doc->setModified(false);
    platform.answerFile(p);
    ASSERT_TRUE(doc->onMergeFoodList());
    EXPECT_TRUE(doc->isModified());

    doc->setModified(false);
    platform.answerFile(tree.listFile("gone.fls"));
    EXPECT_FALSE(doc->onMergeFoodList());
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->list().itemCount(), 2u);

    doc->setModified(false);
    platform.answerFile(std::nullopt);
    EXPECT_FALSE(doc->onMergeFoodList() || doc->isModified());

    // A recipe merges a food list through its own command.
    platform.messages.clear();
    auto recipe = newRecipe();
    platform.answerFile(p);
    ASSERT_TRUE(recipe->onRecipeMergeFoodList());
    EXPECT_EQ(recipe->list().itemCount(), 1u);
    EXPECT_EQ(recipe->list().recipe().name(), "Recipe 001");
    platform.answerFile(tree.listFile("gone.fls"));
    EXPECT_FALSE(recipe->onRecipeMergeFoodList());
    platform.answerFile(savedRecipe(tree, "rcp001.rcp")); // the kinds must differ
    EXPECT_FALSE(recipe->onRecipeMergeFoodList());
    EXPECT_EQ(platform.messageTexts(),
              (Texts{"... ERROR ... food list file not found ...", "... input file is not in FOOD LIST format ..."}));
    EXPECT_EQ(recipe->list().itemCount(), 1u);
}

TEST_F(FListDocTest, MergeRecipeAppendsItsIngredientsOnlyWhenTheDataBaseHasRecipes) {
    auto doc = newFoodList();
    EXPECT_FALSE(doc->onMergeRecipe([] { return ADD_FAILURE(), std::optional<std::filesystem::path>(); }));
    EXPECT_EQ(platform.messageTexts(), Texts{"... no recipes in data base, can't open .."});

    test::DataTree withRecipe{{
        test::food(102, 10, "Apple", 138, {52, 0.3f, 0.2f, 0, 0, 0, 14.0f}),
        test::food(29000, 23, "Baked apple", 150, {60}),
    }};
    const std::filesystem::path r = savedRecipe(withRecipe, "rcp001.rcp");
    CFoodListDoc other(withRecipe.db, platform, active);
    other.onNewDocument("fl0001.fls");
    ASSERT_TRUE(other.onMergeRecipe([&] { return std::optional<std::filesystem::path>(r); }));
    ASSERT_EQ(other.list().itemCount(), 1u);
    EXPECT_EQ(other.list().item(0).servings(), 1.0f); // the whole recipe, not one serving of it

    platform.messages.clear();
    other.setModified(false);
    EXPECT_FALSE(other.onMergeRecipe(
        [&] { return std::optional<std::filesystem::path>(withRecipe.paths().recipeDir() / "rcp002.rcp"); }));
    EXPECT_EQ(platform.messageTexts(), Texts{"... ERROR ... recipe file not found ..."});
    EXPECT_FALSE(other.isModified());
}

TEST_F(FListDocTest, ClosingAModifiedDocumentAsks) {
    auto doc = newFoodList();
    EXPECT_TRUE(doc->canClose()); // unchanged: no question
    ASSERT_TRUE(doc->list().addFood(tree.entry(101), kUnitServings));
    for (auto [answer, closes] : {std::pair{MsgAnswer::cancel, false}, {MsgAnswer::no, true}, {MsgAnswer::yes, true}}) {
        EXPECT_FALSE(std::filesystem::exists(doc->pathName()));
        platform.answer(answer);
        EXPECT_EQ(doc->canClose(), closes);
    }
    EXPECT_EQ(platform.messages[0].buttons, MsgButtons::yesNoCancel);

    // Yes saves under the rules of Save: a cleared list is not written.
    const std::vector<std::uint8_t> saved = test::fileBytes(doc->pathName());
    doc->list().clear();
    platform.answer(MsgAnswer::yes);
    EXPECT_FALSE(doc->canClose());
    EXPECT_EQ(platform.messageTexts().back(), "... can't save, no FOOD ITEMS in FOOD LIST ...");
    EXPECT_EQ(test::fileBytes(doc->pathName()), saved);
    ASSERT_TRUE(doc->list().addFood(tree.entry(101), kUnitServings));

    // A save that fails keeps the window open.
    doc->list().stepCurrentAmount(true);
    doc->list().setPath(unwritable().string());
    platform.answer(MsgAnswer::yes);
    EXPECT_FALSE(doc->canClose());
    EXPECT_TRUE(doc->isModified());

    // A recipe only confirms dropping its changes.
    auto recipe = newRecipe();
    recipe->activate();
    ASSERT_TRUE(recipe->list().addFood(tree.entry(101), kUnitServings));
    platform.answer(MsgAnswer::no);
    EXPECT_FALSE(recipe->onRecipeClose());
    EXPECT_EQ(active.document(), recipe.get());
    platform.answer(MsgAnswer::yes);
    EXPECT_TRUE(recipe->onRecipeClose());
    EXPECT_EQ(active.document(), nullptr);
}

} // namespace
} // namespace korva
