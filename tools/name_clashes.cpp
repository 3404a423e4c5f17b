#include <algorithm>
#include <bit>
#include <map>
#include <optional>
#include <set>

#include "tools/name_parts.h"

namespace korva::importer::naming {

namespace {

using NameKey = std::pair<int, std::string>; // category, lower-case name

// The qualifiers of a food, each in its shortest form, a remark in
// parentheses standing on its own: "center loin (chops)" is "center loin"
// and "chops", which is what tells it from "center loin (roasts)".
Segments qualifiersOf(const NameParts& parts) {
    Segments out;
    for (const std::string& seg : parts.tail) {
        const std::size_t open = seg.find('(');
        const std::size_t close = seg.find(')', open == std::string::npos ? 0 : open);
        if (open != std::string::npos && close != std::string::npos) {
            if (auto outside = tidy(dropRemarks(seg, false)); !outside.empty()) out.push_back(shortestForm(outside));
            if (auto inside = tidy(seg.substr(open + 1, close - open - 1)); !inside.empty())
                out.push_back(shortestForm(inside));
        } else if (auto s = tidy(seg); !s.empty()) {
            out.push_back(shortestForm(s));
        }
    }
    return out;
}

bool containsNoCase(const Segments& segs, const std::string& s) {
    return std::any_of(segs.begin(), segs.end(), [&](const std::string& t) { return equalsNoCase(t, s); });
}

// The first qualifier of the shared name usually names the food itself
// ("Baby food, applesauce & apricots"): a new name keeps it.
std::string firstSharedQualifier(const std::string& sharedName, const std::string& head) {
    if (sharedName.size() <= head.size() + 2) return {};
    const Segments segs = splitSegments(sharedName.substr(head.size()));
    return segs.empty() ? std::string() : segs.front();
}

// A name for food `self` of a clash group, or none.  Candidates keep every
// qualifier that differs within the group and as many of the shared ones as
// fit, preferring the later ones (they say how the food was cooked).
std::optional<std::string> distinctName(const std::string& head, const Segments& own,
                                        const std::vector<Segments>& group, const std::string& mustKeep, int category,
                                        const std::set<NameKey>& taken) {
    std::vector<bool> differs(own.size());
    Segments shared;
    for (std::size_t k = 0; k < own.size(); ++k) {
        differs[k] = !std::all_of(group.begin(), group.end(),
                                  [&](const Segments& other) { return containsNoCase(other, own[k]); });
        if (!differs[k]) shared.push_back(own[k]);
    }
    if (shared.size() > 12) return std::nullopt;
    std::vector<unsigned> masks(1u << shared.size());
    for (unsigned m = 0; m < masks.size(); ++m) masks[m] = m;
    std::stable_sort(masks.begin(), masks.end(), [](unsigned a, unsigned b) {
        if (std::popcount(a) != std::popcount(b)) return std::popcount(a) > std::popcount(b);
        return a > b;
    });
    for (unsigned mask : masks) {
        Segments kept;
        bool keepsMain = mustKeep.empty();
        for (std::size_t k = 0, s = 0; k < own.size(); ++k) {
            if (!differs[k] && !(mask >> s++ & 1u)) continue;
            kept.push_back(own[k]);
            keepsMain = keepsMain || equalsNoCase(own[k], mustKeep);
        }
        const std::string name = tidy(joinHeadAndTail(head, join(kept)));
        if (keepsMain && name.size() <= kMaxFoodName && !taken.count({category, lower(name)})) return name;
    }
    // Still too long: what differs goes whole at the end, the main food and
    // its first qualifier give way as far as they must.
    Segments ownDiffers;
    for (std::size_t k = 0; k < own.size(); ++k)
        if (differs[k]) ownDiffers.push_back(own[k]);
    const std::string tail = join(ownDiffers);
    const std::string front = tidy(joinHeadAndTail(head, mustKeep));
    if (tail.empty() || tail.size() + 2 + 16 > kMaxFoodName) return std::nullopt;
    const std::string name = tidy(cutTo(front, kMaxFoodName - tail.size() - 2) + ", " + tail);
    if (taken.count({category, lower(name)})) return std::nullopt;
    return name;
}

// Words that join others and say nothing at the end or start of a part.
constexpr std::string_view kJoiners[] = {"and", "&", "with", "w/", "w", "or", "of", "in", "--", "-", "+"};

bool isJoiner(std::string_view w) {
    return std::any_of(std::begin(kJoiners), std::end(kJoiners),
                       [&](std::string_view j) { return equalsNoCase(w, j); });
}

// `text` without joining words at its end: "Campbell's Red and" ends at "Red".
std::string withoutTrailingJoiners(std::string text) {
    for (;;) {
        text = tidy(text);
        const std::size_t blank = text.find_last_of(" ,");
        const std::string_view last =
            blank == std::string::npos ? std::string_view(text) : std::string_view(text).substr(blank + 1);
        if (blank == std::string::npos || !isJoiner(last)) return text;
        text.resize(blank);
    }
}

std::vector<std::string> wordsOf(const std::string& head, const Segments& qualifiers) {
    std::vector<std::string> words;
    std::string cur;
    for (char c : joinHeadAndTail(head, join(qualifiers)) + " ") {
        if (c == ' ' || c == ',') {
            if (!cur.empty()) words.push_back(cur);
            cur.clear();
        } else {
            cur.push_back(c);
        }
    }
    return words;
}

// The last way before a number: the words only this food has, after as
// much of the shared name as leaves room for them.
std::optional<std::string> nameWithOwnWords(const std::string& shared, const std::vector<std::string>& own,
                                            const std::vector<std::vector<std::string>>& group, int category,
                                            const std::set<NameKey>& taken) {
    std::string extra;
    for (const std::string& w : own) {
        const bool inAll = std::all_of(group.begin(), group.end(), [&](const std::vector<std::string>& other) {
            return std::any_of(other.begin(), other.end(), [&](const std::string& o) { return equalsNoCase(o, w); });
        });
        if (!inAll && !(extra.empty() && isJoiner(w))) extra += (extra.empty() ? "" : " ") + w;
    }
    extra = withoutTrailingJoiners(cutTo(extra, 20));
    if (extra.empty()) return std::nullopt;
    // A maker's name that leads gives way before the food's own words do:
    // "Rice Krispies Treats, Squares", not "Kellogg's Rice Krispies, Squares".
    std::string whole = shared;
    const std::size_t firstBlank = whole.find(' ');
    if (whole.size() + extra.size() + 2 > kMaxFoodName && firstBlank != std::string::npos && firstBlank > 2 &&
        whole.compare(firstBlank - 2, 2, "'s") == 0)
        whole.erase(0, firstBlank + 1);
    const std::string front = withoutTrailingJoiners(cutTo(whole, kMaxFoodName - extra.size() - 2));
    const std::string name = tidy(front + ", " + extra);
    if (name.size() > kMaxFoodName || taken.count({category, lower(name)})) return std::nullopt;
    return name;
}

} // namespace

void tellApart(std::vector<NamedFood>& named, const std::vector<NameParts>& parts, bool acrossCategories) {
    // Across categories every food counts as of one category (-1).
    auto keyOf = [&](std::size_t i) {
        return NameKey{acrossCategories ? -1 : named[i].category, lower(named[i].name)};
    };
    std::map<NameKey, std::vector<std::size_t>> byName;
    for (std::size_t i = 0; i < named.size(); ++i) byName[keyOf(i)].push_back(i);
    std::set<NameKey> taken;
    for (const auto& [key, members] : byName) taken.insert(key);
    for (const auto& [key, members] : byName) {
        if (members.size() < 2) continue;
        std::vector<Segments> qualifiers;
        std::vector<std::vector<std::string>> words;
        for (std::size_t i : members) {
            qualifiers.push_back(qualifiersOf(parts[i]));
            words.push_back(wordsOf(parts[i].head, qualifiers.back()));
        }
        const std::string shared = named[members.front()].name;
        // The shared name stays for one food (the first that has nothing of
        // its own); every other finds a name of its own or keeps the shared one.
        taken.erase(key);
        for (std::size_t m = 0; m < members.size(); ++m) {
            const std::size_t i = members[m];
            const std::string head = dropRemarks(parts[i].head, false);
            const std::string mustKeep = firstSharedQualifier(named[i].name, head);
            auto name = distinctName(head, qualifiers[m], qualifiers, mustKeep, key.first, taken);
            if (!name)
                name = distinctName(shortestForm(head), qualifiers[m], qualifiers, shortestForm(mustKeep), key.first,
                                    taken);
            if (!name) name = nameWithOwnWords(shared, words[m], words, key.first, taken);
            if (name) named[i].name = *name;
            taken.insert({key.first, lower(named[i].name)});
        }
    }
}

} // namespace korva::importer::naming
