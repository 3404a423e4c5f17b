#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/nutrient_record.h"

namespace korva {

class FoodList;
class Platform;

// Spreadsheet files: comma-separated fields, a field that holds a comma, a
// double quote or a line end wrapped in double quotes (a quote inside
// doubled), lines ending in CR LF, text in UTF-8 and numbers with "." as the
// decimal point whatever the locale, each number written in the fewest
// digits that read back as the same float.  A nutrient whose level says
// "N / A" is an empty cell.
namespace csv {

// One field from 8-bit (Latin-1) text, quoted where it needs to be.
std::string field(std::string_view latin1);
std::string number(float value);
// "Calories (cal)" ... "Isoleucine (gm)", each after a comma.
void appendNutrientHeadings(std::string& line);
// The 39 values of `record`, each after a comma; empty where its level is 0.
void appendNutrients(std::string& line, const NutrientRecord& record);

} // namespace csv

// A food list or recipe: a heading row, one row per item with its name,
// amount and unit (as the item was entered), grams and nutrients, then a
// row of the list's totals.
std::string listCsv(const FoodList& list);
// The name proposed for it: that of its text export with ".csv".
std::string proposedCsvName(const FoodList& list);

// Asks for a CSV file (opening in `folder`, proposing `name`), writes `text`
// to it atomically and confirms.  A file that cannot be written says so and
// is left as it was.  Answers whether the file was written.
bool saveCsvAs(Platform& platform, const std::filesystem::path& folder, const std::string& name, std::string_view text);

namespace csvmsg {
inline constexpr const char* kSaved = "... file SAVEd as CSV spreadsheet ...";
inline constexpr const char* kFilter = "CSV Files(*.csv)|*.csv||";
inline constexpr const char* kExtension = "csv";
inline constexpr const char* kCaption = "Export CSV";
} // namespace csvmsg

} // namespace korva
