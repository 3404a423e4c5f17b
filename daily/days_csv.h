#pragma once

#include <string>

namespace korva {

class LogSet;

// The logged days of `set` as a spreadsheet (see lists/csv_export.h): a
// heading row, one row per day with its date (year-month-day) and its 39
// totals, then a row of their daily average.
std::string daysCsv(const LogSet& set);

} // namespace korva
