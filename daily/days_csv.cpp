#include "daily/days_csv.h"

#include "core/printf_text.h"
#include "daily/log_set.h"
#include "lists/csv_export.h"

namespace korva {

std::string daysCsv(const LogSet& set) {
    std::string out = "Date";
    csv::appendNutrientHeadings(out);
    out += "\r\n";
    for (const LogSet::Day& d : set.days()) {
        out += printfText("%04d-%02d-%02d", d.date.fullYear(), d.date.month(), d.date.day());
        csv::appendNutrients(out, d.log.totals);
        out += "\r\n";
    }
    out += "Average";
    csv::appendNutrients(out, set.totals());
    out += "\r\n";
    return out;
}

} // namespace korva
