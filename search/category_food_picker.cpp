#include "search/category_food_picker.h"

#include "core/food_data_base.h"
#include "core/nutrients.h"
#include "core/platform.h"

namespace korva {

std::vector<std::string> categoryNameList() {
    std::vector<std::string> names;
    for (int c = 0; c < kCategoryCount; ++c) names.emplace_back(categoryName(c));
    return names;
}

CategoryFoodPicker::CategoryFoodPicker(FoodDataBase& db, Platform& platform, std::vector<std::string> categoryNames,
                                       bool addAllowed, bool documentActive)
    : db_(db), platform_(platform), categoryNames_(std::move(categoryNames)), addAllowed_(addAllowed),
      documentActive_(documentActive) {
    category_ = db_.selection().currentCategory();
    if (category_ < 0 || category_ >= static_cast<int>(categoryNames_.size())) {
        category_ = 0;
        db_.selection().setCurrentCategory(0);
    }
    showCategory();
}

void CategoryFoodPicker::showCategory() {
    foodNames_ = db_.selection().categoryNames();
    selected_ = foodNames_.empty() ? -1 : 0;
    nameText_ = foodNames_.empty() ? std::string() : foodNames_.front();
}

void CategoryFoodPicker::onCategoryChosen(int category) {
    if (category < 0 || category >= static_cast<int>(categoryNames_.size()) || category == category_) return;
    if (db_.index().foodCount(category) == 0) {
        platform_.message(kEmptyCategory);
        return; // the face puts its list back on category_
    }
    category_ = category;
    db_.selection().setCurrentCategory(category);
    showCategory();
}

void CategoryFoodPicker::onFoodSelected(int row) {
    if (!validRow(row)) return;
    selected_ = row;
    db_.selection().setCurrentEntry(db_.selection().positionInCurrentCategory(row));
    nameText_ = foodNames_[static_cast<std::size_t>(row)];
}

void CategoryFoodPicker::onFoodDoubleClicked(int row) {
    if (!validRow(row)) return;
    selected_ = row;
    addRequested_ = addAllowed_;
    finished_ = true;
}

void CategoryFoodPicker::onAdd() {
    if (addAllowed_) {
        addRequested_ = true;
        finished_ = true;
        return;
    }
    platform_.messageBox(documentActive_ ? kUseAddButton : kNoFoodList, "ERROR MESSAGE", MsgButtons::ok);
}

void CategoryFoodPicker::onHelp() { platform_.openHelp(kHelpContext); }

void CategoryFoodPicker::onClose() {
    addRequested_ = false;
    finished_ = true;
}

std::optional<std::size_t> CategoryFoodPicker::chosenEntry() const {
    if (!addRequested_ || !validRow(selected_)) return std::nullopt;
    return db_.selection().positionInCurrentCategory(selected_);
}

} // namespace korva
