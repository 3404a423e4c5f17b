#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "search/category_food_picker.h"
#include "search/mat_dialog.h"
#include "search/picker_dialogs.h"

namespace korva::test {

// Plays the user's part in each picker that opens, from a queue of moves.
// A picker nobody expected, or one the moves leave open, fails the test.
class ScriptedPickers : public PickerDialogs {
public:
    std::deque<std::function<void(MatDialog&)>> matMoves;
    std::deque<std::function<void(CategoryFoodPicker&)>> categoryMoves;
    std::vector<std::vector<std::string>> matRowsSeen;
    int categoryPickersOpened = 0;

    void run(MatDialog& dialog) override {
        matRowsSeen.push_back(dialog.rows());
        if (matMoves.empty()) throw std::logic_error("unexpected MATCHING  FOODS dialog");
        auto move = std::move(matMoves.front());
        matMoves.pop_front();
        move(dialog);
        if (!dialog.finished()) throw std::logic_error("MATCHING  FOODS left open");
    }

    void run(CategoryFoodPicker& picker) override {
        ++categoryPickersOpened;
        if (categoryMoves.empty()) throw std::logic_error("unexpected CATEGORIES and FOODS picker");
        auto move = std::move(categoryMoves.front());
        categoryMoves.pop_front();
        move(picker);
        if (!picker.finished()) throw std::logic_error("CATEGORIES and FOODS left open");
    }
};

} // namespace korva::test
