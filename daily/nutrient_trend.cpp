#include "daily/nutrient_trend.h"

#include <algorithm>

#include "core/nutrients.h"
#include "daily/log_set.h"
#include "daily/nutrient_view_print.h"
#include "lists/report_surface.h"
#include "lists/report_writer.h"

namespace korva {

NutrientTrend::NutrientTrend(const LogSet& set, const LogDate& start, const LogDate& end, const NutrientRecord& targets,
                             std::string userName, Platform& platform)
    : targets_(targets), userName_(std::move(userName)), range_(start.slashed() + " - " + end.slashed()),
      platform_(platform) {
    // Both the range and the days found run in date order.
    auto found = set.days().begin();
    for (LogDate d = start; !d.isAfter(end) && dates_.size() < static_cast<std::size_t>(LogSet::kMaxDays);
         d.addDays(1)) {
        while (found != set.days().end() && d.isAfter(found->date)) ++found;
        if (found != set.days().end() && found->date == d)
            logged_.push_back({dates_.size(), found->log.totals, found->coverage});
        dates_.push_back(d);
    }
}

void NutrientTrend::onNutrient(int n) {
    if (isNutrient(n)) nutrient_ = n;
}

TrendInput NutrientTrend::input() const {
    TrendInput in;
    in.days.resize(dates_.size());
    for (std::size_t i = 0; i < dates_.size(); ++i) in.days[i].date = dates_[i];
    for (const LoggedDay& d : logged_) {
        TrendDay& day = in.days[d.index];
        day.logged = true;
        day.value = d.totals.value(nutrient_);
        day.incomplete = !d.coverage.complete(nutrient_);
    }
    if (targets_.level(nutrient_) != 0) in.target = targets_.value(nutrient_);
    std::string_view unit = nutrientUnit(nutrient_);
    unit.remove_prefix(std::min(unit.find_first_not_of('_'), unit.size()));
    in.unit = unit;
    in.title = std::string(nutrientName(nutrient_)) + "  (" + in.unit + ")  per day,  " + range_;
    return in;
}

void NutrientTrend::write(ReportWriter& out) const {
    out.heading(0, kCaption);
    out.detail(2, "User : " + userName_);
    out.advance(2);
    ReportSurface& surface = out.surface();
    const int top = out.y();
    const int height = std::min(surface.printableHeight() - top, surface.printableWidth() * 2 / 3);
    TrendGeometry g = layout(surface.printableWidth(), height, out.w(), out.h());
    shiftShapes(g.shapes, top);
    drawChartShapes(surface, g.shapes);
}

bool NutrientTrend::onPrint(ReportPrinter& printer) const {
    return runPrintJob(platform_, printer, kJobName, [this](ReportWriter& out) { write(out); });
}

} // namespace korva
