#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "search/srch_dlg.h"

namespace korva {

class ActiveDocument;
class FoodDataBase;
class Platform;

// What the search commands ask of the window system.
class SearchWindows {
public:
    virtual ~SearchWindows() = default;
    virtual SearchChoosers& choosers() = 0;
    // Shows the dialog modally until it has finished.
    virtual void run(SrchDlg& dialog) = 0;
    // "Set Nutrient Search Size" opened on `current`; none when cancelled.
    virtual std::optional<int> askSearchSize(int current) = 0;
    // Adds the food at `position` to the active document's view in `unit`;
    // false when no list or recipe view is active.
    virtual bool addToActiveView(std::size_t position, std::uint16_t unit) = 0;
};

namespace searchmsg {
inline constexpr const char* kConsolidateFirst = " ... you must CONSOLIDATE Foods Data before using SEARCH...";
// Asked after the refusal above: Yes consolidates and goes on to the search.
inline constexpr const char* kConsolidateNow = "\n\nConsolidate the Foods Data now and search?";
inline constexpr const char* kConsolidateFailed = " ... the Foods Data could not be consolidated, search not done ...";
inline constexpr const char* kNoListForOptimize = " ... NO active Food List for optimization search";
inline constexpr const char* kNoListActive = "No Food List active - can't optimize ...";
inline constexpr const char* kNoFoodsInList = "... no foods in Food List, can't optimize foodlist ...";
inline constexpr const char* kNoListToAdd = "No Food List or Recipe active - can't add food ...";
inline constexpr const char* kSizeCaption = "Set Nutrient Search Size";
inline constexpr const char* kSizeText =
    "Search size may be as small as 10 or as large as 100. The default size is 20. If you set the size to be "
    "larger than 20, the search will execute more slowly.";
} // namespace searchmsg

// The Search menu and "Search Size": the entry rules in front of the search
// dialog, Repeat, and the addition of a found food to the active document.
class SearchCommands {
public:
    SearchCommands(FoodDataBase& db, Platform& platform, ActiveDocument& active);

    void onOptimize(SearchWindows& windows);
    void onSearch(SearchType type, SearchWindows& windows);
    void onRepeat(SearchWindows& windows);
    void onSearchSize(SearchWindows& windows);

    const SearchSettings& settings() const { return settings_; }

private:
    // The refusal of an unconsolidated data base, offering to consolidate
    // now; true once the data base is consolidated.
    bool consolidateFirst();

    FoodDataBase& db_;
    Platform& platform_;
    ActiveDocument& active_;
    SearchSettings settings_;
};

} // namespace korva
