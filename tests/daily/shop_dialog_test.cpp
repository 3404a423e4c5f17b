#include "daily/shop_dialog.h"

#include <gtest/gtest.h>

#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

using Texts = std::vector<std::string>;

// Answers the recipe choices queued, then cancels.
class QueuedRecipes : public ShopRecipeChooser {
public:
    std::optional<RecipeChoice> chooseRecipe() override {
        if (choices.empty()) return std::nullopt;
        RecipeChoice c = choices.front();
        choices.erase(choices.begin());
        return c;
    }
    std::vector<RecipeChoice> choices;
};

class ShopDialogTest : public test::ScriptedTest {
protected:
    test::DataTree tree{{
        test::food(101, 5, "Milk", 100, {50}, "1 cup"),
        test::food(102, 10, "apple", 100, {52}, "1 medium"),
        test::food(103, 10, "Banana", 100, {89}, "1 large"),
        test::food(104, 22, "Carrots", 100, {41}, "1 cup"),
        test::food(29000, 23, "Fruit Cup", 100, {60}, "1 bowl"),
    }};
    QueuedRecipes recipes;

    std::filesystem::path saveList(const std::string& name, std::vector<std::pair<std::uint16_t, float>> items) {
        FoodList l(&tree.db, "01/02/26");
        for (auto [id, servings] : items) {
            EXPECT_TRUE(l.addFood(tree.entry(id), kUnitServings));
            EXPECT_TRUE(l.setCurrentAmount(servings, kUnitServings));
        }
        EXPECT_TRUE(l.writeFile(tree.listFile(name), platform));
        return tree.listFile(name);
    }

    std::filesystem::path saveRecipe() {
        FoodList r(&tree.db, "01/02/26");
        r.setListType(FoodList::kRecipe);
        EXPECT_TRUE(r.addFood(tree.entry(103), kUnitServings));
        EXPECT_TRUE(r.setCurrentAmount(2, kUnitServings));
        EXPECT_TRUE(r.addFood(tree.entry(104), kUnitServings));
        EXPECT_TRUE(r.setCurrentAmount(0.5f, kUnitServings));
        r.recipe().setName("Fruit Cup");
        r.recipe().setServingDescription("1 bowl");
        r.recipe().setServingCount(4);
        r.recipe().setInstructions({"Mix."});
        std::filesystem::create_directories(tree.paths().recipeDir());
        r.setPath((tree.paths().recipeDir() / "rcp001.rcp").string());
        EXPECT_TRUE(r.writeRecipeFile(platform));
        return r.path();
    }

    void addList(ShopDialog& d, const std::filesystem::path& file) {
        platform.answerFile(file);
        d.onAddFoodList();
    }

    void apply(ShopDialog& d, const std::string& factor) {
        d.onFactorEdited(factor);
        d.onApply();
    }
};

TEST_F(ShopDialogTest, TwoListsAndARecipeMakeTheTextThatSavesAndReopens) {
    const auto a = saveList("fl0001.fls", {{103, 1}, {101, 2}});
    const auto b = saveList("fl0002.fls", {{102, 1.5f}, {101, 1.5f}});
    recipes.choices = {{saveRecipe(), "Fruit Cup"}};

    ShopDialog d(tree.db, platform, recipes);
    ASSERT_TRUE(d.openNew());
    EXPECT_EQ((Texts{d.caption(), d.factorField(), d.shopText()}),
              (Texts{"SHOPPING  LIST  :  shop001.sls", "0.00", "   "}));

    addList(d, a);
    addList(d, b);
    apply(d, "2");
    d.onAddRecipe();
    apply(d, "1.5");
    EXPECT_EQ(platform.fileRequests.at(0).startFolder, tree.paths().foodListDir());
    EXPECT_EQ(d.entryRows(), (Texts{"FL0001.FLS\t   1.00", "FL0002.FLS\t   2.00", "Fruit Cup\t   1.50, serves 6"}));
    EXPECT_EQ(d.factorField(), " 1.50");

    // Categories in order, names without case; equal names come out as the
    // exchange sort leaves them (the later list first).
    const Texts expected =
        fieldLines("Dairy\n  Milk\n    1 cup  times   3.00\n  Milk\n    1 cup  times   2.00\n  \n"
                   "Fruits\n  apple\n    1 medium  times   3.00\n  Banana\n    1 large  times   3.00\n"
                   "  Banana\n    1 large  times   1.00\n  \nVegetables\n  Carrots\n"
                   "    1 cup  times   0.75");
    ASSERT_EQ(expected.size(), 17u);
    EXPECT_EQ(d.list().textLines, expected);

    d.onExtraTextEdited("bread\r\n  and butter");
    ASSERT_TRUE(d.onSave());
    ShopDialog again(tree.db, platform, recipes);
    ASSERT_TRUE(again.open(tree.paths().shopDir() / "shop001.sls"));
    EXPECT_EQ(again.entryRows(), d.entryRows());
    EXPECT_EQ(again.list().textLines, expected);
    EXPECT_EQ(again.list().extraLines, (Texts{"bread", "  and butter"}));
    EXPECT_EQ(again.factorField(), " 1.00"); // the first entry is current

    test::KeepingPrinter printer;
    ASSERT_TRUE(again.onPrint(printer));
    ASSERT_EQ(printer.texts.size(), 2 + expected.size() + 2);
    EXPECT_EQ(printer.texts.back(), "and butter"); // indented by position
}

TEST_F(ShopDialogTest, FileLayoutAndAnUnreadableEntryKeptEmpty) {
    ShopList list(&tree.db);
    ASSERT_TRUE(list.addFoodList("/nowhere/a.fls", platform));
    EXPECT_EQ(platform.messageTexts(), Texts{"... ERROR ... FOOD LIST file not found ..."});
    list.setCurrentFactor(1.5f);
    list.rebuildText();
    EXPECT_TRUE(list.textLines.empty());
    list.textLines = {"x"};
    const std::vector<std::uint8_t> expected = {0xAF, 0x0D, 0xDD, 0x0D, 0x01, 0x00, // marks, 1 entry
                                                0x05, 'A',  '.',  'F',  'L',  'S',  // label
                                                0x0E, '/',  'n',  'o',  'w',  'h',  'e', 'r',
                                                'e',  '/',  'a',  '.',  'f',  'l',  's', // path
                                                0x00, 0x00, 0x00, 0x00, 0xC0, 0x3F,      // kind, 1.5
                                                0x01, 0x00, 0x01, 'x',  0x00, 0x00};     // the texts
    EXPECT_EQ(list.toBytes(), expected);

    // Wrong marks, any cut and an impossible factor are refused whole.
    ShopList other;
    other.extraLines = {"kept"};
    for (std::size_t n = 0; n < expected.size(); ++n)
        EXPECT_FALSE(other.readBytes({expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(n)})) << n;
    std::vector<std::uint8_t> bad = expected;
    bad[2] = 0xDE;
    EXPECT_FALSE(other.readBytes(bad));
    bad = expected;
    bad[32] = 0x7F; // the factor becomes NaN
    EXPECT_FALSE(other.readBytes(bad));
    EXPECT_EQ(other.extraLines, Texts{"kept"});
    ASSERT_TRUE(other.readBytes(expected));
    EXPECT_EQ(other.toBytes(), expected);

    ShopDialog d(tree.db, platform, recipes);
    EXPECT_FALSE(d.open(saveList("fl0001.fls", {{101, 1}})));
    EXPECT_EQ(platform.messageTexts().back(), "... file not in SHOPPING LIST format ..");

    // A path stored where another data tree lived, with the other separator,
    // is found by its name in the list folder.
    ShopList found(&tree.db);
    ASSERT_TRUE(found.addFoodList("C:\\old\\kvflist\\fl0001.fls", platform));
    EXPECT_EQ(found.entries()[0].contents.itemCount(), 1u);
    EXPECT_EQ(found.entries()[0].label, "FL0001.FLS");

    // A count the file's words cannot hold is refused, not wrapped.
    found.path = (tree.paths().root / "big.sls").string();
    found.extraLines.assign(ShopList::kMaxCount + 1, "");
    EXPECT_FALSE(found.write(platform));
    EXPECT_EQ(platform.messageTexts().back(), "... cannot write shopping list ...");
}

TEST_F(ShopDialogTest, FactorBoundsByScrollBarAndApply) {
    ShopDialog d(tree.db, platform, recipes);
    ASSERT_TRUE(d.openNew());
    apply(d, "5");
    d.onFactorLeft();
    EXPECT_TRUE(platform.messages.empty()); // no entry: nothing happens
    addList(d, saveList("fl0001.fls", {{101, 1}}));

    for (const char* refused : {"-0.5", "100.5", "nonsense"}) apply(d, refused);
    EXPECT_EQ(d.factorField(), " 1.00");
    EXPECT_EQ(platform.messageTexts(), (Texts{" factor must be positive ...", " factor is too high ..."}));
    apply(d, "100");
    EXPECT_EQ(d.entryRows(), Texts{"FL0001.FLS\t   100.00"});
    // The arrows step inside 0.1..50; above it the arrow never lowers the factor.
    for (auto [from, right, to] : {std::tuple{"80", true, "80.00"},
                                   {"0.15", false, " 0.10"},
                                   {"0.1", false, " 0.10"},
                                   {"49.95", true, "50.00"}}) {
        apply(d, from);
        right ? d.onFactorRight() : d.onFactorLeft();
        EXPECT_EQ(d.factorField(), to) << from;
    }
    apply(d, "49.95");
    d.onFactorRight();
    EXPECT_EQ(d.list().textLines.back(), "    1 cup  times  49.95"); // not rebuilt until APPLY
}

TEST_F(ShopDialogTest, DeletingKeepsTheOrderAndMovesTheCurrentEntry) {
    ShopDialog d(tree.db, platform, recipes);
    ASSERT_TRUE(d.openNew());
    d.onDelete();
    addList(d, saveList("fl0001.fls", {{101, 1}}));
    addList(d, saveList("fl0002.fls", {{102, 1}}));
    addList(d, saveList("fl0003.fls", {{104, 1}}));
    d.onSelectRow(1);
    d.onDelete();
    EXPECT_EQ(d.selectedRow(), 1);
    EXPECT_EQ(d.list().textLines, (Texts{"Dairy", "  Milk", "    1 cup  times   1.00", "  ", "Vegetables", "  Carrots",
                                         "    1 cup  times   1.00"}));
    d.onDelete();
    EXPECT_EQ(d.selectedRow(), 0);
    d.onDelete();
    EXPECT_EQ(d.entryRows(), Texts{"None"});
    EXPECT_EQ(d.shopText(), "   ");
    EXPECT_EQ(platform.messageTexts(), Texts{" nothing in Shopping List, can't delete ..."});
}

TEST_F(ShopDialogTest, Refusals) {
    ShopDialog d(tree.db, platform, recipes);
    ASSERT_TRUE(d.openNew());
    EXPECT_FALSE(d.onSave());
    test::KeepingPrinter printer;
    EXPECT_FALSE(d.onPrint(printer));
    addList(d, saveList("fl0001.fls", {{101, 1}}));
    d.onShopTextEdited("  \r\n ");
    EXPECT_FALSE(d.onSave());
    EXPECT_FALSE(d.onSaveAs()); // the text is checked before the file is asked for
    EXPECT_EQ(printer.dialogs, 0);
    EXPECT_FALSE(std::filesystem::exists(tree.paths().shopDir() / "shop001.sls"));

    test::DataTree noRecipes{{test::food(101, 5, "Milk", 100, {50})}};
    ShopDialog e(noRecipes.db, platform, recipes);
    recipes.choices = {{"unused.rcp", ""}};
    e.onAddRecipe();
    EXPECT_EQ(platform.messageTexts(),
              (Texts{"... ERROR ... no changes, can' save ...", "... no items in SHOPPING  LIST, can't print ...",
                     "... no text in SHOPPLING LIST, cannot save ...", "... no text in SHOPPLING LIST, cannot save ...",
                     "... no recipes in data base, can't add .."}));
}

// Save As adopts its file; a new list's name steps over every file, and its
// first save never replaces a file that took the name meanwhile.  A picked
// FoodList raises the FoodList numbering.
TEST_F(ShopDialogTest, NewNamesAndSavesNeverTakeAnotherListsFile) {
    ShopDialog d(tree.db, platform, recipes);
    ASSERT_TRUE(d.openNew());
    addList(d, saveList("fl0020.fls", {{101, 1}}));
    EXPECT_EQ(tree.db.numbering().nextFoodListName().name, "fl0021.fls");
    ASSERT_TRUE(d.onSave());
    d.onExtraTextEdited("eggs");
    platform.answerFile(std::filesystem::path("shop002.sls"));
    ASSERT_TRUE(d.onSaveAs());
    EXPECT_EQ(platform.fileRequests.back().filter, "All Files (*.*)|*.*|ShoppingList Files(*.SLS)|*.SLS||");
    d.onExtraTextEdited("eggs\r\nflour");
    ASSERT_TRUE(d.onSave());
    const auto saved = readWholeFile(tree.paths().shopDir() / "shop002.sls");
    ShopList list;
    ASSERT_TRUE(list.readBytes(*saved));
    EXPECT_EQ(list.extraLines, (Texts{"eggs", "flour"}));

    ShopDialog next(tree.db, platform, recipes);
    ASSERT_TRUE(next.openNew());
    EXPECT_EQ(next.caption(), "SHOPPING  LIST  :  shop003.sls");
    test::writeBytes(tree.paths().shopDir() / "shop003.sls", *saved);
    addList(next, saveList("fl0002.fls", {{102, 1}}));
    ASSERT_TRUE(next.onSave());
    EXPECT_EQ(next.caption(), "SHOPPING  LIST  :  shop004.sls");
    EXPECT_EQ(readWholeFile(tree.paths().shopDir() / "shop003.sls"), saved);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ShopDialogTest, ClosingAndRebuildingAskBeforeDroppingWork) {
    ShopDialog d(tree.db, platform, recipes);
    ASSERT_TRUE(d.openNew());
    EXPECT_TRUE(d.canClose());
    addList(d, saveList("fl0001.fls", {{101, 1}}));
    const std::string typed = d.shopText() + "\r\n  and salt";
    d.onShopTextEdited(typed);

    // A rebuild would replace the typed text: No keeps entries and text.
    platform.answer(MsgAnswer::no, shopmsg::kReplaceTyped);
    d.onDelete();
    platform.answer(MsgAnswer::no, shopmsg::kReplaceTyped);
    apply(d, "2");
    platform.answer(MsgAnswer::no, shopmsg::kReplaceTyped);
    d.onAddFoodList();
    EXPECT_EQ(d.entryRows(), Texts{"FL0001.FLS\t   1.00"});
    EXPECT_EQ(d.shopText(), typed);

    for (auto [answer, closes] : {std::pair{MsgAnswer::cancel, false}, {MsgAnswer::no, true}, {MsgAnswer::yes, true}}) {
        platform.answer(answer, "Save changes to shop001.sls ?");
        EXPECT_EQ(d.canClose(), closes);
    }
    const std::filesystem::path file = tree.paths().shopDir() / "shop001.sls";
    ShopList saved;
    ASSERT_TRUE(saved.readBytes(*readWholeFile(file)));
    EXPECT_EQ(saved.textLines.back(), "  and salt");

    // A save that cannot be written says so and keeps the list and its mark.
    d.onExtraTextEdited("eggs");
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    platform.answer(MsgAnswer::yes, "Save changes to shop001.sls ?");
    EXPECT_FALSE(d.canClose());
    EXPECT_EQ(platform.messageTexts().back(), "... cannot write shopping list ...");
    EXPECT_TRUE(d.changed() && d.extraText() == "eggs");

    platform.answer(MsgAnswer::yes, shopmsg::kReplaceTyped);
    d.onShopTextEdited(typed + "!");
    d.onDelete();
    EXPECT_EQ(d.entryRows(), Texts{"None"});
}

} // namespace
} // namespace korva
