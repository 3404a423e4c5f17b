#pragma once

#include <span>
#include <string>
#include <string_view>

namespace korva {

// What "About KORVA ..." says: the program's name and version, then a few
// lines of credits.
struct AboutText {
    static constexpr const char* kCaption = "About KORVA ...";
    static constexpr const char* kProgramName = "Korvana";

    // "Version 2.0", from the build's own version.
    static std::string versionLine();
    static std::span<const std::string_view> credits();
};

} // namespace korva
