#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korva {

// The words of a food name or of typed text, as the finder compares them:
// lower-case runs of ASCII letters and digits.  An apostrophe or a slash
// inside a word joins its parts ("Kellogg's" is "kelloggs", "w/o" is "wo");
// every other character separates words.
std::vector<std::string> foldedWords(std::string_view text);

// A folded word in the singular, so that "beans" and "bean", "cherries"
// and "cherry", "peaches" and "peach" compare equal.  Short words and words
// ending in "ss", "us" or "is" stay as they are.
std::string singular(std::string_view word);

} // namespace korva
