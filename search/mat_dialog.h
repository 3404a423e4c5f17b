#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace korva {

class FoodDataBase;

// "MATCHING  FOODS": offers the foods a typed name matched, in the order
// found, and answers the one the user picks.
class MatDialog {
public:
    static constexpr const char* kCaption = "MATCHING  FOODS";
    static constexpr const char* kPrompt = "To add a food to your food list, select the food :";
    static constexpr const char* kOk = "&OK";
    static constexpr const char* kCancel = "Cancel";

    // `matches` are index positions; their names are taken from the data base.
    MatDialog(const FoodDataBase& db, std::vector<std::size_t> matches, std::string typedName);

    const std::vector<std::string>& rows() const { return rows_; }
    int matchCount() const { return static_cast<int>(matches_.size()); }
    const std::string& typedName() const { return typedName_; }
    int selectedRow() const { return selectedRow_; }

    void onRowSelected(int row);
    void onRowDoubleClicked(int row);
    void onOk();
    void onCancel();

    bool finished() const { return finished_; }
    bool ok() const { return ok_; }
    // The index position of the chosen food; none after Cancel or when the
    // chosen row holds no food.
    std::optional<std::size_t> chosenEntry() const;

private:
    bool validRow(int row) const { return row >= 0 && row < matchCount(); }

    std::vector<std::size_t> matches_;
    std::vector<std::string> rows_;
    std::string typedName_;
    int selectedRow_ = 0;
    bool ok_ = false;
    bool finished_ = false;
};

} // namespace korva
