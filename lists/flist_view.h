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
    static constexpr const char* kFoodNameLabel = "Food &Item : ";
    static constexpr const char* kAmountLabel = "Food Item A&mount : ";
    static constexpr const char* kDisplayUnitsLabel = "Set &Display Units :";
    static constexpr const char* kEntryUnitsLabel = "Set Entry Units :";
    static constexpr const char* kDeleteButton = "De&lete";
    static constexpr const char* kClearButton = "&Clear";
    static constexpr const char* kSaveButton = "&SAVE";
    static constexpr const char* kTotalsGroup = "NUTRIENT  TOTALS";
    static constexpr const char* kHeader = "FOOD NAME :\t1 SVG. \tTOTAL  AMOUNT";
    static constexpr const char* kNoItemsForDisplay = "... no FOOD ITEMS, can't set display...";
    static constexpr const char* kClearQuestion = "All FOODLIST data will be lost; are you sure?...";
    static constexpr int kHelpContext = 51200;
    static constexpr std::uint16_t kNoUnit = 4;

    CFLView(CFListDoc& doc, FoodPicker& picker);

    std::uint16_t entryUnit() const { return entryUnit_; }
    // The entry unit is chosen only while the lines show entry units.
    bool entryUnitEnabled() const { return entryUnitEnabled_; }
    static std::vector<std::string> displayUnitLabels();
    static std::vector<std::string> entryUnitLabels();

    void onDisplayUnitChosen(int unit);
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
