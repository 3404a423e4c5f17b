#include "lists/typed_amount.h"

#include <array>
#include <vector>

#include "core/ascii_text.h"
#include "core/nutrients.h"
#include "core/printf_text.h"
#include "lists/food_item.h"
#include "lists/number_scan.h"

namespace korva {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool startsWith(std::string_view text, std::string_view word) { return text.substr(0, word.size()) == word; }

std::string_view trimmed(std::string_view t) {
    const std::size_t first = t.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return t.substr(first, t.find_last_not_of(" \t") - first + 1);
}

// The digits at the very start of `t` (no blanks, no sign).
std::optional<long> digitsAt(std::string_view t, std::size_t& used) {
    if (t.empty() || !isDigit(t[0])) return std::nullopt;
    return scanInt(t, &used);
}

struct NumberRead {
    std::optional<double> value; // none: the text starts with no number
    std::size_t end = 0;
    bool malformed = false; // "1/", "1.5/2", "1/0"
};

// "2", "1.5", "1e3", "1/2", "1 1/2" or "1-1/2" at the start of `t`.
NumberRead readNumber(std::string_view t) {
    NumberRead r;
    std::size_t used = 0;
    const std::optional<float> first = scanFloat(t, &used);
    if (!first) return r;
    r.value = static_cast<double>(*first);
    r.end = used;
    const std::string_view firstText = trimmed(t.substr(0, used));
    bool whole = !firstText.empty();
    for (char c : firstText) whole = whole && isDigit(c);

    if (used < t.size() && t[used] == '/') {
        std::size_t dUsed = 0;
        const std::optional<long> d = digitsAt(t.substr(used + 1), dUsed);
        if (!whole || !d || *d == 0) {
            r.malformed = true;
            return r;
        }
        r.value = *r.value / static_cast<double>(*d);
        r.end = used + 1 + dUsed;
        return r;
    }
    if (!whole) return r;
    // A whole number may be followed by a fraction: "1 1/2", "1-1/2".
    std::size_t p = used;
    while (p < t.size() && t[p] == ' ') ++p;
    if (p == used && p < t.size() && t[p] == '-') ++p;
    std::size_t nUsed = 0;
    const std::optional<long> n = p > used ? digitsAt(t.substr(p), nUsed) : std::nullopt;
    if (!n || p + nUsed >= t.size() || t[p + nUsed] != '/') return r; // a second number, if any, is refused later
    std::size_t dUsed = 0;
    const std::optional<long> d = digitsAt(t.substr(p + nUsed + 1), dUsed);
    if (!d || *d == 0) {
        r.malformed = true;
        return r;
    }
    r.value = *r.value + static_cast<double>(*n) / static_cast<double>(*d);
    r.end = p + nUsed + 1 + dUsed;
    return r;
}

// Teaspoons in one of a volume unit; 0 for any other word.
float teaspoons(std::string_view w) {
    struct Volume {
        std::string_view word;
        float tsp;
    };
    static constexpr std::array<Volume, 11> kVolumes = {{{"tsp", 1},
                                                         {"tsps", 1},
                                                         {"teaspoon", 1},
                                                         {"teaspoons", 1},
                                                         {"tbsp", 3},
                                                         {"tbsps", 3},
                                                         {"tablespoon", 3},
                                                         {"tablespoons", 3},
                                                         {"fl oz", 6},
                                                         {"cup", 48},
                                                         {"cups", 48}}};
    for (const Volume& v : kVolumes)
        if (v.word == w) return v.tsp;
    return 0.0f;
}

// The word a household measure counts in: "cup" of "1 cup, chop.", "slice"
// of "2 slices", "fl oz" of "8 fl oz"; empty when it names none.
std::string measureWord(std::string_view measure) {
    const std::string unit = lowerAscii(parseHouseholdMeasure(measure).unitText);
    std::size_t n = 0;
    while (n < unit.size() && isLetter(unit[n])) ++n;
    std::string word = unit.substr(0, n);
    if (word == "fl" && unit.compare(n, 3, " oz") == 0) word = "fl oz";
    return word;
}

bool sameWord(std::string_view a, std::string_view b) {
    auto plural = [](std::string_view one, std::string_view many) {
        return many.size() > one.size() && many.substr(0, one.size()) == one &&
               (many.substr(one.size()) == "s" || many.substr(one.size()) == "es");
    };
    return !a.empty() && (a == b || plural(a, b) || plural(b, a));
}

std::string unitsUnderstood(const std::string& foodWord, bool volume) {
    std::string units = "serv (s), cal (c), gram (g), oz, lb";
    if (volume) units += ", tbsp, tsp, cup, fl oz";
    static constexpr std::array<std::string_view, 12> kNamed = {"serv", "cal", "gram", "c",   "g",   "s",
                                                                "oz",   "lb",  "tbsp", "tsp", "cup", "fl oz"};
    bool named = foodWord.empty();
    for (std::string_view w : kNamed) named = named || sameWord(w, foodWord);
    if (!named) units += ", " + foodWord;
    return units;
}

} // namespace

AmountReading readTypedAmount(std::string_view text, std::uint16_t viewEntryUnit, std::string_view measure) {
    AmountReading out;
    const NumberRead number = readNumber(text);
    if (!number.value) return out; // no number: out of bounds

    const std::string foodWord = measureWord(measure);
    const float foodTsp = teaspoons(foodWord);
    const float foodQuantity = parseHouseholdMeasure(measure).quantity;
    const std::string units = unitsUnderstood(foodWord, foodTsp > 0.0f && foodQuantity > 0.0f);
    const std::string notUnderstood =
        " ERROR - amount not understood; type one number (2, 1.5, 1/2 or 1 1/2) and one of: " + units;

    // The unit: at most one word ("fl oz" counts as one), without a digit or
    // a point before it.
    const std::string_view rest = trimmed(text.substr(number.end));
    std::vector<std::string> words;
    for (std::size_t i = 0; i < rest.size();) {
        const std::size_t end = std::min(rest.find(' ', i), rest.size());
        std::string w = lowerAscii(rest.substr(i, end - i));
        if (!w.empty() && w.back() == '.') w.pop_back(); // "tbsp.", "oz."
        if (!w.empty()) words.push_back(std::move(w));
        i = end + 1;
    }
    std::string w = words.empty() ? std::string() : words[0];
    if (words.size() == 2 && words[0] == "fl" && words[1] == "oz") w = "fl oz";
    bool understood = !number.malformed && (words.size() <= 1 || w == "fl oz") && (w.empty() || isLetter(w[0]));
    for (char c : rest) understood = understood && !isDigit(c);
    if (!understood) {
        out.refusal = notUnderstood;
        return out;
    }
    // The bounds hold for the number as typed, before any unit is applied.
    const double v = *number.value;
    if (!(v >= kMinTypedAmount && v <= kMaxTypedAmount)) return out;

    TypedAmount a{static_cast<float>(v), viewEntryUnit, true, std::string()};
    if (w.empty()) {
        a.unitNamed = false;
    } else if (startsWith(w, "serv")) {
        a.unit = kUnitServings;
    } else if (startsWith(w, "cal") || w == "kcal") {
        a.unit = kUnitCalories;
    } else if (startsWith(w, "gram") || startsWith(w, "grm") || startsWith(w, "gm")) {
        a.unit = kUnitGrams;
    } else if (w == "oz" || w == "ounce" || w == "ounces") {
        a.unit = kUnitGrams;
        a.value *= kGramsPerOunce;
    } else if (w == "lb" || w == "lbs" || w == "pound" || w == "pounds") {
        a.unit = kUnitGrams;
        a.value *= kGramsPerPound;
    } else if (w == "c") { // a lone letter keeps its meaning whatever the measure
        a.unit = kUnitCalories;
    } else if (w == "g") {
        a.unit = kUnitGrams;
    } else if (w == "s") {
        a.unit = kUnitServings;
    } else if (sameWord(foodWord, w) && foodQuantity > 0.0f) {
        a.unit = kUnitServings;
        a.value /= foodQuantity;
    } else if (const float tsp = teaspoons(w); tsp > 0.0f) {
        if (!(foodTsp > 0.0f && foodQuantity > 0.0f)) {
            out.refusal = " ERROR - \"" + w + "\" is a volume, and this food's serving (" +
                          (measure.empty() ? std::string("none") : std::string(measure)) +
                          ") is not; type one of: " + units;
            return out;
        }
        a.unit = kUnitServings;
        a.value = static_cast<float>(v * static_cast<double>(tsp) /
                                     (static_cast<double>(foodQuantity) * static_cast<double>(foodTsp)));
    } else {
        out.refusal = notUnderstood;
        return out;
    }

    std::string said;
    for (std::size_t i = 0; i < text.size(); ++i) // blanks run together
        if (text[i] != ' ' || (!said.empty() && said.back() != ' ')) said += text[i];
    while (!said.empty() && said.back() == ' ') said.pop_back();
    if (!a.unitNamed && a.unit <= kUnitServings) said += ' ' + lowerAscii(unitLabel(a.unit));
    a.said = std::move(said);
    out.amount = std::move(a);
    return out;
}

std::string understoodText(const TypedAmount& amount, const FoodItem& item) {
    return printfText("%s = %.2f servings = %.0f g = %ld cal", amount.said.c_str(),
                      static_cast<double>(item.servings()), static_cast<double>(item.grams()),
                      nearestInteger(static_cast<double>(item.calories())));
}

} // namespace korva
