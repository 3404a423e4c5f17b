#include "tools/food_naming.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>

#include "core/short_food.h"

namespace korva::importer {

namespace {

using Segments = std::vector<std::string>;

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isLetter(char c) { return isUpper(c) || isLower(c); }
bool isWordChar(char c) { return isLetter(c) || (c >= '0' && c <= '9') || (static_cast<unsigned char>(c) >= 0xC0); }
char toLower(char c) { return isUpper(c) ? char(c - 'A' + 'a') : c; }
char toUpper(char c) { return isLower(c) ? char(c - 'a' + 'A') : c; }

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = toLower(c);
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (toLower(a[i]) != toLower(b[i])) return false;
    return true;
}

// Position of `keyLower` (already lower case) in `text`, ignoring case.
std::size_t findNoCase(std::string_view text, std::string_view keyLower, std::size_t from) {
    if (keyLower.empty() || keyLower.size() > text.size()) return std::string_view::npos;
    for (std::size_t i = from; i + keyLower.size() <= text.size(); ++i) {
        std::size_t j = 0;
        while (j < keyLower.size() && toLower(text[i + j]) == keyLower[j]) ++j;
        if (j == keyLower.size()) return i;
    }
    return std::string_view::npos;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && equalsNoCase(s.substr(0, prefix.size()), prefix);
}

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && equalsNoCase(s.substr(s.size() - suffix.size()), suffix);
}

std::string trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == ',')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == ',')) s.remove_suffix(1);
    return std::string(s);
}

// Collapses runs of blanks and blanks before commas left by removals.
std::string tidy(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        if (c == ',' && !out.empty() && out.back() == ' ') out.pop_back();
        if (c == ',' && !out.empty() && out.back() == ',') continue;
        out.push_back(c);
    }
    return trim(out);
}

// Commas inside parentheses belong to the remark, not to the list.
Segments splitSegments(std::string_view d) {
    Segments out;
    int depth = 0;
    std::string cur;
    for (char c : d) {
        if (c == '(') ++depth;
        if (c == ')' && depth > 0) --depth;
        if (c == ',' && depth == 0) {
            if (auto t = trim(cur); !t.empty()) out.push_back(t);
            cur.clear();
            continue;
        }
        cur.push_back(c);
    }
    if (auto t = trim(cur); !t.empty()) out.push_back(t);
    return out;
}

std::string join(const Segments& segs) {
    std::string out;
    for (const auto& s : segs) {
        if (s.empty()) continue;
        if (!out.empty()) out += ", ";
        out += s;
    }
    return out;
}

// Short capitals that read as what they are.
constexpr std::string_view kAcronyms[] = {"USDA", "BBQ", "DHA", "FOS", "NFS", "USA", "KFC", "UHT", "RTE",
                                          "NLEA", "TV", "PB", "II", "III", "CLA", "XL", "MSG", "US"};

// Brand names arrive in capitals ("KELLOGG'S FROSTED MINI-WHEATS"); in a
// short list they read better in mixed case.
std::string mixedCaseWord(std::string_view w) {
    int upper = 0, lowerCount = 0;
    for (char c : w) {
        if (isUpper(c)) ++upper;
        if (isLower(c)) ++lowerCount;
    }
    std::string s(w);
    if (upper < 2) return s;
    // "McDONALD'S": a name prefix before the capitals.
    if (s.size() > 3 && s[0] == 'M' && s[1] == 'c' && lowerCount == 1) {
        std::string rest = mixedCaseWord(s.substr(2));
        return "Mc" + rest;
    }
    if (lowerCount > 0) return s;
    std::string letters;
    for (char c : s)
        if (isLetter(c)) letters.push_back(c);
    for (auto a : kAcronyms)
        if (letters == a) return s;
    bool first = true;
    for (char& c : s) {
        if (isLetter(c)) {
            c = first ? c : toLower(c);
            first = false;
        } else if (c == '-' || c == '.' || c == '/') {
            first = true; // each part of "CINNA-RAISIN" keeps its capital
        }
    }
    return s;
}

std::string mixedCase(std::string_view text) {
    std::string out, word;
    auto flush = [&] {
        out += mixedCaseWord(word);
        word.clear();
    };
    for (char c : text) {
        if (c == ' ' || c == '(' || c == ')' || c == ',' || c == '&') {
            flush();
            out.push_back(c);
        } else {
            word.push_back(c);
        }
    }
    flush();
    return out;
}

// Replaces whole-word occurrences of `from`, ignoring case; a replacement at
// the start of a capitalised word keeps the capital.
std::string replacedWords(std::string_view text, std::string_view key, std::string_view to) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t at = findNoCase(text, key, i);
        if (at == std::string::npos) break;
        bool startOk = at == 0 || !isWordChar(text[at - 1]);
        bool endOk = at + key.size() >= text.size() || !isWordChar(text[at + key.size()]);
        if (!startOk || !endOk) {
            out.append(text.substr(i, at + 1 - i));
            i = at + 1;
            continue;
        }
        out.append(text.substr(i, at - i));
        std::string rep(to);
        if (!rep.empty() && isUpper(text[at]) && isLower(rep[0])) rep[0] = toUpper(rep[0]);
        out += rep;
        i = at + key.size();
    }
    out.append(text.substr(std::min(i, text.size())));
    return tidy(out);
}

// The table keys are lower case already, so the common case (no match)
// costs one scan and no copy.
void replaceWords(std::string& text, std::string_view keyLower, std::string_view to) {
    if (findNoCase(text, keyLower, 0) == std::string_view::npos) return;
    text = replacedWords(text, keyLower, to);
}

// ---- Rules that always apply --------------------------------------------

// Group words that say nothing once the food is in its category.
constexpr std::string_view kDroppedHeads[] = {
    "spices", "fish", "crustaceans", "mollusks", "nuts", "seeds", "cereals ready-to-eat", "cereals",
    "fast foods", "fast food", "beverages", "game meat", "candies", "snacks", "alcoholic beverage",
    "usda commodity", "usda commodity food", "usda commodity food"};

constexpr std::string_view kMakerSuffixes[] = {" company", " co.", " inc.", " inc", " corp", " corp."};

// Segments that are true of almost every food beside them.
constexpr std::string_view kFillerSegments[] = {"broilers or fryers", "all classes", "mature seeds",
                                                "composite of trimmed retail cuts"};

// First words whose list reads better turned round: "Soup, tomato" is a
// tomato soup.
struct Turn {
    std::string_view head;
    std::string_view noun;
};
constexpr Turn kTurns[] = {{"soup", "soup"}, {"sauce", "sauce"}, {"gravy", "gravy"},
                           {"salad dressing", "dressing"}};

// Animals whose cuts are named "animal, cut": merged into "Chicken breast".
constexpr std::string_view kAnimals[] = {"chicken", "turkey", "beef", "pork", "lamb", "veal", "duck", "goose"};
constexpr std::string_view kAnimalFillers[] = {"fresh", "domestic"};
// Kinds of bird; the cut after them joins the animal and the kind follows.
constexpr std::string_view kAnimalKinds[] = {"young tom", "young hen", "fryer-roasters", "roasting", "stewing",
                                             "capons", "cornish game hens"};
constexpr std::string_view kCuts[] = {
    "breast",  "leg",      "thigh",     "wing",          "drumstick", "back",       "neck",      "giblets",
    "liver",   "heart",    "gizzard",   "skin",          "light meat", "dark meat", "brisket",   "chuck",
    "rib",     "loin",     "tenderloin", "shoulder",     "round",     "flank",      "shank",     "sirloin",
    "short loin", "top sirloin", "bottom sirloin", "top loin", "spareribs", "plate", "leg (ham)", "foreshank",
    "backribs", "cured",   "ham"};

constexpr std::string_view kCookingMethods[] = {
    "roasted", "broiled", "braised", "boiled", "fried", "baked", "stewed", "simmered", "grilled",
    "pan-fried", "microwaved", "steamed", "pan-broiled", "dry heat", "moist heat", "stir-fried",
    "poached", "scrambled", "hard-boiled", "smoked", "batter-dipped", "breaded"};

// Phrases said more briefly wherever they appear.
constexpr std::pair<std::string_view, std::string_view> kAlwaysShorter[] = {
    {"separable lean and fat", "lean & fat"},
    {"separable lean only", "lean only"},
    {"separable fat", "fat only"},
    {"trimmed to", ""},
    {"usda choice", "choice"},
    {"usda select", "select"},
    {"usda prime", "prime"},
    {"babyfood", "Baby food"},
    {"lean meat /", "lean /"},
};

bool inList(std::string_view s, const auto& list) {
    for (auto item : list)
        if (equalsNoCase(s, item)) return true;
    return false;
}

bool startsWithAny(std::string_view s, const auto& list) {
    for (auto item : list)
        if (startsWithNoCase(s, item) && (s.size() == item.size() || !isWordChar(s[item.size()]))) return true;
    return false;
}

void dropHead(Segments& segs) {
    if (segs.size() < 2) return;
    bool maker = false;
    for (auto suffix : kMakerSuffixes)
        if (endsWithNoCase(segs[0], suffix)) maker = true;
    if (maker || inList(segs[0], kDroppedHeads)) segs.erase(segs.begin());
    // "Alcoholic beverage, distilled, all (gin, rum ...)": spirits, then.
    if (equalsNoCase(segs[0], "distilled")) segs[0] = "Distilled spirits";
}

void dropFillers(Segments& segs) {
    for (std::size_t i = 1; i < segs.size();) {
        if (inList(segs[i], kFillerSegments))
            segs.erase(segs.begin() + long(i));
        else
            ++i;
    }
}

std::string firstLower(std::string s) {
    // Only an ordinary capitalised word is lowered, never a brand in capitals.
    if (s.size() > 1 && isUpper(s[0]) && !isUpper(s[1])) s[0] = toLower(s[0]);
    return s;
}

bool isBrandWord(std::string_view w) {
    int letters = 0;
    for (char c : w) {
        if (isLower(c)) return false;
        if (isUpper(c)) ++letters;
    }
    if (letters < 3) return false;
    for (auto a : kAcronyms)
        if (w == a) return false;
    return true;
}

// "KELLOGG, KELLOGG'S RICE KRISPIES", "McDONALD'S, Big Mac" and "CAMPBELL'S
// Red and White, Tomato Soup": a maker or product line before the food.  The
// food goes first so that typing its name finds it.  Runs on the source
// text, before mixed case hides the capitals.
void brandAfterFood(Segments& segs) {
    if (segs.size() < 2) return;
    std::string_view head = segs[0];
    bool allBrand = true;
    bool firstIsBrand = false;
    bool hasDigit = false;
    for (bool first = true; !head.empty(); first = false) {
        std::size_t blank = head.find(' ');
        std::string word(head.substr(0, blank));
        if (word.starts_with("Mc")) word = word.substr(2);
        const bool brand = isBrandWord(word) || (!first && (word == "USA" || word == "&"));
        if (first) firstIsBrand = brand;
        allBrand = allBrand && brand;
        for (char c : word) hasDigit = hasDigit || (c >= '0' && c <= '9');
        head = blank == std::string_view::npos ? std::string_view{} : head.substr(blank + 1);
    }
    // "PIZZA HUT 12" Cheese Pizza, Regular Crust" already names its food.
    const bool nextIsName = isUpper(segs[1][0]);
    if (allBrand || (firstIsBrand && nextIsName && !hasDigit)) std::swap(segs[0], segs[1]);
}

void turnHead(Segments& segs) {
    if (segs.size() < 2) return;
    for (const Turn& t : kTurns) {
        if (!equalsNoCase(segs[0], t.head)) continue;
        std::string what = segs[1];
        if (lower(what).find(t.noun) == std::string::npos) what += " " + std::string(t.noun);
        segs.erase(segs.begin());
        segs[0] = what;
        return;
    }
}

void mergeAnimalCut(Segments& segs) {
    if (segs.size() < 2 || !inList(segs[0], kAnimals)) return;
    while (segs.size() > 2 && inList(segs[1], kAnimalFillers)) segs.erase(segs.begin() + 1);
    if (equalsNoCase(segs[1], "ground")) {
        segs[0] = "Ground " + lower(segs[0]);
        segs.erase(segs.begin() + 1);
        return;
    }
    if (segs.size() > 2 && inList(segs[1], kAnimalKinds) && startsWithAny(segs[2], kCuts)) std::swap(segs[1], segs[2]);
    if (!startsWithAny(segs[1], kCuts)) return;
    const std::string animal = segs[0];
    const std::string primal = lower(segs[1]);
    segs[0] += " " + firstLower(segs[1]);
    segs.erase(segs.begin() + 1);
    // "Beef, round, top round" and "Beef, short loin, t-bone steak": the
    // named cut says it all.
    if (segs.size() < 2) return;
    const std::string sub = lower(segs[1]);
    const std::string primalWord = primal.substr(primal.rfind(' ') + 1);
    if (sub.ends_with(" " + primalWord) || sub.ends_with(" steak") || sub.ends_with(" roast")) {
        segs[0] = animal + " " + sub;
        segs.erase(segs.begin() + 1);
    }
}

// "cooked, roasted" says "roasted".
void dropCookedBeforeMethod(Segments& segs) {
    for (std::size_t i = 1; i + 1 < segs.size(); ++i) {
        if (equalsNoCase(segs[i], "cooked") && startsWithAny(segs[i + 1], kCookingMethods)) {
            segs.erase(segs.begin() + long(i));
            return;
        }
    }
}

// ---- Shortening, only as far as needed ------------------------------------

// Applied one after another to everything but the main food until the name
// fits; the same word is always shortened the same way.
constexpr std::pair<std::string_view, std::string_view> kShorterWhenLong[] = {
    {"(alaska native)", "Alaska"},
    {"prepared with equal volume water", "prep w/ water"},
    {"prepared with equal volume milk", "prep w/ milk"},
    {"with equal volume water", "w/ water"},
    {"with equal volume milk", "w/ milk"},
    {"without added salt", "no salt"},
    {"without salt", "no salt"},
    {"with salt", "salted"},
    {"and", "&"},
    {"without", "w/o"},
    {"with", "w/"},
    {"commercially prepared", "commercial"},
    {"ready-to-eat", "RTE"},
    {"ready-to-serve", "RTS"},
    {"ready-to-drink", "RTD"},
    {"ready-to-bake", "RTB"},
    {"ready-to-heat", "RTH"},
    {"including", "incl"},
    {"boneless", "bnls"},
    {"skinless", "sknls"},
    {"prepared", "prep"},
    {"unprepared", "unprep"},
    {"cooked", "ckd"},
    {"canned", "cnd"},
    {"frozen", "frz"},
    {"condensed", "cond"},
    {"concentrate", "conc"},
    {"reconstituted", "recon"},
    {"enriched", "enr"},
    {"unenriched", "unenr"},
    {"fortified", "fort"},
    {"vitamin", "vit"},
    {"chocolate", "choc"},
    {"vegetables", "veg"},
    {"vegetable", "veg"},
    {"reduced", "red"},
    {"calorie", "cal"},
    {"calories", "cal"},
    {"drained", "drnd"},
    {"regular", "reg"},
    {"commercial", "comm"},
    {"unsweetened", "unswtnd"},
    {"sweetened", "swtnd"},
    {"powder", "pwd"},
    {"medium", "med"},
    {"large", "lrg"},
    {"small", "sml"},
    {"package", "pkg"},
    {"flavored", "flav"},
    {"imitation", "imit"},
    {"solids and liquids", "w/ liquid"},
    {"solids & liquids", "w/ liquid"},
    {"microwaved", "micro"},
    {"refrigerated", "refrig"},
    {"dehydrated", "dehyd"},
    {"uncooked", "unckd"},
    {"original", "orig"},
    {"traditional", "trad"},
    {"restaurant-prepared", "restaurant"},
    {"ingredients", "ingr"},
    {"whole", "whl"},
    {"lowfat", "lofat"},
    {"nonfat", "nofat"},
    {"mixed species", "mixed"},
    {"lean only", "lean"},
    {"lean & fat", "lean+fat"},
    {"meat & skin", "w/ skin"},
    {"meat only", "meat"},
    {"fryer-roasters", "fryer"},
    {"young tom", "tom"},
    {"young hen", "hen"},
    {"separable", "sep"},
    {"mushroom", "mushrm"},
    {"unsalted", "no salt"},
    {"partially hydrogenated", "part hydrog"},
    {"hydrogenated", "hydrog"},
    {"soybean", "soy"},
    {"home-prepared", "home-prep"},
    {"from recipe", "recipe"},
    {"ascorbic acid", "vit C"},
};

std::string joinHeadAndTail(const std::string& head, const std::string& tail) {
    return tail.empty() ? head : head + ", " + tail;
}

// Parenthetical remarks, dropped when room is short: first the ones that
// only explain, then all.
std::string dropRemarks(std::string_view s, bool onlyExplanations) {
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] != '(') {
            out.push_back(s[i++]);
            continue;
        }
        std::size_t close = s.find(')', i);
        if (close == std::string_view::npos) {
            out.append(s.substr(i));
            break;
        }
        std::string inner = lower(s.substr(i + 1, close - i - 1));
        bool explanation = inner.starts_with("includes") || inner.starts_with("formerly") ||
                           inner.starts_with("excludes") || inner.starts_with("made with") ||
                           inner.find("navajo") != std::string::npos ||
                           inner.find("apache") != std::string::npos || inner.find("hopi") != std::string::npos ||
                           inner.find("shoshone") != std::string::npos;
        if (onlyExplanations && !explanation)
            out.append(s.substr(i, close + 1 - i));
        i = close + 1;
    }
    return tidy(out);
}

// Cuts at the last word boundary within `limit`.
std::string cutTo(std::string s, std::size_t limit) {
    if (s.size() <= limit) return s;
    std::size_t cut = limit;
    while (cut > 0 && isWordChar(s[cut]) && isWordChar(s[cut - 1])) --cut;
    if (cut < limit / 2) cut = limit; // one long word: cut inside it
    s.resize(cut);
    // A cut remark loses its open parenthesis; no dangling joiners.
    std::string t = trim(s);
    while (!t.empty() && (t.back() == '(' || t.back() == '&' || t.back() == '/' || t.back() == '-'))
        t = trim(t.substr(0, t.size() - 1));
    return t;
}

std::string cutToFit(std::string s) { return cutTo(std::move(s), kMaxFoodName); }

// The head (main food) and the qualifiers after it, with the rules that
// always apply done.
struct NameParts {
    std::string head;
    Segments tail;
    Segments shortTail; // the tail shortened as far as the rules go
    bool fits = false;  // head and shortTail fit in a name
};

bool abbreviateToFit(const std::string& head, Segments& tail);

NameParts prepare(std::string_view longDesc) {
    Segments segs = splitSegments(longDesc);
    if (segs.empty()) segs.push_back("Food");
    dropHead(segs);
    brandAfterFood(segs);
    for (auto& seg : segs) seg = tidy(mixedCase(seg));
    dropFillers(segs);
    turnHead(segs);
    mergeAnimalCut(segs);
    dropCookedBeforeMethod(segs);
    NameParts parts;
    parts.head = segs[0];
    for (const auto& [from, to] : kAlwaysShorter) replaceWords(parts.head, from, to);
    if (!parts.head.empty()) parts.head[0] = toUpper(parts.head[0]);
    for (std::size_t i = 1; i < segs.size(); ++i) {
        std::string s = segs[i];
        for (const auto& [from, to] : kAlwaysShorter) replaceWords(s, from, to);
        if (!s.empty()) parts.tail.push_back(s);
    }
    parts.shortTail = parts.tail;
    parts.fits = abbreviateToFit(parts.head, parts.shortTail);
    // "Wieners (beef franks, light)": when room is short the remark in the
    // main food competes with the other qualifiers.
    const std::size_t open = parts.head.find('(');
    const std::size_t close = parts.head.find(')', open == std::string::npos ? 0 : open);
    if (!parts.fits && open != std::string::npos && close != std::string::npos) {
        std::string remark = trim(parts.head.substr(open + 1, close - open - 1));
        parts.head = dropRemarks(parts.head, false);
        if (!remark.empty()) parts.shortTail.insert(parts.shortTail.begin(), remark);
        parts.fits = joinHeadAndTail(parts.head, join(parts.shortTail)).size() <= kMaxFoodName;
    }
    return parts;
}

// Shortens the qualifiers word by word until the name fits; true when it does.
// "85% lean / 15% fat" (ground meat) says "85/15".
void shortenLeanToFat(std::string& s) {
    const std::size_t mid = s.find("% lean / ");
    if (mid == std::string::npos || !s.ends_with("% fat")) return;
    s = s.substr(0, mid) + "/" + s.substr(mid + 9, s.size() - mid - 9 - 5);
}

bool abbreviateToFit(const std::string& head, Segments& tail) {
    auto fits = [&] { return joinHeadAndTail(head, join(tail)).size() <= kMaxFoodName; };
    if (fits()) return true;
    for (auto& s : tail) s = dropRemarks(s, true);
    for (const auto& [from, to] : kShorterWhenLong) {
        if (fits()) return true;
        for (auto& s : tail) replaceWords(s, from, to);
    }
    for (auto& s : tail) shortenLeanToFat(s);
    if (fits()) return true;
    for (auto& s : tail) s = dropRemarks(s, false);
    std::erase_if(tail, [](const std::string& s) { return s.empty(); });
    return fits();
}

// How many foods of a kind (same category and main food) share a qualifier.
using QualifierCounts = std::map<std::string, int>;

std::string qualifierKey(int category, const std::string& head, const std::string& qualifier) {
    return std::to_string(category) + "|" + lower(head) + "|" + lower(qualifier);
}

// When even the shortened qualifiers do not all fit, keep those that tell
// this food from its kin (the ones fewest of them share), then the last one
// (it usually says raw or how the food was cooked), in their own order.
std::string selectQualifiers(int category, std::string head, const Segments& tail, const QualifierCounts* counts) {
    // A remark in the main food ("Chickpeas (garbanzo beans, bengal gram)")
    // gives way to the qualifiers.
    head = dropRemarks(head, false);
    std::vector<std::size_t> order(tail.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::vector<int> count(tail.size(), 0);
    if (counts) {
        for (std::size_t i = 0; i < tail.size(); ++i) {
            auto it = counts->find(qualifierKey(category, head, tail[i]));
            if (it != counts->end()) count[i] = it->second;
        }
    }
    auto countOf = [&](std::size_t i) { return count[i]; };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        int ca = countOf(a), cb = countOf(b);
        if (ca != cb) return ca < cb;
        bool lastA = a + 1 == tail.size(), lastB = b + 1 == tail.size();
        if (lastA != lastB) return lastA;
        return a < b;
    });
    std::vector<bool> keep(tail.size(), false);
    std::size_t length = head.size();
    Segments cut = tail;
    for (std::size_t i : order) {
        if (length + 2 + cut[i].size() > kMaxFoodName) {
            // The most telling qualifier is kept in part rather than lost.
            if (i != order.front() || length + 6 > kMaxFoodName) continue;
            cut[i] = cutTo(cut[i], kMaxFoodName - length - 2);
        }
        keep[i] = true;
        length += 2 + cut[i].size();
    }
    Segments kept;
    for (std::size_t i = 0; i < tail.size(); ++i)
        if (keep[i]) kept.push_back(cut[i]);
    return cutToFit(tidy(joinHeadAndTail(head, join(kept))));
}

std::string nameFromParts(int category, const NameParts& parts, const QualifierCounts* counts) {
    if (parts.fits) return tidy(joinHeadAndTail(parts.head, join(parts.shortTail)));
    return selectQualifiers(category, parts.head, parts.shortTail, counts);
}

} // namespace

std::string shortFoodName(std::string_view longDesc) { return nameFromParts(0, prepare(longDesc), nullptr); }

std::vector<std::string> nameFoods(const std::vector<FoodToName>& foods) {
    std::vector<NameParts> parts;
    parts.reserve(foods.size());
    QualifierCounts counts;
    for (const FoodToName& f : foods) {
        parts.push_back(prepare(f.longDesc));
        if (parts.back().fits) continue;
        for (const auto& q : parts.back().shortTail) ++counts[qualifierKey(f.category, parts.back().head, q)];
    }
    std::vector<NamedFood> named;
    named.reserve(foods.size());
    for (std::size_t i = 0; i < foods.size(); ++i)
        named.push_back({foods[i].category, nameFromParts(foods[i].category, parts[i], &counts)});
    // Foods that still share a name choose again, counting first among
    // themselves (what they all have in common is then worth nothing), then
    // among all their kind.
    // A new choice may trade one clash for a larger one; each food keeps
    // the name it shared with the fewest others.
    std::vector<std::string> best(named.size());
    std::vector<std::size_t> bestClash(named.size(), SIZE_MAX);
    for (int round = 0; round <= 3; ++round) {
        std::map<std::pair<int, std::string>, std::vector<std::size_t>> clashes;
        for (std::size_t i = 0; i < named.size(); ++i) clashes[{named[i].category, lower(named[i].name)}].push_back(i);
        for (const auto& [key, members] : clashes) {
            for (std::size_t i : members) {
                if (members.size() < bestClash[i]) {
                    bestClash[i] = members.size();
                    best[i] = named[i].name;
                }
            }
            if (members.size() < 2 || round == 3) continue;
            QualifierCounts local;
            for (std::size_t i : members)
                for (const auto& q : parts[i].shortTail) local[qualifierKey(foods[i].category, parts[i].head, q)] += 100000;
            for (auto& [q, n] : local) {
                auto it = counts.find(q);
                n += it == counts.end() ? 0 : it->second;
            }
            for (std::size_t i : members) {
                named[i].name = nameFromParts(foods[i].category, parts[i], &local);
            }
        }
    }
    for (std::size_t i = 0; i < named.size(); ++i) named[i].name = best[i];
    makeNamesDistinct(named);
    std::vector<std::string> out;
    out.reserve(named.size());
    for (auto& n : named) out.push_back(std::move(n.name));
    return out;
}

void makeNamesDistinct(std::vector<NamedFood>& foods) {
    // Lower-cased name per category, so "Tea" and "TEA" clash as well.
    std::map<std::pair<int, std::string>, int> used;
    for (const NamedFood& f : foods) used[{f.category, lower(f.name)}] += 0;
    std::map<std::pair<int, std::string>, int> seen;
    for (NamedFood& f : foods) {
        auto key = std::make_pair(f.category, lower(f.name));
        if (seen[key]++ == 0) continue;
        for (int n = 2;; ++n) {
            std::string suffix = " #" + std::to_string(n);
            std::string base = f.name.substr(0, kMaxFoodName - suffix.size());
            std::string candidate = trim(base) + suffix;
            auto ckey = std::make_pair(f.category, lower(candidate));
            if (used.count(ckey)) continue;
            used[ckey] = 1;
            seen[ckey] = 1;
            f.name = candidate;
            break;
        }
    }
}

} // namespace korva::importer
