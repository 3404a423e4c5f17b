#include "core/nutrients.h"

#include <cmath>
#include <limits>

#include "core/printf_text.h"

namespace korva {

namespace {

struct NutrientInfo {
    std::string_view name;
    std::string_view abbreviation;
    std::string_view unit;
    NutrientGroup group;
};

using G = NutrientGroup;

// The order is the order of every value block on disk.
constexpr std::array<NutrientInfo, kNutrientCount> kNutrients = {{
    {"Calories", "Cal.", "__cal", G::overall},
    {"Protein", "Pro.", "__gm", G::overall},
    {"Total Fat", "T.Fat", "__gm", G::overall},
    {"Sat. Fat", "S.Fat", "__gm", G::overall},
    {"Mono. Fat", "M.Fat", "__gm", G::overall},
    {"Poly. Fat", "P.Fat", "__gm", G::overall},
    {"Carbohydrate", "Carb.", "__gm", G::overall},
    {"Fiber", "Fiber", "__gm", G::overall},
    {"Cholesterol", "Chol.", "__mg", G::overall},
    {"Vit. A", "Vit.A", "__IU", G::vitamins},
    {"Vit. B6", "Vit.B6", "__mg", G::vitamins},
    {"Vit. B12", "Vit.B12", "__mcg", G::vitamins},
    {"Vit. C", "Vit.C", "__mg", G::vitamins},
    {"Vit. E", "Vit.E", "__mg", G::vitamins},
    {"Thiamine", "Thia.", "__mg", G::vitamins},
    {"Folacin", "Fola.", "__mcg", G::vitamins},
    {"Riboflavin", "Ribo.", "__mg", G::vitamins},
    {"Niacin", "Niac.", "__mg", G::vitamins},
    {"Panto. Acid", "Panto.", "__mg", G::vitamins},
    {"Calcium", "Calc.", "__mg", G::minerals},
    {"Copper", "Copper", "__mg", G::minerals},
    {"Iron", "Iron", "__mg", G::minerals},
    {"Magnesium", "Magn.", "__mg", G::minerals},
    {"Manganese", "Mang.", "__mg", G::minerals},
    {"Phosphorus", "Phos.", "__mg", G::minerals},
    {"Potassium", "Pota.", "__mg", G::minerals},
    {"Selenium", "Sele.", "__mcg", G::minerals},
    {"Sodium", "Sodi.", "__mg", G::minerals},
    {"Zinc", "Zinc", "__mg", G::minerals},
    {"Tyrosine", "Tyro.", "__gm", G::aminoAcids},
    {"Lysine", "Lysi.", "__gm", G::aminoAcids},
    {"Phenylalanine", "Phenyl.", "__gm", G::aminoAcids},
    {"Leucine", "Leuc.", "__gm", G::aminoAcids},
    {"Valine", "Val.", "__gm", G::aminoAcids},
    {"Methionine", "Methi.", "__gm", G::aminoAcids},
    {"Cystine", "Cyst.", "__gm", G::aminoAcids},
    {"Tryptophan", "Tryp.", "__gm", G::aminoAcids},
    {"Threonine", "Threo.", "__gm", G::aminoAcids},
    {"Isoleucine", "Isol.", "__gm", G::aminoAcids},
}};

constexpr std::array<std::string_view, kCategoryCount> kCategories = {
    "Beverages",         "Bread and Crackers", "Candies and Snacks",    "Cereals",
    "Cheese",            "Dairy",              "Desserts",              "Dressings and Spreads",
    "Eggs",              "Fish",               "Fruits",                "Grains",
    "Herbs and Seaweed", "Legumes",            "Meat",                  "Meat Substitutes",
    "Nuts",              "Oils",               "Packaged Entrees",      "Poultry",
    "Sauces and Condiments", "Soups",          "Vegetables",            "Recipes",
};

constexpr std::array<std::string_view, kStandardKeyLines> kStandardKey = {
    "OVERALL  NUTRIENT  VALUES",
    "\tCal  \t:  Calories",
    "\tPro  \t:  Protein",
    "\tS.Fat  \t:  Saturated Fat",
    "\tM.Fat  \t:  Monounsaturated Fat",
    "\tP.Fat  \t:  Polyunsaturated Fat",
    "\tFi   \t:  Fiber",
    "\tCar  \t:  Carbohydrates",
    "\tCho  \t:  Cholesterol",
    "VITAMINS",
    "\tA    \t:  Vitamin A",
    "\tB6   \t:  Vitamin B6",
    "\tB12  \t:  Vitamin B12",
    "\tC    \t:  Vitamin C",
    "\tE    \t:  Vitamin E",
    "\tTh   \t:  Thiamine",
    "\tF    \t:  Folacin",
    "\tRi   \t:  Riboflavin",
    "\tNi   \t:  Niacin",
    "\tPa   \t:  Pantothenic Acid",
    "MINERALS",
    "\tCa   \t:  Calcium",
    "\tCu   \t:  Copper",
    "\tFe   \t:  Iron",
    "\tMg   \t:  Magnesium",
    "\tMn   \t:  Manganese",
    "\tPh   \t:  Phosphorous",
    "\tK    \t:  Potassium",
    "\tSe   \t:  Selenium",
    "\tNa   \t:  Sodium",
    "\tZn   \t:  Zinc",
};

constexpr std::array<std::string_view, kAminoKeyLines> kAminoKey = {
    "AMINO  ACIDS",
    "\tTy   \t:  Tyrosine",
    "\tLy   \t:  Lysine",
    "\tPh   \t:  Phenylalanine",
    "\tLe   \t:  Leucine",
    "\tVa   \t:  Valine",
    "\tMe   \t:  Methionine",
    "\tCy   \t:  Cystine",
    "\tTr   \t:  Tryptophan",
    "\tTh   \t:  Threonine",
    "\tIso  \t:  Isoleucine",
};

bool isAminoPosition(int k) { return k >= 0 && k < kAminoAcidCount; }

// The views have room for seven characters of a value.
constexpr std::size_t kValueWidth = 7;

std::string cutToValueWidth(std::string s) {
    if (s.size() > kValueWidth) s.resize(kValueWidth);
    return s;
}

NutrientTexts filled(std::string_view text) {
    NutrientTexts t;
    t.fill(std::string(text));
    return t;
}

template <class Format>
void fillRange(int first, int end, NutrientTexts& into, Format&& format) {
    for (int i = first; i < end; ++i) {
        if (auto text = format(i)) into[static_cast<std::size_t>(i)] = std::move(*text);
    }
}

} // namespace

std::string_view nutrientName(int i) { return isNutrient(i) ? kNutrients[std::size_t(i)].name : std::string_view{}; }
std::string_view nutrientAbbreviation(int i) {
    return isNutrient(i) ? kNutrients[std::size_t(i)].abbreviation : std::string_view{};
}
std::string_view nutrientUnit(int i) { return isNutrient(i) ? kNutrients[std::size_t(i)].unit : std::string_view{}; }
NutrientGroup nutrientGroup(int i) { return isNutrient(i) ? kNutrients[std::size_t(i)].group : G::overall; }

std::string_view aminoAcidName(int k) { return isAminoPosition(k) ? nutrientName(aminoAcidNutrient(k)) : ""; }
std::string_view aminoAcidAbbreviation(int k) {
    return isAminoPosition(k) ? nutrientAbbreviation(aminoAcidNutrient(k)) : "";
}
std::string_view aminoAcidUnit(int k) { return isAminoPosition(k) ? nutrientUnit(aminoAcidNutrient(k)) : ""; }

int firstNutrientOf(NutrientGroup g) {
    switch (g) {
    case G::overall: return 0;
    case G::vitamins: return 9;
    case G::minerals: return 19;
    case G::aminoAcids: return kFirstAminoAcid;
    }
    return 0;
}

int nutrientCountOf(NutrientGroup g) {
    switch (g) {
    case G::overall: return 9;
    case G::vitamins: return 10;
    case G::minerals: return 10;
    case G::aminoAcids: return kAminoAcidCount;
    }
    return 0;
}

std::string_view groupHeading(NutrientGroup g) {
    switch (g) {
    case G::overall: return "OVERALL  NUTRIENT  VALUES";
    case G::vitamins: return "VITAMINS";
    case G::minerals: return "MINERALS";
    case G::aminoAcids: return "AMINO  ACIDS";
    }
    return {};
}

std::string_view groupEditorLabel(NutrientGroup g) {
    switch (g) {
    case G::overall: return "&Overall Nutrients";
    case G::vitamins: return "&Vitamins";
    case G::minerals: return "&Minerals";
    case G::aminoAcids: return "Amino Ac&ids";
    }
    return {};
}

std::string_view categoryName(int c) {
    return isCategory(c) ? kCategories[std::size_t(c)] : std::string_view{};
}

const std::array<std::string_view, kStandardKeyLines>& standardKeyLines() { return kStandardKey; }
const std::array<std::string_view, kAminoKeyLines>& aminoKeyLines() { return kAminoKey; }

long nearestInteger(double x) {
    if (std::isnan(x)) return 0;
    // 2^63 is exact in double; anything at or past it does not fit in a long.
    constexpr double kLimit = 9223372036854775808.0;
    if (x >= kLimit) return std::numeric_limits<long>::max();
    if (x <= -kLimit) return std::numeric_limits<long>::min();
    const long n = static_cast<long>(x);
    return (x - static_cast<double>(n) > 0.5) ? n + 1 : n;
}

NutrientTexts initialValueTexts() { return filled(kInitialValueText); }
NutrientTexts initialPercentTexts() { return filled(kInitialPercentText); }

std::string valueText(float v) {
    const double d = static_cast<double>(v);
    if (v < 100.0f) return cutToValueWidth(printfText("%6.3f", d));
    if (v < 1000.0f) return cutToValueWidth(printfText("%6.2f", d));
    return cutToValueWidth(printfText("%6.1f", d));
}

std::string aminoValueText(float v) { return cutToValueWidth(printfText("%6.3f", static_cast<double>(v))); }

void formatValueTexts(const NutrientRecord& record, NutrientTexts& into) {
    fillRange(0, kStandardNutrientCount, into, [&](int i) -> std::optional<std::string> {
        if (record.level(i) == 0) return std::string(kValueNotAvailable);
        return valueText(record.value(i));
    });
}

void formatAminoValueTexts(const NutrientRecord& record, NutrientTexts& into) {
    fillRange(kFirstAminoAcid, kNutrientCount, into, [&](int i) -> std::optional<std::string> {
        if (record.level(i) == 0) return std::string(kValueNotAvailable);
        return aminoValueText(record.value(i));
    });
}

NutrientTexts formatValueTexts(const NutrientRecord& record) {
    NutrientTexts t = initialValueTexts();
    formatValueTexts(record, t);
    return t;
}

NutrientTexts formatAminoValueTexts(const NutrientRecord& record) {
    NutrientTexts t = initialValueTexts();
    formatAminoValueTexts(record, t);
    return t;
}

NutrientTexts formatAllValueTexts(const NutrientRecord& record) {
    NutrientTexts t = initialValueTexts();
    formatValueTexts(record, t);
    formatAminoValueTexts(record, t);
    return t;
}

std::optional<long> percentOfTarget(float value, float target) {
    if (target == 0.0f || !std::isfinite(target) || !std::isfinite(value)) return std::nullopt;
    // Held in single precision before rounding, so that every view, printout
    // and export rounds the same borderline percentages the same way.
    const float percent = value / target * 100.0f;
    if (!std::isfinite(percent)) return std::nullopt;
    return nearestInteger(percent);
}

std::optional<std::string> percentText(float value, const NutrientRecord& targets, int i) {
    if (!isNutrient(i)) return std::nullopt;
    const int level = targets.level(i);
    if (level == 0) return std::string(kPercentNotAvailable);
    if (level != 1 && level != 2) return std::nullopt;
    // A target of zero has no percentage; saying so beats a division by zero.
    const std::optional<long> p = percentOfTarget(value, targets.value(i));
    if (!p) return std::string(kPercentNotAvailable);
    return printfText(level == 1 ? "%3ld%% ODA" : "%3ld%% RDA", *p);
}

void formatPercentTexts(std::span<const float, kNutrientCount> values, const NutrientRecord& targets,
                        NutrientTexts& into) {
    fillRange(0, kStandardNutrientCount, into,
              [&](int i) { return percentText(values[std::size_t(i)], targets, i); });
}

void formatAminoPercentTexts(std::span<const float, kNutrientCount> values, const NutrientRecord& targets,
                             NutrientTexts& into) {
    fillRange(kFirstAminoAcid, kNutrientCount, into,
              [&](int i) { return percentText(values[std::size_t(i)], targets, i); });
}

NutrientTexts formatPercentTexts(std::span<const float, kNutrientCount> values, const NutrientRecord& targets) {
    NutrientTexts t = initialPercentTexts();
    formatPercentTexts(values, targets, t);
    return t;
}

NutrientTexts formatAminoPercentTexts(std::span<const float, kNutrientCount> values, const NutrientRecord& targets) {
    NutrientTexts t = initialPercentTexts();
    formatAminoPercentTexts(values, targets, t);
    return t;
}

NutrientTexts formatAllPercentTexts(std::span<const float, kNutrientCount> values, const NutrientRecord& targets) {
    NutrientTexts t = initialPercentTexts();
    formatPercentTexts(values, targets, t);
    formatAminoPercentTexts(values, targets, t);
    return t;
}

NutrientTexts formatTargetLabels(const NutrientRecord& profile) {
    NutrientTexts t;
    for (int i = 0; i < kNutrientCount; ++i) t[std::size_t(i)] = profile.level(i) == 1 ? "100% ODA" : "100% RDA";
    return t;
}

} // namespace korva
