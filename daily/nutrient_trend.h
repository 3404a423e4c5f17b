#pragma once

#include <string>
#include <vector>

#include "core/nutrient_coverage.h"
#include "core/nutrient_record.h"
#include "daily/trend_chart.h"

namespace korva {

class LogSet;
class Platform;
class ReportPrinter;
class ReportWriter;

// The chart of "NUTRIENTS  by  DATE": the chosen nutrient for each day of
// the range shown, against the user's target and the range's average.
class NutrientTrend {
public:
    static constexpr const char* kCaption = "NUTRIENT  TREND";
    static constexpr const char* kJobName = "NUTRIENT  TREND";
    static constexpr const char* kPrint = "Prin&t";
    static constexpr const char* kClose = "&Close";

    // The days from start to end (at most LogSet::kMaxDays) with the logs
    // `set` found among them.
    NutrientTrend(const LogSet& set, const LogDate& start, const LogDate& end, const NutrientRecord& targets,
                  std::string userName, Platform& platform);

    int nutrient() const { return nutrient_; }
    // A number outside the catalogue is ignored.
    void onNutrient(int n);

    TrendInput input() const;
    TrendGeometry layout(int width, int height, int charWidth, int lineHeight) const {
        return layoutTrend(width, height, input(), charWidth, lineHeight);
    }
    bool onPrint(ReportPrinter& printer) const;

private:
    struct LoggedDay {
        std::size_t index = 0; // place in the range
        NutrientRecord totals;
        NutrientCoverage coverage;
    };
    void write(ReportWriter& out) const;

    std::vector<LogDate> dates_;
    std::vector<LoggedDay> logged_;
    NutrientRecord targets_;
    std::string userName_;
    std::string range_;
    Platform& platform_;
    int nutrient_ = 0;
};

} // namespace korva
