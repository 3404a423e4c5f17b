#pragma once

// Text work shared by the food-name rules: case, words, segments, remarks.
// Names are 8-bit Latin-1; only ASCII letters change case.

#include <string>
#include <string_view>
#include <vector>

#include "tools/food_naming.h"

namespace korva::importer::naming {

using Segments = std::vector<std::string>;

inline bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline bool isLower(char c) { return c >= 'a' && c <= 'z'; }
inline bool isLetter(char c) { return isUpper(c) || isLower(c); }
inline bool isWordChar(char c) {
    return isLetter(c) || (c >= '0' && c <= '9') || (static_cast<unsigned char>(c) >= 0xC0);
}
inline char toLower(char c) { return isUpper(c) ? char(c - 'A' + 'a') : c; }
inline char toUpper(char c) { return isLower(c) ? char(c - 'a' + 'A') : c; }

std::string lower(std::string_view s);
bool equalsNoCase(std::string_view a, std::string_view b);
// Position of `keyLower` (already lower case) in `text`, ignoring case.
std::size_t findNoCase(std::string_view text, std::string_view keyLower, std::size_t from);
bool startsWithNoCase(std::string_view s, std::string_view prefix);
bool endsWithNoCase(std::string_view s, std::string_view suffix);

// Without blanks and commas at either end.
std::string trim(std::string_view s);
// Runs of blanks and blanks before commas collapsed, ends trimmed.
std::string tidy(std::string_view s);
// The comma-separated parts of a description; commas inside parentheses
// belong to the remark.
Segments splitSegments(std::string_view d);
std::string join(const Segments& segs);
std::string joinHeadAndTail(const std::string& head, const std::string& tail);

// Short capitals that read as what they are ("BBQ", "USDA").
bool isAcronym(std::string_view letters);
// Words in capitals ("KELLOGG'S FROSTED MINI-WHEATS") in mixed case.
std::string mixedCase(std::string_view text);

// Whole-word replacement ignoring case; a replacement at the start of a
// capitalised word keeps the capital.
std::string replacedWords(std::string_view text, std::string_view key, std::string_view to);
void replaceWords(std::string& text, std::string_view keyLower, std::string_view to);

// Parenthetical remarks left out: only those that explain, or all.
std::string dropRemarks(std::string_view s, bool onlyExplanations);
// Cut at the last word boundary within `limit`, no dangling joiners.
std::string cutTo(std::string s, std::size_t limit);
std::string cutToFit(std::string s);

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

} // namespace korva::importer::naming
