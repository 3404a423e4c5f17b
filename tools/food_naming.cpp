#include "tools/food_naming.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>

#include "tools/name_parts.h"

namespace korva::importer {

using namespace naming;

namespace {

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
                for (const auto& q : parts[i].shortTail)
                    local[qualifierKey(foods[i].category, parts[i].head, q)] += 100000;
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
    tellApart(named, parts);
    makeNamesDistinct(named);
    // A finder lists every category at once: names equal but for case would
    // look like one food there.
    tellApart(named, parts, true);
    makeNamesDistinct(named, true);
    std::vector<std::string> out;
    out.reserve(named.size());
    for (auto& n : named) out.push_back(std::move(n.name));
    return out;
}

void makeNamesDistinct(std::vector<NamedFood>& foods, bool acrossCategories) {
    // Lower-cased name per category, so "Tea" and "TEA" clash as well.
    auto categoryOf = [&](const NamedFood& f) { return acrossCategories ? -1 : f.category; };
    std::map<std::pair<int, std::string>, int> used;
    for (const NamedFood& f : foods) used[{categoryOf(f), lower(f.name)}] += 0;
    std::map<std::pair<int, std::string>, int> seen;
    for (NamedFood& f : foods) {
        auto key = std::make_pair(categoryOf(f), lower(f.name));
        if (seen[key]++ == 0) continue;
        for (int n = 2;; ++n) {
            std::string suffix = " #" + std::to_string(n);
            std::string base = f.name.substr(0, kMaxFoodName - suffix.size());
            std::string candidate = trim(base) + suffix;
            auto ckey = std::make_pair(categoryOf(f), lower(candidate));
            if (used.count(ckey)) continue;
            used[ckey] = 1;
            seen[ckey] = 1;
            f.name = candidate;
            break;
        }
    }
}

} // namespace korva::importer
