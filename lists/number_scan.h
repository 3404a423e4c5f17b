#pragma once

#include <optional>
#include <string_view>

namespace korva {

// Reads a number at the start of a text the way scanf's "%g" and "%d" do
// (leading white space skipped, an optional sign), but always with a decimal
// point, whatever locale the desktop has set.  None when no number starts
// the text.
std::optional<float> scanFloat(std::string_view text);
std::optional<long> scanInt(std::string_view text);

} // namespace korva
