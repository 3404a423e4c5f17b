#include "daily/log_set.h"

namespace korva {

void LogSet::clear() {
    days_.clear();
    totals_.clear();
}

void LogSet::loadDay(const LogOwner& owner, const LogDate& date) {
    Day d{date, {}};
    if (d.log.openDay(owner, date.compact()) != LogRead::read) return;
    totals_.add(d.log.totals);
    days_.push_back(std::move(d));
}

void LogSet::update(const LogOwner& owner, const LogDate& start, const LogDate& end) {
    clear();
    LogDate d = start;
    for (int n = 0; n < kMaxDays; ++n) {
        loadDay(owner, d);
        if (!end.isAfter(d)) break;
        d.addDays(1);
    }
    if (days_.size() > 1) {
        const auto count = static_cast<float>(days_.size());
        for (float& v : totals_.values) v /= count;
    }
}

} // namespace korva
