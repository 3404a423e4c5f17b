#include "search/find_food_dialog.h"

#include <cstdio>

#include "core/food_data_base.h"
#include "core/nutrients.h"
#include "search/category_food_picker.h"

namespace korva {

namespace {

std::string gramsText(float grams) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(grams));
    std::string s = text;
    if (s.ends_with(".0")) s.resize(s.size() - 2);
    return s + " g";
}

} // namespace

FindFoodDialog::FindFoodDialog(const FoodDataBase& db, const RecentFoods& recent)
    : db_(db), recent_(recent), words_(db.index().entries()) {}

std::vector<std::string> FindFoodDialog::categoryChoices() const {
    std::vector<std::string> choices = categoryNameList();
    choices.insert(choices.begin(), kAllCategories);
    return choices;
}

void FindFoodDialog::onTextEdited(const std::string& text) {
    typed_ = text;
    rank();
}

void FindFoodDialog::onCategoryChosen(int choice) {
    if (choice < 0 || choice > kCategoryCount) return;
    categoryChoice_ = choice;
    rank();
}

void FindFoodDialog::rank() {
    const std::optional<int> category = categoryChoice_ == 0 ? std::nullopt : std::optional<int>(categoryChoice_ - 1);
    const WordMatches found = words_.find(typed_, recent_, category);
    positions_ = found.positions;
    if (positions_.size() > kMaxRows) positions_.resize(kMaxRows);
    rows_.clear();
    const auto& entries = db_.index().entries();
    for (std::size_t p : positions_) {
        const ShortFood& e = entries[p];
        rows_.push_back(
            {e.name, std::string(categoryName(e.category)), e.servingText + ", " + gramsText(e.gramsPerServing)});
    }
    selected_ = rows_.empty() ? -1 : 0;
    note_.clear();
    if (found.partial) {
        note_ = "No food has every word: these have " + std::to_string(found.wordsMatched) + " of " +
                std::to_string(found.wordsTyped) + ".";
    } else if (rows_.empty() && found.wordsTyped > 0) {
        note_ = kNothingFound;
    }
    if (found.positions.size() > kMaxRows)
        note_ += (note_.empty() ? "" : " ") + std::string("The first ") + std::to_string(kMaxRows) + " of " +
                 std::to_string(found.positions.size()) + " foods; more words narrow the list.";
}

void FindFoodDialog::onRowSelected(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) selected_ = row;
}

void FindFoodDialog::onStep(bool down) {
    if (rows_.empty()) return;
    selected_ = std::clamp(selected_ + (down ? 1 : -1), 0, static_cast<int>(rows_.size()) - 1);
}

void FindFoodDialog::onEnter() {
    if (selected_ < 0) return;
    chosen_ = positions_[static_cast<std::size_t>(selected_)];
    finished_ = true;
}

} // namespace korva
