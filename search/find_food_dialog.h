#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "search/food_word_index.h"

namespace korva {

class FoodDataBase;

// The food finder over a FoodList or Recipe window: a search field whose
// every key ranks the whole index afresh, a category filter and the list of
// foods found, best first.  Enter chooses the selected food; the window then
// adds it.  The words are taken from the index as it is when the finder
// opens, foods added in this run included.
class FindFoodDialog {
public:
    static constexpr const char* kCaption = "Find Food";
    static constexpr const char* kTextLabel = "&Words of the food:";
    static constexpr const char* kCategoryLabel = "&Category:";
    static constexpr const char* kAllCategories = "All categories";
    static constexpr const char* kNothingFound = "No food has these words.";
    // Longer lists would only slow the typing down.
    static constexpr std::size_t kMaxRows = 200;

    struct Row {
        std::string name;
        std::string category;
        std::string serving; // "1 cup, 256 g"
    };

    FindFoodDialog(const FoodDataBase& db, const RecentFoods& recent);

    // "All categories", then the categories in their order.
    std::vector<std::string> categoryChoices() const;
    int categoryChoice() const { return categoryChoice_; }
    const std::vector<Row>& rows() const { return rows_; }
    // -1 when the list is empty.
    int selectedRow() const { return selected_; }
    // What the list is: nothing said when every food shown has every word.
    const std::string& note() const { return note_; }

    void onTextEdited(const std::string& text);
    void onCategoryChosen(int choice);
    void onRowSelected(int row);
    // Up and Down move the selection and stop at the ends.
    void onStep(bool down);
    // Enter: the selected food is chosen and the finder is done; nothing
    // happens while the list is empty.
    void onEnter();
    void onEscape() { finished_ = true; }

    bool finished() const { return finished_; }
    // The index position of the food chosen; none unless Enter chose one.
    std::optional<std::size_t> chosenEntry() const { return chosen_; }

private:
    void rank();

    const FoodDataBase& db_;
    const RecentFoods& recent_;
    FoodWordIndex words_;
    std::string typed_;
    int categoryChoice_ = 0;
    std::vector<std::size_t> positions_;
    std::vector<Row> rows_;
    int selected_ = -1;
    std::string note_;
    std::optional<std::size_t> chosen_;
    bool finished_ = false;
};

} // namespace korva
