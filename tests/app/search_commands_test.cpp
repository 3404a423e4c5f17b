#include "app/search_commands.h"

#include <gtest/gtest.h>

#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "tests/search/scripted_choosers.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva::test {
namespace {

using enum SearchType;

struct FakeWindows : SearchWindows {
    ScriptedChoosers scripted;
    std::vector<SearchType> opened;
    std::function<void(SrchDlg&)> play = [](SrchDlg& d) { d.onClose(); };
    std::optional<int> sizeAnswer;
    std::vector<std::pair<std::size_t, std::uint16_t>> added;

    SearchChoosers& choosers() override { return scripted; }
    void run(SrchDlg& d) override {
        opened.push_back(d.type());
        play(d);
    }
    std::optional<int> askSearchSize(int) override { return sizeAnswer; }
    bool addToActiveView(std::size_t position, std::uint16_t unit) override {
        added.emplace_back(position, unit);
        return true;
    }
};

struct CommandWorld {
    DataTree tree{{{0, "milk", 250, {{0, 60}, {27, 50}}}}};
    ScriptedPlatform platform;
    ActiveDocument active;
    FakeWindows windows;
    SearchCommands commands{tree.db, platform, active};
};

TEST(SearchCommands, EntryRulesInOrder) {
    CommandWorld w;
    const std::string offer = std::string(searchmsg::kConsolidateFirst) + searchmsg::kConsolidateNow;
    w.tree.db.state().setFlag(kConsolidated, false);
    w.commands.onOptimize(w.windows);
    w.platform.answer(MsgAnswer::no, offer);
    w.commands.onSearch(MinOne, w.windows);
    EXPECT_TRUE(w.windows.opened.empty());
    w.platform.answer(MsgAnswer::yes, offer); // consolidates, then searches
    w.commands.onRepeat(w.windows);           // before any search Repeat is an optimization
    CFoodListDoc doc(w.tree.db, w.platform, w.active);
    doc.activate();
    w.commands.onOptimize(w.windows);
    EXPECT_EQ(w.platform.messageTexts(),
              (std::vector<std::string>{searchmsg::kNoListActive, offer, offer, searchmsg::kNoListForOptimize,
                                        searchmsg::kNoFoodsInList}));
    EXPECT_TRUE(w.tree.db.state().isSet(kConsolidated));
    EXPECT_TRUE(w.windows.opened.empty());

    w.commands.onSearch(MaxSeveral, w.windows);
    w.windows.play = [](SrchDlg& d) { d.onTypeChosen(MinOne), d.onClose(); };
    w.commands.onRepeat(w.windows);
    w.commands.onRepeat(w.windows); // the type opened, not the one chosen inside
    EXPECT_EQ(w.windows.opened, (std::vector<SearchType>{MaxSeveral, MaxSeveral, MaxSeveral}));

    // A cancelled size question keeps the size given before.
    w.windows.sizeAnswer = 55;
    w.commands.onSearchSize(w.windows);
    w.windows.sizeAnswer = std::nullopt;
    w.commands.onSearchSize(w.windows);
    EXPECT_EQ(w.commands.settings().size, 55);
}

TEST(SearchCommands, FoundFoodGoesToTheActiveViewInTheBasisUnit) {
    CommandWorld w;
    w.windows.play = [](SrchDlg& d) {
        d.onMaximize();
        d.onCategories();
        d.onBasisChosen(ComparisonBasis::Per100Grams);
        d.onSearch();
        d.onAdd();
    };
    w.windows.scripted.nutrientMoves = {pickNutrients({27}), pickNutrients({27})};
    w.windows.scripted.categoryMoves = {pickCategories({0}), pickCategories({0})};
    CFoodListDoc doc(w.tree.db, w.platform, w.active);
    doc.activate();
    w.commands.onSearch(MaxOne, w.windows);
    ASSERT_EQ(w.windows.added.size(), 1u);
    EXPECT_EQ(w.windows.added[0], (std::pair<std::size_t, std::uint16_t>{0, 0}));
    EXPECT_EQ(w.commands.settings().basis, ComparisonBasis::Per100Grams);

    // The document went away while the dialog was open.
    w.windows.play = [&w](SrchDlg& d) {
        d.onMaximize();
        d.onCategories();
        d.onSearch();
        w.active.clear();
        d.onAdd();
    };
    w.commands.onSearch(MaxOne, w.windows);
    EXPECT_EQ(w.platform.messageTexts(), (std::vector<std::string>{searchmsg::kNoListToAdd}));
    EXPECT_EQ(w.windows.added.size(), 1u);
}

} // namespace
} // namespace korva::test
