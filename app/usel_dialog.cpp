#include "app/usel_dialog.h"

namespace korva {

USelDialog::USelDialog(std::vector<std::string> names, int currentIndex) : rows_(std::move(names)) {
    onRowSelected(validRow(currentIndex) ? currentIndex : 0);
}

void USelDialog::onRowSelected(int row) {
    if (!validRow(row))
        return;
    selected_ = row;
    selectedName_ = rows_[static_cast<std::size_t>(row)];
}

void USelDialog::onRowDoubleClicked(int row) {
    if (!validRow(row))
        return;
    onRowSelected(row);
    onOk();
}

void USelDialog::onOk() {
    finished_ = true;
    result_ = validRow(selected_) ? std::optional<int>(selected_) : std::nullopt;
}

void USelDialog::onCancel() {
    finished_ = true;
    result_.reset();
}

} // namespace korva
