#include "tools/name_parts.h"

namespace korva::importer::naming {

namespace {

// ---- Rules that always apply --------------------------------------------

// Group words that say nothing once the food is in its category.
constexpr std::string_view kDroppedHeads[] = {"spices",
                                              "fish",
                                              "crustaceans",
                                              "mollusks",
                                              "nuts",
                                              "seeds",
                                              "cereals ready-to-eat",
                                              "cereals",
                                              "fast foods",
                                              "fast food",
                                              "beverages",
                                              "game meat",
                                              "candies",
                                              "snacks",
                                              "alcoholic beverage",
                                              "usda commodity",
                                              "usda commodity food",
                                              "usda commodity food"};

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
// clang-format off
constexpr Turn kTurns[] = {{"soup", "soup"}, {"sauce", "sauce"}, {"gravy", "gravy"},
                           {"salad dressing", "dressing"}};
// clang-format on

// Animals whose cuts are named "animal, cut": merged into "Chicken breast".
constexpr std::string_view kAnimals[] = {"chicken", "turkey", "beef", "pork", "lamb", "veal", "duck", "goose"};
constexpr std::string_view kAnimalFillers[] = {"fresh", "domestic"};
// Kinds of bird; the cut after them joins the animal and the kind follows.
constexpr std::string_view kAnimalKinds[] = {"young tom", "young hen", "fryer-roasters",   "roasting",
                                             "stewing",   "capons",    "cornish game hens"};
constexpr std::string_view kCuts[] = {"breast",     "leg",         "thigh",          "wing",     "drumstick", "back",
                                      "neck",       "giblets",     "liver",          "heart",    "gizzard",   "skin",
                                      "light meat", "dark meat",   "brisket",        "chuck",    "rib",       "loin",
                                      "tenderloin", "shoulder",    "round",          "flank",    "shank",     "sirloin",
                                      "short loin", "top sirloin", "bottom sirloin", "top loin", "spareribs", "plate",
                                      "leg (ham)",  "foreshank",   "backribs",       "cured",    "ham"};

constexpr std::string_view kCookingMethods[] = {
    "roasted", "broiled",   "braised",     "boiled",  "fried",         "baked",    "stewed",     "simmered",
    "grilled", "pan-fried", "microwaved",  "steamed", "pan-broiled",   "dry heat", "moist heat", "stir-fried",
    "poached", "scrambled", "hard-boiled", "smoked",  "batter-dipped", "breaded"};

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
    return !isAcronym(w);
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

} // namespace

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

namespace {

// "85% lean / 15% fat" (ground meat) says "85/15".
void shortenLeanToFat(std::string& s) {
    const std::size_t mid = s.find("% lean / ");
    if (mid == std::string::npos || !s.ends_with("% fat")) return;
    s = s.substr(0, mid) + "/" + s.substr(mid + 9, s.size() - mid - 9 - 5);
}

// Cooking words said briefly only where a name would otherwise need a number.
constexpr std::pair<std::string_view, std::string_view> kShortestForms[] = {
    // clang-format off
    {"braised", "brsd"}, {"broiled", "brld"}, {"roasted", "rstd"},   {"simmered", "smrd"},
    {"unheated", "unhtd"}, {"heated", "htd"}, {"pan-broil", "pan-brld"}, {"grilled", "grld"},
    {"strained", "strnd"}, {"toddler", "tddlr"}, {"junior", "jr"},   {"beverage", "bev"},
    {"contains", "w/"},
    // clang-format on
};

} // namespace

std::string shortestForm(std::string qualifier) {
    for (const auto& [from, to] : kShorterWhenLong) replaceWords(qualifier, from, to);
    shortenLeanToFat(qualifier);
    for (const auto& [from, to] : kShortestForms) replaceWords(qualifier, from, to);
    return qualifier;
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

} // namespace korva::importer::naming
