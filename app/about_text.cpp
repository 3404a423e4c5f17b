#include "app/about_text.h"

#include <array>

#include "app/version.h"

namespace korva {

namespace {

constexpr std::array<std::string_view, 3> kCredits{
    "A diet planner for one person.",
    "Foods from the USDA nutrient data base.",
    "Targets after the recommended daily allowances.",
};

} // namespace

std::string AboutText::versionLine() { return std::string("Version ") + kProgramVersion; }

std::span<const std::string_view> AboutText::credits() { return kCredits; }

} // namespace korva
