#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korva {

// A word the shipped food names shorten, and the short form they use.
// Typing either finds both.
struct ShortWord {
    std::string_view full;
    std::string_view shortForm;
};

// The one table of short words, made from the words that occur in the
// shipped names (in the folded form of foldedWords: "w/" is "w", "w/o" is
// "wo").
std::span<const ShortWord> shortWordTable();

// Words a typed word finds beyond the names' words that start with it: the
// other form of a short word and, for "cooked", every way of cooking the
// names tell.  A typed word of three letters or more counts for every full
// form it starts ("coo" finds "ckd" already), a shorter one only for the
// forms it equals.  All in folded form.
std::vector<std::string> alsoMatching(std::string_view typedWord);

// Name words that only say whether salt was added or the liquid drained
// ("Broccoli, boiled, drained, no salt").  Few type them, and they tell no
// kind of food from another, so ranking counts them as left untyped only
// between foods equal in every other word.
bool isQuietWord(std::string_view nameWord);

} // namespace korva
