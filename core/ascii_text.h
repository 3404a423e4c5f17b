#pragma once

#include <string>
#include <string_view>

namespace korva {

// Case is ignored for the ASCII letters only.  Texts are 8-bit Latin-1, and
// the shipped index is ordered by this rule: letters above 127 keep their case
// and sort by their byte value, whatever the locale says.

constexpr char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
std::string lowerAscii(std::string_view text);

bool startsWithNoCase(std::string_view text, std::string_view prefix);

// <0, 0 or >0; a name that is a prefix of the other sorts first.  The order
// of names within a category of the food index.
int compareNamesNoCase(std::string_view a, std::string_view b);

} // namespace korva
