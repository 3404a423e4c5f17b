#include "app/cset_dialog.h"

namespace korva {

CSetDialog::CSetDialog(std::vector<std::string> categoryNames, int currentCategory)
    : rows_(std::move(categoryNames)), chosen_(validRow(currentCategory) ? currentCategory : 0) {}

void CSetDialog::onRowSelected(int row) {
    if (validRow(row)) chosen_ = row;
}

void CSetDialog::onOk() {
    finished_ = true;
    ok_ = true;
}

void CSetDialog::onCancel() {
    finished_ = true;
    ok_ = false;
}

} // namespace korva
