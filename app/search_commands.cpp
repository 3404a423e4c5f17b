#include "app/search_commands.h"

#include "core/food_data_base.h"
#include "core/platform.h"
#include "lists/active_document.h"
#include "lists/food_list.h"

namespace korva {

SearchCommands::SearchCommands(FoodDataBase& db, Platform& platform, ActiveDocument& active)
    : db_(db), platform_(platform), active_(active) {}

void SearchCommands::onOptimize(SearchWindows& windows) {
    if (!active_.document()) {
        platform_.message(searchmsg::kNoListActive);
        return;
    }
    if (active_.list()->itemCount() == 0) {
        platform_.message(searchmsg::kNoFoodsInList);
        return;
    }
    onSearch(SearchType::Optimize, windows);
}

void SearchCommands::onRepeat(SearchWindows& windows) { onSearch(settings_.lastOpened, windows); }

void SearchCommands::onSearch(SearchType type, SearchWindows& windows) {
    if (!db_.state().isSet(kConsolidated) && !consolidateFirst()) return;
    if (type == SearchType::Optimize && !active_.list()) {
        platform_.message(searchmsg::kNoListForOptimize);
        return;
    }
    settings_.lastOpened = type;
    SrchDlg dialog(db_, platform_, windows.choosers(), settings_, type, active_.list());
    windows.run(dialog);
    const auto food = dialog.foodToAdd();
    if (!food) return;
    const auto unit = static_cast<std::uint16_t>(settings_.basis);
    if (!active_.list() || !windows.addToActiveView(*food, unit)) platform_.message(searchmsg::kNoListToAdd);
}

bool SearchCommands::consolidateFirst() {
    const std::string question = std::string(searchmsg::kConsolidateFirst) + searchmsg::kConsolidateNow;
    if (platform_.messageBox(question, kAppTitle, MsgButtons::yesNo) != MsgAnswer::yes) return false;
    bool done = false;
    {
        WaitCursor wait(platform_);
        done = db_.consolidate() && db_.state().isSet(kConsolidated);
    }
    if (!done) platform_.message(searchmsg::kConsolidateFailed);
    return done;
}

void SearchCommands::onSearchSize(SearchWindows& windows) {
    const auto size = windows.askSearchSize(settings_.size);
    if (size && *size >= kMinSearchSize && *size <= kMaxSearchSize) settings_.size = *size;
}

} // namespace korva
