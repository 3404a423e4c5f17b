#pragma once

#include <vector>

#include "core/nutrient_record.h"
#include "daily/log_date.h"
#include "daily/log_file.h"

namespace korva {

// The logged days of one day or a date range, and their totals: one day's
// totals as they stand, or for several the daily averages over the days
// that have a log (days without one count nowhere).
class LogSet {
public:
    // Longest range walked: a century of days.
    static constexpr int kMaxDays = 36525;

    // Reads the days from start to end inclusive (one day when they are
    // equal); missing and damaged files are skipped.
    void update(const LogOwner& owner, const LogDate& start, const LogDate& end);
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

    struct Day {
        LogDate date;
        LogFile log;
    };
    const std::vector<Day>& days() const { return days_; }

private:
    void loadDay(const LogOwner& owner, const LogDate& date);

    std::vector<Day> days_;
    NutrientRecord totals_;
};

} // namespace korva
