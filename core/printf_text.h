#pragma once

#include <string>

namespace korva {

// printf into a string of whatever length the text needs.  The list texts
// are fixed printf layouts ("%6.1f grams", "%-6.2f %s" ...), so they keep
// the widths and roundings users know from the printed lists.
[[gnu::format(printf, 1, 2)]] std::string printfText(const char* format, ...);

} // namespace korva
