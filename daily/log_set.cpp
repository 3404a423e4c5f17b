#include "daily/log_set.h"

#include <map>
#include <optional>
#include <string>

#include "lists/list_coverage.h"

namespace korva {

// The coverage of each FoodList file read during one update.
struct LogSet::ListCounts {
    const FoodDataBase& db;
    std::map<std::string, std::optional<NutrientCoverage>> byPath;

    const std::optional<NutrientCoverage>& of(const std::string& path) {
        auto it = byPath.find(path);
        if (it == byPath.end()) it = byPath.emplace(path, foodListFileCoverage(path, db)).first;
        return it->second;
    }
};

void LogSet::clear() {
    days_.clear();
    totals_.clear();
    coverage_.clear();
}

void LogSet::loadDay(const LogOwner& owner, const LogDate& date, ListCounts* counts) {
    Day d{date, {}, {}};
    if (d.log.openDay(owner, date.compact()) != LogRead::read) return;
    totals_.add(d.log.totals);
    if (counts) {
        for (const std::string& path : d.log.foodListPaths)
            if (const std::optional<NutrientCoverage>& c = counts->of(path)) d.coverage.add(*c);
        coverage_.addDay(d.coverage);
    }
    days_.push_back(std::move(d));
}

void LogSet::update(const LogOwner& owner, const LogDate& start, const LogDate& end, const FoodDataBase* db) {
    clear();
    std::optional<ListCounts> counts;
    if (db) counts.emplace(ListCounts{*db, {}});
    LogDate d = start;
    for (int n = 0; n < kMaxDays; ++n) {
        loadDay(owner, d, counts ? &*counts : nullptr);
        if (!end.isAfter(d)) break;
        d.addDays(1);
    }
    if (days_.size() > 1) {
        const auto count = static_cast<float>(days_.size());
        for (float& v : totals_.values) v /= count;
    }
}

} // namespace korva
