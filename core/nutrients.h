#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/nutrient_record.h"

namespace korva {

// The fixed vocabulary of every data file and every screen: 39 nutrients in
// catalogue order (29 standard, then 10 amino acids) and 24 food categories.
// Lookups outside the tables answer an empty text rather than failing, so a
// damaged index or category number in a file can never crash a view.

enum class NutrientGroup { overall, vitamins, minerals, aminoAcids };

std::string_view nutrientName(int i);
std::string_view nutrientAbbreviation(int i);
// "__cal", "__gm", "__mg", "__mcg" or "__IU", shown as they stand.
std::string_view nutrientUnit(int i);
NutrientGroup nutrientGroup(int i);

// Amino acids addressed by their position k = 0..9 in the amino-acid list.
constexpr int aminoAcidNutrient(int k) { return kFirstAminoAcid + k; }
std::string_view aminoAcidName(int k);
std::string_view aminoAcidAbbreviation(int k);
std::string_view aminoAcidUnit(int k);

// First nutrient and number of nutrients of a group, in catalogue order.
int firstNutrientOf(NutrientGroup g);
int nutrientCountOf(NutrientGroup g);
// "OVERALL  NUTRIENT  VALUES", "VITAMINS", "MINERALS", "AMINO  ACIDS".
std::string_view groupHeading(NutrientGroup g);
// The editor's labels: "&Overall Nutrients" ... "Amino Ac&ids".
std::string_view groupEditorLabel(NutrientGroup g);

std::string_view categoryName(int c);

// The key dialog's lines; '\t' separates the columns.  Total Fat has no line.
constexpr std::size_t kStandardKeyLines = 31;
constexpr std::size_t kAminoKeyLines = 11;
const std::array<std::string_view, kStandardKeyLines>& standardKeyLines();
const std::array<std::string_view, kAminoKeyLines>& aminoKeyLines();

// Truncates toward zero and adds 1 only when the fraction exceeds one half,
// so 2.5 gives 2.  Every percentage and whole calorie figure goes through
// it.  NaN gives 0 and values beyond the range of long give its limit.
long nearestInteger(double x);

// ---- Value and percent texts ---------------------------------------------
//
// One text per nutrient.  Each operation returns a fresh table holding the
// initial texts with its own range filled, or fills its range into a table
// the caller already holds; a caller that shows all nutrients fills both
// ranges into one table.

using NutrientTexts = std::array<std::string, kNutrientCount>;

inline constexpr std::string_view kInitialValueText = "  0.000   ";
inline constexpr std::string_view kInitialPercentText = "  000      ";
inline constexpr std::string_view kValueNotAvailable = " N  /  A ";
inline constexpr std::string_view kPercentNotAvailable = "    N / A";

NutrientTexts initialValueTexts();
NutrientTexts initialPercentTexts();

// "%6.3f" below 100, "%6.2f" below 1000, "%6.1f" above, cut to 7 characters.
std::string valueText(float v);
// Amino acids always use "%6.3f", cut to 7 characters.
std::string aminoValueText(float v);

// Value texts from a record; " N  /  A " where the record's level is 0.
NutrientTexts formatValueTexts(const NutrientRecord& record);
NutrientTexts formatAminoValueTexts(const NutrientRecord& record);
NutrientTexts formatAllValueTexts(const NutrientRecord& record);
void formatValueTexts(const NutrientRecord& record, NutrientTexts& into);
void formatAminoValueTexts(const NutrientRecord& record, NutrientTexts& into);

// value / target × 100 (held in single precision) through nearestInteger.
// None when the quotient has no meaning: a target of zero, a value or target
// that is not a finite number, or a quotient beyond the range of a float.
std::optional<long> percentOfTarget(float value, float target);

// The percent text of nutrient i against the user's targets: "    N / A"
// without a target (or with a target of zero), "%3ld%% ODA" for level 1,
// "%3ld%% RDA" for level 2; any other level gives none (the slot keeps what
// it held).
std::optional<std::string> percentText(float value, const NutrientRecord& targets, int i);

// Percent texts of 39 values (a food's, a list's totals, a day's average)
// against the user's target profile.
NutrientTexts formatPercentTexts(std::span<const float, kNutrientCount> values, const NutrientRecord& targets);
NutrientTexts formatAminoPercentTexts(std::span<const float, kNutrientCount> values, const NutrientRecord& targets);
NutrientTexts formatAllPercentTexts(std::span<const float, kNutrientCount> values, const NutrientRecord& targets);
void formatPercentTexts(std::span<const float, kNutrientCount> values, const NutrientRecord& targets,
                        NutrientTexts& into);
void formatAminoPercentTexts(std::span<const float, kNutrientCount> values, const NutrientRecord& targets,
                             NutrientTexts& into);

// The labels of a target profile shown as itself: "100% ODA" for level 1,
// "100% RDA" for any other level, all 39 nutrients.
NutrientTexts formatTargetLabels(const NutrientRecord& profile);

} // namespace korva
