#include "search/food_word_index.h"

#include <algorithm>
#include <bit>

#include "core/food_index.h"
#include "core/short_food.h"
#include "search/short_words.h"
#include "search/word_match.h"

namespace korva {

bool RecentFoods::contains(std::uint16_t id) const { return id >= kFirstUserFoodId || noted_[id]; }

FoodWordIndex::FoodWordIndex(const std::vector<ShortFood>& entries) {
    std::vector<std::vector<std::string>> perFood;
    perFood.reserve(entries.size());
    for (const ShortFood& e : entries) {
        perFood.push_back(foldedWords(e.name));
        words_.insert(words_.end(), perFood.back().begin(), perFood.back().end());
        ids_.push_back(e.id);
        categories_.push_back(static_cast<std::uint8_t>(e.category));
    }
    std::sort(words_.begin(), words_.end());
    words_.erase(std::unique(words_.begin(), words_.end()), words_.end());
    words_.shrink_to_fit();
    singulars_.reserve(words_.size());
    for (const std::string& w : words_) {
        singulars_.push_back(singular(w));
        quiet_.push_back(isQuietWord(w));
    }
    start_.reserve(entries.size() + 1);
    for (const auto& words : perFood) {
        start_.push_back(static_cast<std::uint32_t>(wordOf_.size()));
        for (const std::string& w : words) {
            const auto at = std::lower_bound(words_.begin(), words_.end(), w) - words_.begin();
            wordOf_.push_back(static_cast<std::uint32_t>(at));
        }
    }
    start_.push_back(static_cast<std::uint32_t>(wordOf_.size()));
    wordOf_.shrink_to_fit();
}

// For each distinct name word, the typed words (one bit each) it answers.
std::vector<std::uint32_t> FoodWordIndex::matchMasks(const std::vector<std::string>& typedWords) const {
    std::vector<std::uint32_t> masks(words_.size());
    for (std::size_t i = 0; i < typedWords.size(); ++i) {
        const std::uint32_t bit = 1u << i;
        const std::string& t = typedWords[i];
        const std::string ts = singular(t);
        // A plural typed is a whole word: "peas" finds "pea" and "peas"
        // but not "peaches", as "pea" does.
        const bool plural = ts != t;
        for (std::size_t v = 0; v < words_.size(); ++v) {
            const bool hit = words_[v].starts_with(t) || (plural ? singulars_[v] == ts : singulars_[v].starts_with(ts));
            if (hit) masks[v] |= bit;
        }
        std::vector<std::string> others = alsoMatching(t);
        if (plural) {
            const std::vector<std::string> more = alsoMatching(ts);
            others.insert(others.end(), more.begin(), more.end());
        }
        for (const std::string& o : others) {
            const auto at = std::lower_bound(words_.begin(), words_.end(), o);
            if (at != words_.end() && *at == o) masks[static_cast<std::size_t>(at - words_.begin())] |= bit;
        }
    }
    return masks;
}

WordMatches FoodWordIndex::find(std::string_view typed, const RecentFoods& recent, std::optional<int> category) const {
    WordMatches out;
    std::vector<std::string> typedWords = foldedWords(typed);
    if (typedWords.size() > kMaxTypedWords) typedWords.resize(kMaxTypedWords);
    out.wordsTyped = typedWords.size();
    if (typedWords.empty()) return out;
    const std::vector<std::uint32_t> masks = matchMasks(typedWords);

    // One number per food orders it: the rules from the most significant
    // bits down, the position last, so equal foods keep index order.
    std::vector<std::uint64_t> keys;
    int best = 1;
    for (std::size_t k = 0; k < ids_.size(); ++k) {
        if (category && categories_[k] != *category) continue;
        std::uint32_t found = 0;
        std::uint64_t untyped = 0;
        std::uint64_t quiet = 0;
        for (std::uint32_t j = start_[k]; j < start_[k + 1]; ++j) {
            const std::uint32_t m = masks[wordOf_[j]];
            found |= m;
            if (m == 0) ++(quiet_[wordOf_[j]] ? quiet : untyped);
        }
        const int matched = std::popcount(found);
        if (matched < best) continue;
        if (matched > best) {
            best = matched;
            keys.clear();
        }
        const bool firstStartsName = start_[k] < start_[k + 1] && (masks[wordOf_[start_[k]]] & 1u) != 0;
        keys.push_back(std::uint64_t{!firstStartsName} << 52 | std::min<std::uint64_t>(untyped, 255) << 44 |
                       std::min<std::uint64_t>(quiet, 15) << 40 | std::uint64_t{!recent.contains(ids_[k])} << 32 | k);
    }
    std::sort(keys.begin(), keys.end());
    out.positions.reserve(keys.size());
    for (std::uint64_t key : keys) out.positions.push_back(static_cast<std::size_t>(key & 0xffffffffu));
    out.wordsMatched = keys.empty() ? 0 : static_cast<std::size_t>(best);
    out.partial = !keys.empty() && out.wordsMatched < out.wordsTyped;
    return out;
}

std::size_t FoodWordIndex::memoryBytes() const {
    std::size_t bytes = (words_.capacity() + singulars_.capacity()) * sizeof(std::string);
    // Words too long for the string's own room live on the heap.
    for (const auto* list : {&words_, &singulars_})
        for (const std::string& w : *list) {
            const auto* self = reinterpret_cast<const char*>(&w);
            if (w.data() < self || w.data() >= self + sizeof w) bytes += w.capacity() + 1;
        }
    return bytes + quiet_.capacity() / 8 + start_.capacity() * sizeof(std::uint32_t) +
           wordOf_.capacity() * sizeof(std::uint32_t) + ids_.capacity() * sizeof(std::uint16_t) +
           categories_.capacity();
}

} // namespace korva
