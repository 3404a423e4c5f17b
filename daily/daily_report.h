#pragma once

#include <string>
#include <vector>

#include "daily/log_date.h"

namespace korva {

class Platform;
class ReportPrinter;
class ReportWriter;

inline constexpr const char* kDailyJobName = "FOOD LIST TOTALS";

// The printed totals of one logged day: title, user, date, then the rows of
// the dialog's totals list.
void writeDayTotalsReport(ReportWriter& out, const std::string& userName, const LogDate& date,
                          const std::vector<std::string>& rows);
bool printDayTotals(Platform& platform, ReportPrinter& printer, const std::string& userName, const LogDate& date,
                    const std::vector<std::string>& rows);

// The printed totals of nutrients by date: one day's date, or a range's
// start and end on one line.
void writeRangeTotalsReport(ReportWriter& out, const std::string& userName, bool oneDay, const LogDate& start,
                            const LogDate& end, const std::vector<std::string>& rows);

// Ten tab stops at 15 + 8k character widths.
std::vector<int> dailyTabStops();

} // namespace korva
