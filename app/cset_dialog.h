#pragma once

#include <string>
#include <vector>

namespace korva {

// "Select  New  Category": one category chosen from the list, starting at
// the caller's; the food editor moves a food there.
class CSetDialog {
public:
    static constexpr const char* kCaption = "Select  New  Category";
    static constexpr const char* kOk = "&OK";
    static constexpr const char* kCancel = "&Cancel";

    CSetDialog(std::vector<std::string> categoryNames, int currentCategory);

    const std::vector<std::string>& rows() const { return rows_; }
    int chosen() const { return chosen_; }

    void onRowSelected(int row);
    void onOk();
    void onCancel();

    bool finished() const { return finished_; }
    // Whether the dialog ended with OK.
    bool ok() const { return ok_; }

private:
    bool validRow(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }

    std::vector<std::string> rows_;
    int chosen_ = 0;
    bool finished_ = false;
    bool ok_ = false;
};

} // namespace korva
