#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "archive/atomic_file.h"
#include "core/ascii_text.h"
#include "core/food_index.h"
#include "search/find_food_dialog.h"
#include "search/short_words.h"
#include "search/word_match.h"
#include "tests/support/data_tree.h"

namespace korva {
namespace {

using Names = std::vector<std::string>;

// What people type, against the shipped foods: one of the first `within`
// names holds every piece of `wanted`; no `wanted` means nothing is found.
struct Typed {
    const char* text;
    std::vector<const char*> wanted;
    std::size_t within = 1;
};

// clang-format off
const Typed kTyped[] = {
    {"kidney beans", {"beans, kidney"}}, {"beans kidney", {"beans, kidney"}}, {"kid bea", {"beans, kidney"}},
    {"KIDNEY-BEANS!", {"beans, kidney"}}, {"broccoli cooked", {"broccoli", "boiled"}},
    {"broccoli, ckd", {"broccoli", "boiled"}}, {"milk, reduced fat", {"milk", "red fat"}},
    {"bananas, raw", {"bananas, raw"}}, {"banana raw", {"bananas, raw"}}, {"frozen peas", {"peas", "frozen"}},
    {"peas frz", {"peas", "frozen"}}, {"cherry", {"cherries"}}, {"carrots ckd", {"carrots", "boiled"}},
    {"cooked carrot", {"carrots", "boiled"}}, {"lentils cooked", {"lentils", "boiled"}},
    {"roasted peanuts", {"peanuts", "roasted"}}, {"rstd peanuts", {"peanuts", "roasted"}},
    {"turkey roasted", {"turkey, roasted"}}, {"apples raw", {"apples, raw"}}, {"spinach raw", {"spinach, raw"}},
    {"cherries", {"cherries"}}, {"potatoes mashed", {"potato", "mashed"}}, {"eggs scrambled", {"egg", "scrambled"}},
    {"coffee brewed", {"coffee, brewed"}}, {"tuna canned", {"tuna", "cnd"}}, {"corn canned", {"corn", "cnd"}},
    {"w/o salt butter", {"butter", "without salt"}}, {"butter without salt", {"butter", "without salt"}},
    {"bread whole wheat", {"bread", "whole"}}, {"whl wheat bread", {"bread", "whole-wheat"}},
    {"chicken noodle soup", {"chicken noodle soup"}}, {"muffin blueberry", {"muffins, blueberry"}},
    {"cheerios", {"cheerios"}}, {"beer", {"beer"}}, {"honey", {"honey"}}, {"almonds", {"almonds"}},
    {"chicken breast roasted", {"chicken breast", "roasted"}}, {"cheddar cheese", {"cheese, cheddar"}, 3},
    {"strawberries", {"strawberries, raw"}}, {"blueberries", {"blueberries, raw"}}, {"orange juice", {"orange juice"}},
    {"peanut butter", {"peanut butter"}}, {"lettuce iceberg", {"lettuce, iceberg"}}, {"pork chops", {"pork", "chops"}},
    {"oj", {}}, {"xyzzy", {}},
};
// clang-format on

std::string lowerName(const FoodIndex& index, std::size_t position) {
    return lowerAscii(index.entries()[position].name);
}

TEST(FinderOnShippedFoods, TypedTextsFindTheirFoodsAndTheShortWordsAreTheNamesOwn) {
    FoodIndex index;
    auto bytes = readWholeFile(std::filesystem::path(KORVA_SOURCE_DIR) / "data/kvdata/index.ser");
    ASSERT_TRUE(bytes && index.loadFromBytes(*bytes));
    const FoodWordIndex words(index.entries());
    EXPECT_LT(words.memoryBytes(), 2u << 20);
    const RecentFoods recent;
    for (const Typed& t : kTyped) {
        const WordMatches found = words.find(t.text, recent);
        if (t.wanted.empty()) {
            EXPECT_TRUE(found.positions.empty()) << t.text;
            continue;
        }
        ASSERT_FALSE(found.positions.empty()) << t.text;
        EXPECT_FALSE(found.partial) << t.text;
        bool seen = false;
        for (std::size_t k = 0; k < t.within && k < found.positions.size(); ++k) {
            const std::string name = lowerName(index, found.positions[k]);
            seen = seen || std::all_of(t.wanted.begin(), t.wanted.end(),
                                       [&](const char* w) { return name.find(w) != std::string::npos; });
        }
        EXPECT_TRUE(seen) << t.text << " first found " << lowerName(index, found.positions[0]);
    }
    // A short form the names never use would find nothing.
    std::set<std::string> nameWords;
    for (const ShortFood& e : index.entries())
        for (std::string& w : foldedWords(e.name)) nameWords.insert(std::move(w));
    for (const ShortWord& s : shortWordTable()) EXPECT_TRUE(nameWords.count(std::string(s.shortForm))) << s.shortForm;
}

class FinderRanking : public ::testing::Test {
protected:
    Names found(const std::string& typed, std::optional<int> category = std::nullopt) {
        const FoodWordIndex words(tree.db.index().entries());
        last = words.find(typed, recent, category);
        Names out;
        for (std::size_t p : last.positions) out.push_back(tree.db.index().entries()[p].name);
        return out;
    }

    test::DataFood userFood() {
        test::DataFood f{5, "Beans, kidney, home"};
        f.id = 25001;
        return f;
    }
    test::DataTree tree{{{5, "Beans, kidney, canned"},
                         {5, "Beans, kidney, dried"},
                         {5, "Beans, kidney"},
                         {5, "Kidney beans, raw"},
                         {1, "Kidney, beef"},
                         {5, "Beans, kidney, zesty"},
                         userFood()}};
    RecentFoods recent;
    WordMatches last;
};

TEST_F(FinderRanking, StartOfNameThenFewerOtherWordsThenRecentThenIndexOrder) {
    recent.note(tree.entry(test::DataTree::idOf(5)).id); // zesty, used lately
    const Names expected{"Kidney beans, raw",    "Beans, kidney",         "Beans, kidney, home",
                         "Beans, kidney, zesty", "Beans, kidney, canned", "Beans, kidney, dried"};
    EXPECT_EQ(found("kidney beans"), expected);
    EXPECT_EQ(found("BEANS,KIDNEY"), (Names{"Beans, kidney", "Beans, kidney, home", "Beans, kidney, zesty",
                                            "Beans, kidney, canned", "Beans, kidney, dried", "Kidney beans, raw"}));
    EXPECT_FALSE(last.partial);
    // Nothing has every word: the most words found, and it says so.
    EXPECT_EQ(found("kidney beef stew"), Names{"Kidney, beef"});
    EXPECT_TRUE(last.partial);
    EXPECT_EQ(last.wordsMatched, 2u);
    EXPECT_EQ(found("kidney", 1), Names{"Kidney, beef"});
    EXPECT_TRUE(found(" ,;").empty());
}

// The dialog over it: every key ranks afresh, Up and Down stop at the ends,
// Enter takes the selected food, Escape and an empty list take nothing.
TEST_F(FinderRanking, DialogSelectsStepsAndChooses) {
    FindFoodDialog dialog(tree.db, recent);
    dialog.onTextEdited("beans kid ca");
    ASSERT_EQ(dialog.rows().size(), 1u);
    EXPECT_EQ(dialog.rows()[0].serving, "1 cup, 100 g");
    dialog.onTextEdited("kidney beans zz");
    EXPECT_NE(dialog.note(), "");
    dialog.onTextEdited("kidney");
    EXPECT_EQ(dialog.note(), "");
    dialog.onStep(false);
    dialog.onStep(true);
    dialog.onStep(true);
    dialog.onCategoryChosen(2); // category 1
    EXPECT_EQ(dialog.selectedRow(), 0);
    dialog.onStep(true);
    dialog.onEnter();
    ASSERT_TRUE(dialog.finished() && dialog.chosenEntry());
    EXPECT_EQ(tree.db.index().entries()[*dialog.chosenEntry()].name, "Kidney, beef");

    // A food added in this run is found by the next finder.
    ASSERT_EQ(tree.db.addFood(test::newFood(25002, 5, "Kidney stew, mine"), {}), FoodDataBase::AddOutcome::added);
    FindFoodDialog empty(tree.db, recent);
    empty.onTextEdited("stew kid");
    ASSERT_EQ(empty.rows().size(), 1u);
    EXPECT_EQ(empty.rows()[0].name, "Kidney stew, mine");
    empty.onTextEdited("oj");
    EXPECT_EQ(empty.note(), FindFoodDialog::kNothingFound);
    empty.onEnter();
    EXPECT_FALSE(empty.finished());
    empty.onEscape();
    EXPECT_TRUE(empty.finished() && !empty.chosenEntry());
}

} // namespace
} // namespace korva
