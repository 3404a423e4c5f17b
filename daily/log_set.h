#pragma once

#include <vector>

#include "core/nutrient_coverage.h"
#include "core/nutrient_record.h"
#include "daily/log_date.h"
#include "daily/log_file.h"

namespace korva {

class FoodDataBase;

// The logged days of one day or a date range, and their totals: one day's
// totals as they stand, or for several the daily averages over the days
// that have a log (days without one count nowhere).
class LogSet {
public:
    // Longest range walked: a century of days.
    static constexpr int kMaxDays = 36525;

    // Reads the days from start to end inclusive (one day when they are
    // equal); missing and damaged files are skipped.  With a data base each
    // day also counts the items of its FoodLists that report each nutrient
    // (a list named on many days is read once); a list that cannot be read
    // counts no items, as it adds no totals.
    void update(const LogOwner& owner, const LogDate& start, const LogDate& end, const FoodDataBase* db = nullptr);
    // Removes the files of the loaded days accepted by `keep`, then forgets
    // every loaded day.
    template <class Pred>
    void deleteFiles(Pred keep) {
        for (const Day& d : days_)
            if (keep(d.date)) d.log.deleteFile();
        clear();
    }
    void clear();

    int found() const { return static_cast<int>(days_.size()); }
    const NutrientRecord& totals() const { return totals_; }
    // The days found and the items logged on them (empty without a data base).
    const RangeCoverage& coverage() const { return coverage_; }

    struct Day {
        LogDate date;
        LogFile log;
        NutrientCoverage coverage;
    };
    const std::vector<Day>& days() const { return days_; }

private:
    struct ListCounts;
    void loadDay(const LogOwner& owner, const LogDate& date, ListCounts* counts);

    std::vector<Day> days_;
    NutrientRecord totals_;
    RangeCoverage coverage_;
};

} // namespace korva
