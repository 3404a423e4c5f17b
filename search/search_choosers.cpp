#include "search/search_choosers.h"

#include "core/nutrients.h"

namespace korva {

NtrDialog::NtrDialog(NutrientSet set) : set_(set) {
    for (int n = 0; n < kNutrientCount; ++n) rows_.emplace_back(nutrientName(n));
}

void NtrDialog::onRowClicked(int row, bool selectedNow) {
    if (row < 0 || row >= kNutrientCount) return;
    lastToggled_ = row;
    set_.set(static_cast<std::size_t>(row), selectedNow);
}

void NtrDialog::onOk() {
    ok_ = true;
    finished_ = true;
}

void NtrDialog::onCancel() {
    ok_ = false;
    finished_ = true;
}

CtlDialog::CtlDialog(CategorySet set) : set_(set) {
    for (int c = 0; c < kCategoryCount; ++c) rows_.emplace_back(categoryName(c));
    rows_.emplace_back("ALL  CATEGORIES");
    rows_.emplace_back("ALL  but  RECIPES");
    for (int c = 0; c < kCategoryCount; ++c)
        selected_[static_cast<std::size_t>(c)] = set_.test(static_cast<std::size_t>(c));
}

void CtlDialog::selectAllCategories() {
    for (int c = 0; c < kCategoryCount; ++c) selected_[static_cast<std::size_t>(c)] = true;
    set_.set();
}

void CtlDialog::onRowClicked(int row, bool selectedNow) {
    if (row < 0 || row >= kRows) return;
    selected_[static_cast<std::size_t>(row)] = selectedNow;
    if (row == kAllRow) {
        selectAllCategories();
        selected_[kAllButRecipesRow] = false;
    } else if (row == kAllButRecipesRow) {
        selectAllCategories();
        set_.reset(kRecipeCategory);
        selected_[kAllRow] = false;
        selected_[kRecipeCategory] = false;
    } else {
        set_.set(static_cast<std::size_t>(row), selectedNow);
    }
}

void CtlDialog::onClear() {
    selected_.fill(false);
    set_.reset();
}

void CtlDialog::onOk() {
    ok_ = true;
    finished_ = true;
}

void CtlDialog::onCancel() {
    ok_ = false;
    finished_ = true;
}

} // namespace korva
