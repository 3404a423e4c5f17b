#pragma once

#include <array>
#include <string>
#include <vector>

#include "search/search_request.h"

namespace korva {

// The choosers' buttons; only the category chooser has "C&lear".
inline constexpr const char* kChooserOk = "&OK";
inline constexpr const char* kChooserClear = "C&lear";
inline constexpr const char* kChooserCancel = "&Cancel";

// "Select  a  Nutrient": the 39 nutrients, the chosen ones selected; every
// click toggles one nutrient of the working copy.
class NtrDialog {
public:
    static constexpr const char* kCaption = "Select  a  Nutrient";

    explicit NtrDialog(NutrientSet set);

    const std::vector<std::string>& rows() const { return rows_; }
    bool isSelected(int row) const { return set_.test(static_cast<std::size_t>(row)); }
    const NutrientSet& set() const { return set_; }

    // A click on a row that left it selected (or not).
    void onRowClicked(int row, bool selectedNow);
    void onOk();
    void onCancel();

    bool finished() const { return finished_; }
    bool ok() const { return ok_; }
    // The last toggled row plus one; 0 when nothing was toggled.
    int result() const { return lastToggled_ + 1; }

private:
    std::vector<std::string> rows_;
    NutrientSet set_;
    int lastToggled_ = -1;
    bool finished_ = false;
    bool ok_ = false;
};

// "Select  a  Category": the 24 categories and two rows that choose all of
// them, or all but the recipes.
class CtlDialog {
public:
    static constexpr const char* kCaption = "Select  a  Category";
    static constexpr int kAllRow = kCategoryCount;               // "ALL  CATEGORIES"
    static constexpr int kAllButRecipesRow = kCategoryCount + 1; // "ALL  but  RECIPES"
    static constexpr int kRows = kCategoryCount + 2;

    explicit CtlDialog(CategorySet set);

    const std::vector<std::string>& rows() const { return rows_; }
    bool isSelected(int row) const { return selected_[static_cast<std::size_t>(row)]; }
    const CategorySet& set() const { return set_; }

    void onRowClicked(int row, bool selectedNow);
    void onClear();
    void onOk();
    void onCancel();

    bool finished() const { return finished_; }
    bool ok() const { return ok_; }

private:
    void selectAllCategories();

    std::vector<std::string> rows_;
    std::array<bool, kRows> selected_{};
    CategorySet set_;
    bool finished_ = false;
    bool ok_ = false;
};

} // namespace korva
