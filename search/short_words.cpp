#include "search/short_words.h"

#include <algorithm>
#include <array>

namespace korva {

namespace {

// clang-format off
constexpr std::array<ShortWord, 54> kShortWords{{
    {"beverage", "bev"},       {"boneless", "bnls"},        {"braised", "brsd"},
    {"broiled", "brld"},       {"calorie", "cal"},          {"canned", "cnd"},
    {"chocolate", "choc"},     {"commercial", "comm"},      {"concentrate", "conc"},
    {"condensed", "cond"},     {"cooked", "ckd"},           {"dehydrated", "dehyd"},
    {"drained", "drnd"},       {"enriched", "enr"},         {"flavored", "flav"},
    {"fortified", "fort"},     {"frozen", "frz"},           {"grilled", "grld"},
    {"heated", "htd"},         {"hydrogenated", "hydrog"},  {"imitation", "imit"},
    {"junior", "jr"},          {"large", "lrg"},            {"lowfat", "lofat"},
    {"medium", "med"},         {"microwaved", "micro"},     {"mushroom", "mushrm"},
    {"nonfat", "nofat"},       {"original", "orig"},        {"powder", "pwd"},
    {"prepared", "prep"},      {"reconstituted", "recon"},  {"reduced", "red"},
    {"refrigerated", "refrig"},{"regular", "reg"},          {"roasted", "rstd"},
    {"skinless", "sknls"},     {"small", "sml"},            {"strained", "strnd"},
    {"sweetened", "swtnd"},    {"traditional", "trad"},     {"uncooked", "unckd"},
    {"unenriched", "unenr"},   {"unheated", "unhtd"},       {"unprepared", "unprep"},
    {"unsweetened", "unswtnd"},{"vegetable", "veg"},        {"vitamin", "vit"},
    {"whole", "whl"},          {"with", "w"},               {"without", "wo"},
    {"soybean", "soy"},        {"ready", "rts"},            {"ready", "rte"},
}};
// clang-format on

// Typing "cooked" also finds the foods whose names say how they were
// cooked; typing one of these finds only its own.
constexpr std::array<std::string_view, 15> kWaysOfCooking{"boiled", "braised", "roasted",    "broiled", "baked",
                                                          "fried",  "grilled", "simmered",   "stewed",  "steamed",
                                                          "heated", "toasted", "microwaved", "poached", "scrambled"};

constexpr std::array<std::string_view, 9> kQuietWords{"drained", "drnd", "no", "salt",   "salted",
                                                      "w",       "with", "wo", "without"};

// True when the typed word stands for `full`: equal, or a start of it at
// least three letters long that is no full form itself ("with" is not the
// start of "without").
bool standsFor(std::string_view typed, std::string_view full) {
    if (typed == full) return true;
    const bool isFull =
        std::any_of(kShortWords.begin(), kShortWords.end(), [&](const ShortWord& s) { return s.full == typed; });
    return !isFull && typed.size() >= 3 && full.starts_with(typed);
}

void addWithShortForms(std::vector<std::string>& out, std::string_view full) {
    out.emplace_back(full);
    for (const ShortWord& s : kShortWords)
        if (s.full == full) out.emplace_back(s.shortForm);
}

} // namespace

std::span<const ShortWord> shortWordTable() { return kShortWords; }

bool isQuietWord(std::string_view nameWord) {
    return std::find(kQuietWords.begin(), kQuietWords.end(), nameWord) != kQuietWords.end();
}

std::vector<std::string> alsoMatching(std::string_view typedWord) {
    std::vector<std::string> out;
    bool cooked = standsFor(typedWord, "cooked");
    for (const ShortWord& s : kShortWords) {
        if (standsFor(typedWord, s.full)) out.emplace_back(s.shortForm);
        if (typedWord == s.shortForm) {
            out.emplace_back(s.full);
            cooked = cooked || s.full == "cooked";
        }
    }
    if (cooked)
        for (std::string_view way : kWaysOfCooking) addWithShortForms(out, way);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

} // namespace korva
