#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lists/list_form.h"

namespace korva {

// The form of a food list window: the shared list form with a second unit
// selector, the entry unit, and the list's totals in the totals box.
class CFLView : public CListForm {
public:
    static constexpr FormTexts kTexts = {"Food &Item : ",
                                         "Food Item A&mount : ",
                                         "Set &Display Units :",
                                         "De&lete",
                                         "&Clear",
                                         "&SAVE",
                                         "NUTRIENT  TOTALS",
                                         "FOOD NAME :\t1 SVG. \tTOTAL  AMOUNT",
                                         "... no FOOD ITEMS, can't set display...",
                                         "All FOODLIST data will be lost; are you sure?...",
                                         nullptr,
                                         51200,
                                         std::string::npos};
    static constexpr const char* kEntryUnitsLabel = "Set Entry Units :";
    static constexpr std::uint16_t kNoUnit = 4;

    CFLView(CFListDoc& doc, FoodPicker& picker);

    std::uint16_t entryUnit() const { return entryUnit_; }
    // The entry unit is chosen only while the lines show entry units.
    bool entryUnitEnabled() const { return entryUnitEnabled_; }
    std::vector<std::string> displayChoices() const override;
    int displayChoice() const override;
    static std::vector<std::string> entryUnitLabels();

    // The choice is the unit.
    void onDisplayChosen(int unit) override;
    void onEntryUnitChosen(int unit);
    void onSave() override;

private:
    void startUnits() override;
    std::uint16_t amountUnit() const override { return entryUnit_; }
    void unitNamed(std::uint16_t unit) override;
    void takeSearchUnit(std::uint16_t unit) override;
    TotalsBox computeTotals() const override;
    void afterSelection() override;

    std::uint16_t entryUnit_ = kNoUnit;
    bool entryUnitEnabled_ = true;
};

} // namespace korva
