#include "tools/serving_measure.h"

#include <cmath>

namespace korva::importer {

namespace {

// Abbreviated units read the same for one or many.
constexpr std::string_view kUncountedUnits[] = {"oz", "fl oz", "tbsp", "tsp", "lb", "g", "ml", "serving size",
                                                "cubic inch", "dash", "pinch"};

bool plainUnitChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' ' || c == '-' || c == '.' || c == '\'';
}

std::string trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '.')) s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return std::string(s);
}

std::string plural(const std::string& unit) {
    for (auto u : kUncountedUnits)
        if (unit == u) return unit;
    const char last = unit.back();
    if (last == 's' || last == '.' || unit.size() < 3) return unit;
    // Only the first word counts: "cup sliced" stays as it is.
    if (unit.find(' ') != std::string::npos) return unit;
    if (last == 'h' && unit.size() > 1 && (unit[unit.size() - 2] == 'c' || unit[unit.size() - 2] == 's'))
        return unit + "es"; // "pinch", "dash"
    if (last == 'y' && unit.size() > 1 && std::string_view("aeiou").find(unit[unit.size() - 2]) == std::string_view::npos)
        return unit.substr(0, unit.size() - 1) + "ies"; // "patty"
    return unit + "s";
}

} // namespace

std::optional<std::string> amountText(double amount) {
    if (!(amount > 0) || amount >= 10000) return std::nullopt;
    const double whole = std::floor(amount + 1e-6);
    const double frac = amount - whole;
    std::string text = whole > 0 ? std::to_string(static_cast<long>(whole)) : std::string();
    if (frac < 1e-3) return text.empty() ? std::nullopt : std::optional<std::string>(text);
    // USDA writes thirds as 0.333 and 0.667.
    for (int den : {2, 3, 4, 8}) {
        for (int num = 1; num < den; ++num) {
            if (std::fabs(frac - double(num) / den) < 2e-3) {
                std::string f = std::to_string(num) + "/" + std::to_string(den);
                return text.empty() ? f : text + " " + f;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> unitWord(std::string_view description) {
    std::size_t end = description.find_first_of(",(");
    std::string unit = trimBlanks(description.substr(0, end));
    if (unit.empty()) return std::nullopt;
    for (char c : unit)
        if (!plainUnitChar(c)) return std::nullopt;
    // The USDA's labelling serving is just a serving to the user.
    if (unit == "NLEA serving" || unit == "serving (NLEA)") unit = "serving";
    return unit;
}

Serving chooseServing(const std::vector<SourceMeasure>& measures) {
    for (const SourceMeasure& m : measures) {
        if (!(m.grams > 0) || !std::isfinite(m.grams)) continue;
        auto amount = amountText(m.amount);
        auto unit = unitWord(m.description);
        if (!amount || !unit) continue;
        const std::string word = m.amount > 1 + 1e-6 ? plural(*unit) : *unit;
        std::string text = *amount + " " + word;
        if (text.size() > kMaxServingText) continue;
        return {text, static_cast<float>(m.grams)};
    }
    return {"100 g", 100.0f};
}

} // namespace korva::importer
