#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/data_paths.h"

namespace korva {

// A name for a new data file, or the reason there is none.  Names come from
// fixed templates; a number that no longer fits its template is refused
// rather than wrapped onto a name that may already hold the user's work.
struct NewFileName {
    std::string name;
    std::string refusal;

    explicit operator bool() const { return !name.empty(); }
};

// The number in a file name: every decimal digit before the first dot,
// joined in order ("fl12a3.fls" is 123); -1 when there is none.  Absurdly
// long digit runs saturate instead of overflowing.
int fileNumberOf(std::string_view fileName);

// Matches a file name against a wildcard pattern such as "*.rda" ('*' and '?'),
// without regard to the case of ASCII letters, as the desktop's listings do.
bool matchesPattern(std::string_view fileName, std::string_view pattern);

// The highest number among the files of `folder` matching `pattern` whose
// base names begin with `prefix` (case ignored): 0 when nothing matches the
// pattern, -1 when files match but none begins with the prefix.
int highestFileNumber(const std::filesystem::path& folder, std::string_view prefix, std::string_view pattern);

// The number of a name the FoodList numbering hands out: "fl" and nothing
// but digits before the first dot, 1..999 ("fl0012.fls" is 12).  Any other
// name gives -1, so "xmas2025.fls" or "fl2024-05.fls" never push the
// numbering past its template.
int foodListNumberOf(std::string_view fileName);

// Template names for a number; refused when it does not fit.
NewFileName foodListFileName(int number);     // "fl0000.fls", 1..999
NewFileName shoppingListFileName(int number); // "shop000.sls", 0..999
NewFileName recipeFileName(int number);       // "rcp000.rcp", 0..99
std::string recipeTitle(int number);          // "Recipe 001"
NewFileName userFileName(int number);         // "user00.rda", 1..99

// The per-run numbering of FoodList and shopping-list files.  Each counter is
// found by a scan of its folder on first use, then counts up; a FoodList
// name whose file has appeared since the scan is stepped over.
class FileNumbering {
public:
    explicit FileNumbering(const DataPaths& paths) : paths_(&paths) {}

    NewFileName nextFoodListName();
    // Creates the shopping-list folder when it is missing.
    NewFileName nextShoppingListName();
    // A FoodList picked or saved elsewhere raises the counter to its number
    // so that no new name repeats it; only numbered names count.
    void noteFoodListName(std::string_view fileName);

    std::optional<int> lastFoodListNumber() const { return lastFoodList_; }
    std::optional<int> lastShoppingListNumber() const { return lastShop_; }

private:
    const DataPaths* paths_;
    std::optional<int> lastFoodList_;
    bool scannedFoodLists_ = false;
    std::optional<int> lastShop_;
};

} // namespace korva
