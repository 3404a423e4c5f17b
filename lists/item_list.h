#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/nutrient_coverage.h"
#include "core/nutrient_record.h"
#include "lists/food_item.h"

namespace korva {

class FoodDataBase;
class Platform;

// An ordered list of food items, the one selected, and the nutrient totals
// of them all.  It reaches the data base (when it has one) to read food
// records and to keep the shared current food in step with its current
// item.  Operations on the current item do nothing on an empty list.
class ItemList {
public:
    // The count is a single word in the files.
    static constexpr std::size_t kMaxItems = 0xFFFF;

    explicit ItemList(FoodDataBase* db = nullptr);

    FoodDataBase* dataBase() const { return db_; }

    // ---- Items ------------------------------------------------------------
    std::size_t itemCount() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    const std::vector<FoodItem>& items() const { return items_; }
    const FoodItem& item(std::size_t i) const { return items_[i]; }
    // The selected item, or null on an empty list.
    const FoodItem* current() const;
    // Position of the selected item; -1 on an empty list.
    int currentIndex() const { return items_.empty() ? -1 : current_; }

    // Adds the food at the end in `unit`, makes it current and adds it to the
    // totals.  Answers the item's listing line, or none when the food's record
    // cannot be read or the list is full (the list unchanged).
    std::optional<std::string> addFood(const ShortFood& entry, std::uint16_t unit);
    // Appends a built item and makes it current (totals untouched).  False
    // when the list is full.
    bool append(FoodItem item);
    void deleteCurrent();
    void clear();
    void select(int index);
    void step(bool forward);

    // ---- Totals -----------------------------------------------------------
    void recomputeTotals();
    const NutrientRecord& totals() const { return totals_; }
    // How many items report each nutrient, kept with the totals.
    const NutrientCoverage& coverage() const { return coverage_; }
    float totalGrams() const { return totalGrams_; }
    int pctFat() const { return pctFat_; }
    int pctProtein() const { return pctProtein_; }
    int pctCarbohydrate() const { return pctCarbohydrate_; }

    // ---- The current item -------------------------------------------------
    // Both recompute the totals.  setCurrentAmount answers false when the
    // amount cannot be converted (see FoodItem::setAmount).
    bool setCurrentAmount(float value, std::uint16_t unit);
    void stepCurrentAmount(bool up);
    // A typed amount ("2 serv", "3 oz", "2 cup", "250"): answers what it
    // was understood as ("2 cup = 2.00 servings = 182 g = 62 cal").  Out of
    // bounds shows " ERROR - food item amount out of bounds" (a recipe form
    // names its own message), an amount not understood says which units
    // are; either answers none with the item unchanged.  A unit named in the
    // text becomes `viewEntryUnit`.
    std::optional<std::string> enterTypedAmount(std::string_view text, std::uint16_t& viewEntryUnit, Platform& platform,
                                                const char* outOfBounds = nullptr);
    // Code 3 stores the item's entry unit as its display unit.
    void setCurrentDisplayUnit(std::uint16_t u);
    // Code 3 is ignored.
    void setCurrentEntryUnit(std::uint16_t u);
    std::uint16_t currentDisplayUnit() const;
    std::uint16_t currentEntryUnit() const;
    // "No  Food  Items", "1 serving = 000 calories = 000 grams" and
    // "No Serving Chosen" on an empty list.
    std::string currentLineText(std::uint16_t unit) const;
    std::string currentServingLine() const;
    std::string currentAmountText(std::uint16_t unit) const;

protected:
    void touch() { ++revision_; }
    void resetTotals();
    void addCurrentToTotals();
    void computePercentages();
    void addItemToTotals(const FoodItem& item);
    void publishCurrentFood();
    FoodItem* currentItem();

    FoodDataBase* db_ = nullptr;
    NutrientRecord totals_;
    NutrientCoverage coverage_;
    std::vector<FoodItem> items_;
    int current_ = 0;
    int pctFat_ = 0;
    int pctProtein_ = 0;
    int pctCarbohydrate_ = 0;
    float totalGrams_ = 0.0f;
    std::uint64_t revision_ = 0;
};

} // namespace korva
