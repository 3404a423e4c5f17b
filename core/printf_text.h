#pragma once

#include <string>

namespace korva {

// printf into a string of whatever length the text needs.  The value, list
// and prompt texts are fixed printf layouts ("%6.3f", "%6.1f grams",
// "%3ld%% RDA" ...), so they keep the widths and roundings users know.
[[gnu::format(printf, 1, 2)]] std::string printfText(const char* format, ...);

} // namespace korva
