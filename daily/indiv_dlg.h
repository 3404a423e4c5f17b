#pragma once

#include <array>
#include <string>
#include <vector>

#include "daily/view_foods.h"

namespace korva {

class FoodList;
class Platform;

// "INDIVIDUAL  NUTRIENT": one nutrient for every item of a food list or
// recipe, with the list's total and its share of the user's target.
class IndivDlg {
public:
    static constexpr const char* kCaption = "INDIVIDUAL  NUTRIENT";
    static constexpr const char* kPickLabel = "Pick  a  NUTRIENT  :";
    static constexpr const char* kNameLabel = "Food  List  Values  for  :";
    static constexpr const char* kTotalLabel = "TOTAL for all FOOD ITEMS  :";
    static constexpr const char* kItemsLabel = "FOOD  ITEM  Nutrient  Values";
    static constexpr const char* kHelpButton = "&HELP";
    static constexpr const char* kCloseButton = "&Close";
    static constexpr const char* kNoData = "no data";
    static constexpr int kHelpContext = 56320;
    // In dialog units, converted by the face.
    static constexpr std::array<int, 3> kTabStops = {36, 50, 80};

    IndivDlg(const FoodList& list, ViewUser user, Platform& platform);

    static std::vector<std::string> nutrientLabels();
    int nutrient() const { return nutrient_; }
    const std::string& nameText() const { return nameText_; }
    const std::string& totalText() const { return totalText_; }
    const std::string& percentText() const { return percentText_; }
    // "*" when only some items report the nutrient, with the note saying how
    // many ("* 4 of 12 foods report Selenium"); both empty otherwise.
    const std::string& markText() const { return markText_; }
    const std::string& noteText() const { return noteText_; }
    // One row per item: name, tab, amount with its unit (or "no data" for an
    // item that does not report the nutrient), tab, servings.
    const std::vector<std::string>& rows() const { return rows_; }

    void onNutrientChosen(int nutrient);
    void onHelp();

private:
    void refresh();

    const FoodList& list_;
    ViewUser user_;
    Platform& platform_;
    int nutrient_ = 0;
    std::string nameText_;
    std::string totalText_;
    std::string percentText_;
    std::string markText_;
    std::string noteText_;
    std::vector<std::string> rows_;
};

} // namespace korva
