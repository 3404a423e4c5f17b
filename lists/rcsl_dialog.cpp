#include "lists/rcsl_dialog.h"

#include "core/food_data_base.h"
#include "lists/recipe_book.h"

namespace korva {

RcSlDialog::RcSlDialog(const FoodDataBase& db) : db_(db) {
    const FoodIndex& index = db.index();
    for (int k = 0; k < index.foodCount(kRecipeCategory); ++k)
        if (auto pos = index.positionInCategory(kRecipeCategory, k)) rows_.push_back(index.entries()[*pos].name);
    onRowSelected(0);
}

void RcSlDialog::onRowSelected(int row) {
    if (!validRow(row)) return;
    selected_ = row;
    selectedName_ = rows_[static_cast<std::size_t>(row)];
}

void RcSlDialog::onRowDoubleClicked(int row) {
    if (!validRow(row)) return;
    onRowSelected(row);
    onOk();
}

void RcSlDialog::onOk() {
    if (!validRow(selected_)) return onCancel();
    finished_ = true;
    accepted_ = true;
    result_ = kFirstChoice + selected_;
}

void RcSlDialog::onCancel() {
    finished_ = true;
    accepted_ = false;
    result_ = kCancelled;
}

std::optional<std::filesystem::path> RcSlDialog::chosenPath() const {
    if (!accepted_) return std::nullopt;
    const std::optional<std::uint16_t> id = db_.index().recipeIdAt(result_ - kFirstChoice);
    if (!id) return std::filesystem::path(RCPNList::kNoPath);
    return std::filesystem::path(db_.recipes().pathForId(*id));
}

std::optional<std::filesystem::path> chooseRecipe(FoodDataBase& db, RecipeChooser& chooser) {
    ensureRecipeCatalogue(db);
    RcSlDialog dialog(db);
    chooser.run(dialog);
    return dialog.chosenPath();
}

} // namespace korva
