#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "archive/serializable.h"
#include "core/nutrient_record.h"

namespace korva {

class FoodDataBase;
class ShortFood;

// Amount units.  The first three are the units an amount can be typed in;
// the last two exist only for listing.
enum AmountUnit : std::uint16_t {
    kUnitGrams = 0,
    kUnitCalories = 1,
    kUnitServings = 2,
    kUnitEntryUnits = 3, // each item in the unit it was entered in
    kUnitFoodUnits = 4,  // the food's household measure
};
inline constexpr int kEntryUnitCount = 3;
inline constexpr int kDisplayUnitCount = 5;

// "Grams", "Calories", "Servings", "EntryUnits", "Food Units"; empty for a
// code outside 0..4.
std::string_view unitLabel(int unit);

// Stepping keeps an amount between these (servings).
inline constexpr float kServingStep = 0.1f;
inline constexpr double kMinSteppedServings = 0.1;
inline constexpr float kMaxSteppedServings = 200.0f;

// Every amount an item holds, typed or read from a file, is a positive
// number of servings up to this.  Typed amounts stay within it (10000 ounces
// of the lightest shipped serving is 1.4 million); anything above is damage,
// and would overflow the whole-calorie texts.
inline constexpr float kMaxItemServings = 1.0e7f;
bool servingsInRange(float servings);

// One food of the data base with an amount, always held in servings.  The
// item keeps copies of what it needs from the food's index entry (name,
// household measure, grams per serving, category) and the food's full record,
// because index positions move whenever the index changes.
class FoodItem : public Serializable {
public:
    static constexpr const char* kClassName = "FoodItem";
    static constexpr unsigned kSchema = 0;

    FoodItem() = default;
    explicit FoodItem(std::uint16_t foodId) : foodId_(foodId) {}

    // Takes name, measure and grams per serving from the entry and reads the
    // food's record from the store.  False (the item unchanged) when the
    // record cannot be read.
    bool attach(const ShortFood& entry, const FoodDataBase& db);
    // The same with a record already at hand.
    void attach(const ShortFood& entry, const NutrientRecord& record);

    std::uint16_t foodId() const { return foodId_; }
    bool found() const { return found_; }
    const std::string& name() const { return name_; }
    const std::string& householdMeasure() const { return measure_; }
    float gramsPerServing() const { return gramsPerServing_; }
    std::uint16_t category() const { return category_; }
    std::uint16_t entryUnit() const { return entryUnit_; }
    std::uint16_t displayUnit() const { return displayUnit_; }
    float servings() const { return servings_; }
    const NutrientRecord& record() const { return record_; }

    float caloriesPer100g() const { return record_.value(0); }
    // Calories of the whole amount, in single precision.
    float calories() const;
    float grams() const { return servings_ * gramsPerServing_; }

    // The unit becomes the entry unit.  Grams and calories are converted to
    // servings; units 3 and 4 change only the entry unit.  False, with the
    // amount unchanged, when the food gives no way to convert (no weight per
    // serving, or no calories for an amount in calories) or when the result
    // lies outside servingsInRange.
    bool setAmount(float value, std::uint16_t unit);
    void setServings(float s) { servings_ = s; }
    // One step of 0.1 servings, kept within 0.1 .. 200.
    void stepServings(bool up);
    void setEntryUnit(std::uint16_t u) { entryUnit_ = u; }
    void setDisplayUnit(std::uint16_t u) { displayUnit_ = u; }

    // The amount in a display unit: "%6.1f grams", "%d calories",
    // "%5.2f serving(s)", the entry unit's text, or the household measure.
    std::string amountText(std::uint16_t unit) const;
    // Name, tab, household measure of one serving, tab, amount text.
    std::string lineText(std::uint16_t unit) const;
    // "%4.1f Servings = %6.1f Grams = %6.1f Calories".
    std::string servingLine() const;
    // The amount in the household measure; `unitText` receives its unit word(s).
    float foodUnits(std::string& unitText) const;
    // "%-6.2f %s" of foodUnits, or the measure itself for one serving.
    std::string foodUnitsText() const;

    // Word food id, word entry unit, word display unit, f32 servings.
    // Loading refuses (badIndex) units outside 0..4 and servings out of range.
    void Serialize(Archive& ar) override;
    std::string_view className() const override { return kClassName; }

private:
    std::uint16_t foodId_ = 0;
    bool found_ = true;
    std::string name_;
    std::string measure_;
    float gramsPerServing_ = 0.0f;
    std::uint16_t category_ = 0;
    std::uint16_t entryUnit_ = kUnitServings;
    std::uint16_t displayUnit_ = kUnitEntryUnits;
    float servings_ = 1.0f;
    NutrientRecord record_;
};

// The household measure split as the food-units display reads it: its
// quantity (1.5 for "1 1/2 cups") and the unit text ("cups").
struct HouseholdMeasure {
    float quantity = 0.0f;
    std::string unitText;
};
HouseholdMeasure parseHouseholdMeasure(std::string_view measure);

} // namespace korva
