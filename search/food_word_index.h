#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korva {

class ShortFood;

// Foods a user added or used lately: their own foods and recipes (by their
// ids) and whatever was noted in this run, such as the foods of the lists
// opened.  They rank before the rest.
class RecentFoods {
public:
    RecentFoods() : noted_(65536) {}
    void note(std::uint16_t id) { noted_[id] = true; }
    bool contains(std::uint16_t id) const;

private:
    std::vector<bool> noted_;
};

// What a typed text found, best first.
struct WordMatches {
    std::vector<std::size_t> positions;
    // Nothing matched every word: these match `wordsMatched` of `wordsTyped`.
    bool partial = false;
    std::size_t wordsMatched = 0;
    std::size_t wordsTyped = 0;
};

// The words of every food name of an index, made once so that ranking the
// whole index for a typed text takes little time.  Positions are those of
// the entries given; made afresh when the index changes.
class FoodWordIndex {
public:
    // At most this many typed words count; the rest are left out.
    static constexpr std::size_t kMaxTypedWords = 16;

    explicit FoodWordIndex(const std::vector<ShortFood>& entries);

    // Foods whose name words start with every typed word (any order, case
    // and punctuation aside, singular and plural alike, short words as
    // their full forms), ranked: the first typed word starting the name,
    // fewer name words left untyped (quiet words last), recent foods, then
    // index order.  When
    // no food has every word, those with the most words found.  Only foods
    // of `category` when one is given.
    WordMatches find(std::string_view typed, const RecentFoods& recent,
                     std::optional<int> category = std::nullopt) const;

    std::size_t foodCount() const { return ids_.size(); }
    // Bytes the index holds beyond its own object.
    std::size_t memoryBytes() const;

private:
    std::vector<std::uint32_t> matchMasks(const std::vector<std::string>& typedWords) const;

    // Distinct name words and their singulars, sorted.
    std::vector<std::string> words_;
    std::vector<std::string> singulars_;
    std::vector<bool> quiet_;
    // Word numbers of food k: wordOf_[start_[k]] up to wordOf_[start_[k + 1]].
    std::vector<std::uint32_t> start_;
    std::vector<std::uint32_t> wordOf_;
    std::vector<std::uint16_t> ids_;
    std::vector<std::uint8_t> categories_;
};

} // namespace korva
