#include "search/mat_dialog.h"

#include "core/food_data_base.h"

namespace korva {

MatDialog::MatDialog(const FoodDataBase& db, std::vector<std::size_t> matches, std::string typedName)
    : typedName_(std::move(typedName)) {
    const auto& entries = db.index().entries();
    // A position past the index (the index changed underneath) is dropped
    // rather than shown as a row that cannot be added.
    for (std::size_t pos : matches) {
        if (pos >= entries.size()) continue;
        matches_.push_back(pos);
        rows_.push_back(entries[pos].name);
    }
    selectedRow_ = matches_.empty() ? -1 : 0;
}

void MatDialog::onRowSelected(int row) {
    if (validRow(row)) selectedRow_ = row;
}

void MatDialog::onRowDoubleClicked(int row) {
    if (!validRow(row)) return;
    selectedRow_ = row;
    onOk();
}

void MatDialog::onOk() {
    ok_ = true;
    finished_ = true;
}

void MatDialog::onCancel() {
    ok_ = false;
    finished_ = true;
}

std::optional<std::size_t> MatDialog::chosenEntry() const {
    if (!ok_ || !validRow(selectedRow_)) return std::nullopt;
    return matches_[static_cast<std::size_t>(selectedRow_)];
}

} // namespace korva
