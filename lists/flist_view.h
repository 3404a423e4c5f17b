#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace korva {

class CFListDoc;
class FoodDataBase;
class FoodList;
class FoodPicker;
class Platform;

// One line of the "NUTRIENT  TOTALS" box: its label, the figure and the unit.
struct TotalsLine {
    const char* label;
    std::string value;
    const char* unit;
};

// The form of a food list window: the item list with its header, the name
// and amount fields, the amount scroll bar, both unit selectors and the
// totals box.  All computing is the FoodList's; the view decides what the
// controls show and which list operation each control starts.  The Qt face
// shows these fields and forwards every control to one method.
class CFLView {
public:
    enum class Focus { none, foodName, amount };

    static constexpr const char* kFoodNameLabel = "Food &Item : ";
    static constexpr const char* kAmountLabel = "Food Item A&mount : ";
    static constexpr const char* kAddFromCategories = "&Add from Categories";
    static constexpr const char* kDisplayUnitsLabel = "Set &Display Units :";
    static constexpr const char* kEntryUnitsLabel = "Set Entry Units :";
    static constexpr const char* kDeleteButton = "De&lete";
    static constexpr const char* kClearButton = "&Clear";
    static constexpr const char* kSaveButton = "&SAVE";
    static constexpr const char* kHelpButton = "HELP";
    static constexpr const char* kTotalsGroup = "NUTRIENT  TOTALS";
    static constexpr const char* kHeader = "FOOD NAME :\t1 SVG. \tTOTAL  AMOUNT";
    static constexpr const char* kNone = "NONE";
    static constexpr const char* kNoItemServingLine = "1 serving = 000 calories = 000 grams";
    static constexpr const char* kClearedServingLine = "0 servings = 000 calories = 000 grams";
    static constexpr const char* kNoItemsForDisplay = "... no FOOD ITEMS, can't set display...";
    static constexpr const char* kClearQuestion = "All FOODLIST data will be lost; are you sure?...";
    static constexpr const char* kWarningCaption = "WARNING MESSAGE";
    static constexpr int kHelpContext = 51200;
    static constexpr std::uint16_t kNoUnit = 4;
    // Tab stops of the item list, in average character widths of its font.
    static constexpr std::array<int, 3> kTabStops = {34, 44, 52};
    static constexpr std::size_t kTotalsLines = 9;

    CFLView(CFListDoc& doc, FoodPicker& picker);

    // ---- What the face shows -------------------------------------------------
    const std::string& title() const;
    const std::string& foodName() const { return foodName_; }
    const std::string& amountText() const { return amountText_; }
    bool foodNameModified() const { return nameModified_; }
    bool amountModified() const { return amountModified_; }
    // Line 0 is the header; line k shows item k-1.
    const std::vector<std::string>& lines() const { return lines_; }
    // The selected line; 0 (the header) when the list has no items.
    int selectedLine() const { return selectedLine_; }
    const std::string& servingLine() const { return servingLine_; }
    const std::array<TotalsLine, kTotalsLines>& totals() const { return totals_; }
    std::uint16_t entryUnit() const { return entryUnit_; }
    std::uint16_t displayUnit() const { return displayUnit_; }
    bool entryUnitEnabled() const { return entryUnitEnabled_; }
    bool deleteEnabled() const { return deleteEnabled_; }
    int category() const { return category_; }
    // Where the keyboard focus should go next; reading it clears it.
    Focus takeFocusRequest();
    // What the last typed amount was understood as, for the status line
    // ("2 cup = 2.00 servings = 182 g = 62 cal"); reading it clears it.
    std::string takeStatusText() { return std::exchange(statusText_, {}); }

    static std::vector<std::string> displayUnitLabels();
    static std::vector<std::string> entryUnitLabels();

    CFListDoc& document() const { return doc_; }

    // ---- Controls ---------------------------------------------------------
    void onInitialUpdate();
    // Typing in an edit marks it changed.
    void onFoodNameEdited(const std::string& text);
    void onAmountEdited(const std::string& text);
    // Enter, or the HELP button (which then has the focus).
    void onEnter(bool helpHasFocus);
    void onAddFromCategories();
    void onLineSelected(int line);
    void onScrollStep(bool up);
    void onScrollEnd();
    void onDisplayUnitChosen(int unit);
    void onEntryUnitChosen(int unit);
    void onDelete();
    void onClear();
    void onSave();

    // A food found by the nutrient search, added in the search's unit.
    void addFromSearch(std::size_t position, std::uint16_t unit);
    // After the document changed underneath (a merge): show it afresh.
    void refreshAll();

private:
    FoodList& list() const;
    FoodDataBase& db() const;
    Platform& platform() const;

    void searchByName();
    void enterTypedAmount();
    bool addFood(std::size_t position);
    void applyEntryUnitRule();
    void rebuildLines();
    void selectCurrentLine();
    void refreshServingLine();
    void refreshTotals();
    void refreshAmountText();
    void refreshCurrentItemFields();

    CFListDoc& doc_;
    FoodPicker& picker_;
    std::string foodName_;
    std::string amountText_;
    std::string statusText_;
    bool nameModified_ = false;
    bool amountModified_ = false;
    int category_ = 0;
    std::uint16_t entryUnit_ = kNoUnit;
    std::uint16_t displayUnit_ = kNoUnit;
    bool entryUnitEnabled_ = true;
    bool deleteEnabled_ = false;
    std::vector<std::string> lines_;
    int selectedLine_ = 0;
    std::string servingLine_ = kNoItemServingLine;
    std::array<TotalsLine, kTotalsLines> totals_;
    Focus focus_ = Focus::none;
};

} // namespace korva
