#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace korva {

class FoodDataBase;

// "Current  Recipes": the names of the data base's recipe foods in data base
// order, with line 0 selected at the start.  OK or a double click ends it
// with 2 + the selected line, Cancel with 1; the chosen recipe's file comes
// from the recipe catalogue.
class RcSlDialog {
public:
    static constexpr const char* kCaption = "Current  Recipes";
    static constexpr const char* kLabel = "Select  a  Recipe  :";
    static constexpr const char* kOk = "OK";
    static constexpr const char* kCancel = "Cancel";
    static constexpr int kCancelled = 1;
    static constexpr int kFirstChoice = 2;

    explicit RcSlDialog(const FoodDataBase& db);

    const std::vector<std::string>& rows() const { return rows_; }
    int selectedRow() const { return selected_; }
    // The read-only field under the label.
    const std::string& selectedName() const { return selectedName_; }

    void onRowSelected(int row);
    void onRowDoubleClicked(int row);
    void onOk();
    void onCancel();

    bool finished() const { return finished_; }
    bool accepted() const { return accepted_; }
    int result() const { return result_; }
    // The catalogue's file of the chosen recipe ("None" when the catalogue
    // does not know its food); nothing when cancelled.
    std::optional<std::filesystem::path> chosenPath() const;

private:
    bool validRow(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }

    const FoodDataBase& db_;
    std::vector<std::string> rows_;
    int selected_ = -1;
    std::string selectedName_;
    bool finished_ = false;
    bool accepted_ = false;
    int result_ = kCancelled;
};

// Runs the chooser modally until it has finished: a dialog in the Qt face,
// the test's own moves in tests.
class RecipeChooser {
public:
    virtual ~RecipeChooser() = default;
    virtual void run(RcSlDialog& dialog) = 0;
};

// Loads the recipe catalogue when needed, lets the user choose and answers
// the chosen recipe's file; nothing when the user cancelled.
std::optional<std::filesystem::path> chooseRecipe(FoodDataBase& db, RecipeChooser& chooser);

} // namespace korva
