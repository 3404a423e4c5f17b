#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace korva {

class FoodDataBase;
class Platform;

// The 24 category names in category order, built afresh for each picker.
std::vector<std::string> categoryNameList();

// "CATEGORIES and FOODS": browse the foods category by category and, when
// opened from a FoodList or Recipe, pick one to add.  Moving through the
// picker moves the data base's current category and entry, and they stay
// where the user left them.
class CategoryFoodPicker {
public:
    static constexpr const char* kCaption = "CATEGORIES and FOODS";
    static constexpr const char* kCategoryLabel = "SELECT a CATEGORY :";
    static constexpr const char* kFoodLabel = "SELECT a FOOD :";
    static constexpr const char* kAddButton = "&ADD as Food Item";
    static constexpr const char* kViewButton = "&VIEW";
    static constexpr const char* kHelpButton = "&HELP";
    static constexpr const char* kCloseButton = "&CLOSE";
    static constexpr int kHelpContext = 57344;
    static constexpr int kFoodListExtent = 330; // design units, before display scaling

    static constexpr const char* kEmptyCategory = "... no foods in Category selected ...";
    static constexpr const char* kUseAddButton = "... use Add From Categories button ";
    static constexpr const char* kNoFoodList = "... no current FoodList, can't add ...";

    // `documentActive` only chooses the message shown for ADD in browse-only
    // mode.
    CategoryFoodPicker(FoodDataBase& db, Platform& platform, std::vector<std::string> categoryNames, bool addAllowed,
                       bool documentActive);

    const std::vector<std::string>& categoryNames() const { return categoryNames_; }
    int currentCategory() const { return category_; }
    const std::vector<std::string>& foodNames() const { return foodNames_; }
    int foodCount() const { return static_cast<int>(foodNames_.size()); }
    // Row of the selected food, -1 when the category shows none.
    int selectedFood() const { return selected_; }
    const std::string& nameText() const { return nameText_; }
    bool addAllowed() const { return addAllowed_; }

    void onCategoryChosen(int category);
    void onFoodSelected(int row);
    void onFoodDoubleClicked(int row);
    void onAdd();
    // "&VIEW": the nutrients of the selected food, the picker staying open.
    // The viewer is given the category and the food's place in it.
    using FoodViewer = std::function<void(int category, int food)>;
    void setFoodViewer(FoodViewer viewer) { viewer_ = std::move(viewer); }
    bool viewAllowed() const { return static_cast<bool>(viewer_); }
    void onView();
    void onHelp();
    void onClose();

    bool finished() const { return finished_; }
    bool addRequested() const { return addRequested_; }
    // The food's row plus 2: 1 says no row was selected.
    int runResult() const { return selected_ + 2; }
    // The index position of the food to add; none unless ADD was chosen.
    std::optional<std::size_t> chosenEntry() const;

private:
    void showCategory();
    bool validRow(int row) const { return row >= 0 && row < foodCount(); }

    FoodDataBase& db_;
    Platform& platform_;
    std::vector<std::string> categoryNames_;
    std::vector<std::string> foodNames_;
    std::string nameText_;
    int category_ = 0;
    int selected_ = -1;
    bool addAllowed_;
    bool documentActive_;
    bool addRequested_ = false;
    bool finished_ = false;
    FoodViewer viewer_;
};

} // namespace korva
