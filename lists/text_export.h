#pragma once

#include <filesystem>
#include <string>

#include "core/nutrient_record.h"

namespace korva {

class FoodList;
class Platform;

// The plain text report of a food list or recipe that other programs read:
// a header, one line per item, the 39 totals with their share of the
// user's targets and, for a recipe, its food id, serving description and
// instructions.  Lines end in CR LF; names and texts go out as stored.
std::string textReport(const FoodList& list, const NutrientRecord& targets);

// The name a save dialog proposes: for a recipe the first 8 characters of
// its name that are neither blanks nor punctuation, for a food list its
// file name up to the first '.' (at most 8 characters); then ".txt".
std::string proposedTextName(const FoodList& list);

// Writes the report to `file` atomically.  When the file cannot be
// written, shows "Unable to open file for writing ..." and answers false;
// nothing is left behind.
bool writeTextReport(const std::filesystem::path& file, const FoodList& list, const NutrientRecord& targets,
                     Platform& platform);

namespace exportmsg {
inline constexpr const char* kCantCreate = "Unable to open file for writing ...";
inline constexpr const char* kSaved = "... file SAVEd as ASCII text ...";
inline constexpr const char* kFilter = "Text Files(*.TXT)|*.TXT||";
inline constexpr const char* kExtension = "TXT";
} // namespace exportmsg

} // namespace korva
