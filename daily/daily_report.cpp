#include "daily/daily_report.h"

#include "lists/report_writer.h"

namespace korva {

namespace {

constexpr const char* kTitle = "Korvana";

void writeRows(ReportWriter& out, const std::vector<std::string>& rows) {
    out.setTabStops(dailyTabStops());
    int advance = 2;
    for (const std::string& row : rows) {
        out.detail(advance, row);
        advance = 1;
    }
    out.useStandardTabStops();
}

} // namespace

std::vector<int> dailyTabStops() {
    std::vector<int> stops;
    for (int k = 0; k < 10; ++k) stops.push_back(15 + 8 * k);
    return stops;
}

void writeDayTotalsReport(ReportWriter& out, const std::string& userName, const LogDate& date,
                          const std::vector<std::string>& rows) {
    out.heading(0, kTitle);
    out.heading(3, "NUTRIENT  TOTALS  for  TODAY  for  User  : " + userName);
    out.heading(2, "DATE  :  " + date.slashed());
    writeRows(out, rows);
}

bool printDayTotals(Platform& platform, ReportPrinter& printer, const std::string& userName, const LogDate& date,
                    const std::vector<std::string>& rows) {
    return runPrintJob(platform, printer, kDailyJobName,
                       [&](ReportWriter& out) { writeDayTotalsReport(out, userName, date, rows); });
}

void writeRangeTotalsReport(ReportWriter& out, const std::string& userName, bool oneDay, const LogDate& start,
                            const LogDate& end, const std::vector<std::string>& rows) {
    out.heading(0, kTitle);
    out.heading(3, "NUTRIENT TOTALS per Day for User : " + userName);
    if (oneDay)
        out.heading(2, "DATE  :  " + start.slashed());
    else
        out.heading(2, "Start DATE  :  " + start.slashed() + "    End DATE  :  " + end.slashed());
    writeRows(out, rows);
}

} // namespace korva
