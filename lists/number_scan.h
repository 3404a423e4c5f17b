#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace korva {

// The one reader of every number the user types.  Reads a number at the
// start of a text the way scanf's "%g" and "%d" do (leading white space
// skipped, an optional sign), but always with a decimal point, whatever
// locale the desktop has set.  None when no number starts the text.
// scanFloat never answers a value that is not finite: "nan", "inf" and a
// number too large for a float ("1e999") are no number at all, so every
// field refuses them as it refuses any text without a number.  `used`, when
// given, receives how many characters the number took, blanks included.
std::optional<float> scanFloat(std::string_view text, std::size_t* used = nullptr);
// Digits beyond the range of long saturate to the largest long, which every
// caller's bounds refuse.
std::optional<long> scanInt(std::string_view text, std::size_t* used = nullptr);

} // namespace korva
