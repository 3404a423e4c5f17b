#include "tools/serving_measure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace korva::importer {

namespace {

// ---- Saying a measure -----------------------------------------------------

struct Word {
    std::string_view full;
    std::string_view brief; // used only when the full word leaves no room
};

// Units as the source spells them, and how we say them.  Two-word units
// come first so that "fl oz" is not read as "fl".
constexpr Word kUnits[] = {
    {"fl oz", "fl oz"},
    {"fluid ounce", "fl oz"},
    {"fluid ounces", "fl oz"},
    {"nlea serving", "serving"},
    {"cubic inch", "cu in"},
    {"serving size", "serving"},
    {"tablespoon", "tbsp"},
    {"tablespoons", "tbsp"},
    {"teaspoon", "tsp"},
    {"teaspoons", "tsp"},
    {"ounce", "oz"},
    {"ounces", "oz"},
    {"pound", "lb"},
    {"grams", "g"},
    {"cream puff", "cream puff"},
    {"pie crust", "pie crust"},
    {"pie shell", "pie shell"},
    {"tart shell", "tart shell"},
    {"hush puppy", "hush puppy"},
    {"ice cube", "ice cube"},
    {"doughnut hole", "donut hole"},
    {"snack cake", "snack cake"},
    {"pop tart", "pop tart"},
    {"extra large", "x-large"},
    {"extra small", "x-small"},
};

// "small bagel" is a bagel, small.
constexpr std::string_view kSizesBefore[] = {"small", "medium", "large", "jumbo",      "mini", "miniature",
                                             "baby",  "thick",  "thin",  "individual", "king", "child"};

// A unit too long beside its amount gives way to its short form.
constexpr Word kLongUnits[] = {
    // clang-format off
    {"container", "cont."}, {"package", "pkg."}, {"serving", "svg."},   {"servings", "svg."},
    {"medium", "med"},      {"large", "lg"},     {"small", "sm"},      {"individual", "indiv."},
    {"tablespoon", "tbsp"}, {"frankfurter", "frank"}, {"drumstick", "drum."}, {"envelope", "env."},
    {"croissant", "crois."}, {"doughnut", "donut"}, {"chimichanga", "chimi."},
    // clang-format on
};

// The qualifiers worth saying after the unit: how the food was cut or how
// big the piece is.  Anything else ("cooked", "bone removed", a brand) is
// left to the weight.
constexpr Word kQualifiers[] = {
    // clang-format off
    {"chopped", "chop."},   {"diced", "diced"},     {"shredded", "shred."}, {"sliced", "sl."},
    {"slices", "sl."},      {"whole", "whole"},     {"halves", "halv."},    {"pieces", "pcs."},
    {"cubes", "cubes"},     {"mashed", "mash."},    {"crushed", "crush."},  {"crumbled", "crumb."},
    {"grated", "grat."},    {"ground", "grnd."},    {"pitted", "pitted"},   {"sections", "sect."},
    {"pureed", "pureed"},   {"melted", "melted"},   {"whipped", "whip."},   {"sifted", "sifted"},
    {"packed", "packed"},   {"chunks", "chunks"},   {"kernels", "kern."},   {"leaves", "leaves"},
    {"large", "lg"},        {"medium", "med"},      {"small", "sm"},       {"mini", "mini"},
    {"miniature", "mini"},  {"thin", "thin"},       {"thick", "thick"},     {"boneless", "bnls."},
    {"drained", "drn."},    {"thawed", "thawed"},   {"unthawed", "frozen"}, {"dry", "dry"},
    {"jumbo", "jumbo"},     {"baby", "baby"},       {"king", "king"},       {"child", "child"},
    // clang-format on
    {"individual", "indiv."},
};

// Abbreviated units read the same for one or many.
constexpr std::string_view kUncountedUnits[] = {"oz",    "fl oz",   "tbsp",  "tsp",   "lb",    "g",
                                                "ml",    "cu in",   "dash",  "pinch", "small", "medium",
                                                "large", "x-large", "jumbo", "mini",  "ckd",   "raw"};

char toLowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool plainWord(std::string_view w) {
    if (w.empty()) return false;
    for (char c : w)
        if (!isLetter(c) && c != '-' && c != '\'' && c != '.') return false;
    return isLetter(w.front());
}

std::string plural(const std::string& unit) {
    for (auto u : kUncountedUnits)
        if (unit == u) return unit;
    const char last = unit.back();
    if (last == 's' || last == '.' || unit.size() < 3) return unit;
    const char before = unit[unit.size() - 2];
    if (last == 'h' && (before == 'c' || before == 's')) return unit + "es"; // "pinch", "dash"
    if (last == 'y' && std::string_view("aeiou").find(before) == std::string_view::npos)
        return unit.substr(0, unit.size() - 1) + "ies"; // "patty"
    return unit + "s";
}

// The description's words in lower case, remarks in parentheses left out;
// a comma stands alone as a word so that the unit ends there.
std::vector<std::string> measureWords(std::string_view description) {
    std::vector<std::string> words;
    std::string cur;
    int depth = 0;
    auto flush = [&] {
        if (!cur.empty()) words.push_back(cur);
        cur.clear();
    };
    for (char c : description) {
        if (c == '(') ++depth;
        if (depth > 0) {
            if (c == ')') --depth;
            flush();
            continue;
        }
        if (c == ' ' || c == ',') {
            flush();
            if (c == ',') words.emplace_back(",");
            continue;
        }
        cur.push_back(toLowerAscii(c));
    }
    flush();
    return words;
}

const Word* findWord(const auto& table, std::string_view text) {
    for (const Word& w : table)
        if (w.full == text) return &w;
    return nullptr;
}

} // namespace

std::optional<std::string> amountText(double amount) {
    if (!(amount > 0) || amount >= 10000) return std::nullopt;
    const double whole = std::floor(amount + 1e-6);
    const double frac = amount - whole;
    std::string text = whole > 0 ? std::to_string(static_cast<long>(whole)) : std::string();
    if (frac < 1e-3) return text.empty() ? std::nullopt : std::optional<std::string>(text);
    // USDA writes thirds as 0.333 or 0.67 and sixths as 0.167.
    for (int den : {2, 3, 4, 6, 8, 12}) {
        for (int num = 1; num < den; ++num) {
            if (std::fabs(frac - double(num) / den) < 4e-3) {
                std::string f = std::to_string(num) + "/" + std::to_string(den);
                return text.empty() ? f : text + " " + f;
            }
        }
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", amount);
    std::string dec(buf);
    while (dec.back() == '0') dec.pop_back();
    if (dec.back() == '.') dec.pop_back();
    return dec;
}

std::optional<std::string> measureText(double amount, std::string_view description) {
    const std::vector<std::string> words = measureWords(description);
    std::size_t at = 0;
    std::optional<std::string> number;
    // "3\" piece" and "6 oz container": a size says nothing the weight does
    // not; a count multiplies the amount, and "6-8 shrimp" stays a range.
    while (at < words.size() && !plainWord(words[at])) {
        const std::string& w = words[at++];
        if (w.find('"') != std::string::npos) continue;
        const std::size_t dash = w.find('-');
        if (w.size() > 5 || w.find_first_not_of("0123456789-") != std::string::npos || dash == 0 ||
            w.find('-', dash + 1) != std::string::npos || w.back() == '-')
            return std::nullopt;
        if (dash == std::string::npos)
            amount *= std::stod(w);
        else if (std::fabs(amount - 1) < 1e-6)
            number = w;
        else
            return std::nullopt;
    }
    if (at >= words.size()) return std::nullopt;
    std::size_t sizeAt = words.size();
    if (at + 1 < words.size() && plainWord(words[at + 1]) &&
        std::find(std::begin(kSizesBefore), std::end(kSizesBefore), words[at]) != std::end(kSizesBefore))
        sizeAt = at++;
    std::string unit = words[at++];
    if (at < words.size() && findWord(kUnits, unit + " " + words[at])) unit += " " + words[at++];
    if (const Word* u = findWord(kUnits, unit)) unit = std::string(u->brief);

    // The first word after the unit, or after its comma, may say how the
    // food was cut.
    if (at < words.size() && words[at] == ",") ++at;
    const Word* qualifier = at < words.size() ? findWord(kQualifiers, words[at]) : nullptr;
    if (sizeAt < words.size()) qualifier = findWord(kQualifiers, words[sizeAt]);

    if (!number) number = amountText(amount);
    if (!number) return std::nullopt;
    const bool many = amount > 1 + 1e-6;
    const Word* longUnit = findWord(kLongUnits, unit);
    const std::string units[] = {unit, longUnit ? std::string(longUnit->brief) : unit};
    for (const std::string& u : units) {
        const std::string head = *number + " " + (many ? plural(u) : u);
        if (qualifier) {
            for (std::string_view q : {qualifier->full, qualifier->brief}) {
                std::string text = head + ", " + std::string(q);
                if (text.size() <= kMaxServingText) return text;
            }
        }
        if (head.size() <= kMaxServingText) return head;
    }
    return std::nullopt;
}

// ---- Choosing the serving ---------------------------------------------------

namespace {

struct PortionRule {
    std::string_view unit; // the description starts with this word or words
    double minAmount;      // the rule holds from this amount on
    Portion portion;
};

// The first rule whose unit starts the lower-cased description (as whole
// words) and whose amount is reached decides; a measure no rule names is a
// portion someone eats.  "3 oz" of meat or fish is the classic serving, a
// bare ounce is not.
constexpr PortionRule kPortionRules[] = {
    {"unit (yield", 0, Portion::whole}, // the meat of a whole bird
    // clang-format off
    {"roast", 0, Portion::whole},     {"chicken", 0, Portion::whole},  {"turkey", 0, Portion::whole},
    {"duck", 0, Portion::whole},      {"goose", 0, Portion::whole},    {"capon", 0, Portion::whole},
    {"bird", 0, Portion::whole},      {"head", 0, Portion::whole},     {"bunch", 0, Portion::whole},
    {"package", 0, Portion::whole},   {"box", 0, Portion::whole},      {"bag", 0, Portion::whole},
    {"loaf", 0, Portion::whole},      {"pie", 0, Portion::whole},      {"quart", 0, Portion::whole},
    {"gallon", 0, Portion::whole},    {"liter", 0, Portion::whole},    {"recipe", 0, Portion::whole},
    {"rack", 0, Portion::whole},      {"plant", 0, Portion::whole},    {"melon", 0, Portion::whole},
    {"crust", 0, Portion::whole},     {"lb", 0, Portion::whole},       {"pound", 0, Portion::whole},
    {"oz", 2, Portion::eaten},        {"oz", 0, Portion::weighed},     {"ounce", 0, Portion::weighed},
    {"fl oz", 2, Portion::eaten},     {"fl oz", 0, Portion::weighed},  {"g", 0, Portion::weighed},
    {"grams", 0, Portion::weighed},   {"ml", 0, Portion::weighed},     {"cubic inch", 0, Portion::weighed},
    // clang-format on
};

bool startsWithWords(std::string_view text, std::string_view words) {
    if (text.size() < words.size() || text.substr(0, words.size()) != words) return false;
    return text.size() == words.size() || !isLetter(text[words.size()]);
}

} // namespace

Portion portionOf(const SourceMeasure& measure) {
    std::string d;
    for (char c : measure.description) d.push_back(toLowerAscii(c));
    for (const PortionRule& r : kPortionRules)
        if (startsWithWords(d, r.unit) && measure.amount >= r.minAmount) return r.portion;
    return Portion::eaten;
}

Serving chooseServing(const std::vector<SourceMeasure>& measures) {
    struct Candidate {
        bool heavy;
        Portion portion;
        std::size_t order;
        Serving serving;
    };
    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < measures.size(); ++i) {
        const SourceMeasure& m = measures[i];
        if (!(m.grams > 0) || !std::isfinite(m.grams)) continue;
        auto text = measureText(m.amount, m.description);
        if (!text) continue;
        candidates.push_back({m.grams > kMaxServingGrams, portionOf(m), i, {*text, static_cast<float>(m.grams)}});
    }
    if (candidates.empty()) return {"100 g", 100.0f};
    auto best = std::min_element(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        if (a.heavy != b.heavy) return b.heavy;
        if (a.portion != b.portion) return a.portion < b.portion;
        return a.order < b.order;
    });
    return best->serving;
}

} // namespace korva::importer
