#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/nutrient_totals.h"

namespace korva {

class CFListDoc;
class FoodDataBase;
class FoodList;
class FoodPicker;
class Platform;

// The texts of one kind of list form.
struct FormTexts {
    const char* nameLabel;
    const char* amountLabel;
    const char* displayUnitsLabel;
    const char* deleteButton;
    const char* clearButton;
    const char* saveButton;
    const char* totalsGroup;
    const char* header;
    const char* noItemsForDisplay;
    const char* clearQuestion;
    // The typed amount's refusal; null for the list's own.
    const char* amountRefusal;
    int helpContext;
    // Longest text the name and amount fields keep.
    std::size_t fieldLength;
};

// The form of a list window, food list or recipe alike: the item list with
// its header, the name and amount fields, the amount scroll bar, the unit
// the lines show and the totals box.  All computing is the FoodList's; the
// form decides what the controls show and which list operation each control
// starts.  The kinds differ in the unit new items and typed numbers are in,
// what the totals box shows and the fields of their own.
class CListForm {
public:
    enum class Focus { none, foodName, amount };

    static constexpr const char* kAddFromCategories = "&Add from Categories";
    static constexpr const char* kHelpButton = "HELP";
    static constexpr const char* kNone = "NONE";
    static constexpr const char* kClearedServingLine = "0 servings = 000 calories = 000 grams";
    static constexpr const char* kWarningCaption = "WARNING MESSAGE";
    // Tab stops of the item list, in average character widths of its font.
    static constexpr std::array<int, 3> kTabStops = {34, 44, 52};

    virtual ~CListForm();
    CListForm(const CListForm&) = delete;
    CListForm& operator=(const CListForm&) = delete;

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
    const TotalsBox& totals() const { return totals_; }
    std::uint16_t displayUnit() const { return displayUnit_; }
    bool deleteEnabled() const { return deleteEnabled_; }
    // Where the keyboard focus should go next; reading it clears it.
    Focus takeFocusRequest();
    // What the last accepted typed amount was read as, once ("2 cup = 2.00 servings = ...").
    std::string takeStatusText() { return std::exchange(statusText_, {}); }
    CFListDoc& document() const { return doc_; }
    const FormTexts& texts() const { return texts_; }
    // The entries of the display unit selector, and the one shown (-1: none).
    virtual std::vector<std::string> displayChoices() const = 0;
    virtual int displayChoice() const = 0;

    // ---- Controls ---------------------------------------------------------
    virtual void onInitialUpdate();
    // Typing in an edit marks it changed.
    void onFoodNameEdited(const std::string& text);
    void onAmountEdited(const std::string& text);
    // Enter, or the HELP button (which then has the focus).
    virtual void onEnter(bool helpHasFocus);
    void onAddFromCategories();
    void onLineSelected(int line);
    void onScrollStep(bool up);
    void onScrollEnd();
    virtual void onDisplayChosen(int choice) = 0;
    void onDelete();
    virtual void onClear();
    virtual void onSave() = 0;

    // A food chosen in the food finder, added as the pickers add one; the
    // amount field takes the focus.
    void addChosenFood(std::size_t position);
    // A food found by the nutrient search, added in the search's unit.
    void addFromSearch(std::size_t position, std::uint16_t unit);
    // After the document changed underneath (a merge, a save): show it
    // afresh; typed fields of the form's own stay.
    void refreshAll();

protected:
    CListForm(CFListDoc& doc, FoodPicker& picker, const FormTexts& texts);

    FoodList& list() const;
    FoodDataBase& db() const;
    Platform& platform() const;

    // After items, amounts or units changed: totals again from the items,
    // and everything that shows them.
    void afterListChanged();
    // Every line in `unit`; refused on an empty list.
    void showInUnit(std::uint16_t unit);
    void rebuildLines();
    void selectCurrentLine();
    void refreshAmountText();

    // The units of a list just opened, from its current item.
    virtual void startUnits() = 0;
    // The unit new foods and bare typed numbers are in.
    virtual std::uint16_t amountUnit() const = 0;
    // A typed amount named another unit.
    virtual void unitNamed(std::uint16_t unit) = 0;
    virtual void takeSearchUnit(std::uint16_t unit) = 0;
    virtual TotalsBox computeTotals() const = 0;
    // The selection or the display unit changed.
    virtual void afterSelection() {}
    // Clear was confirmed: the form's own fields go too.
    virtual void clearOwnFields() {}

    std::uint16_t displayUnit_;

private:
    void searchByName();
    void enterTypedAmount();
    bool addFood(std::size_t position);

    CFListDoc& doc_;
    FoodPicker& picker_;
    FormTexts texts_;
    std::string foodName_;
    std::string amountText_;
    std::string statusText_;
    bool nameModified_ = false;
    bool amountModified_ = false;
    bool deleteEnabled_ = false;
    std::vector<std::string> lines_;
    int selectedLine_ = 0;
    std::string servingLine_;
    TotalsBox totals_;
    Focus focus_ = Focus::none;
};

} // namespace korva
