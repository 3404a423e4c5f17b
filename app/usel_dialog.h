#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korva {

// "SELECT  USER": every user by name with the current one selected; the
// chosen position comes back, or nothing when the dialog is cancelled.
class USelDialog {
public:
    static constexpr const char* kCaption = "SELECT  USER";
    static constexpr const char* kOk = "&OK";
    static constexpr const char* kCancel = "&Cancel";

    USelDialog(std::vector<std::string> names, int currentIndex);

    const std::vector<std::string>& rows() const { return rows_; }
    // The selected row, or -1 when the list is empty.
    int selectedRow() const { return selected_; }
    // The read-only field above the list.
    const std::string& selectedName() const { return selectedName_; }

    void onRowSelected(int row);
    void onRowDoubleClicked(int row);
    void onOk();
    void onCancel();

    bool finished() const { return finished_; }
    std::optional<int> result() const { return result_; }

private:
    bool validRow(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }

    std::vector<std::string> rows_;
    int selected_ = -1;
    std::string selectedName_;
    bool finished_ = false;
    std::optional<int> result_;
};

} // namespace korva
