#include "daily/log_date.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "core/platform.h"
#include "lists/number_scan.h"

namespace korva {

namespace {

constexpr std::array<int, 12> kMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kLatestTypedYear = 3000;

int wrapYear(int y) { return ((y % 100) + 100) % 100; }

// One "%d" of scanf: blanks, an optional sign, digits.  Digits beyond the
// range of int saturate rather than overflow.
bool scanInt(std::string_view text, std::size_t& pos, int& out) {
    std::size_t used = 0;
    const std::optional<long> v = korva::scanInt(text.substr(pos), &used);
    if (!v) return false;
    out = static_cast<int>(std::clamp<long>(*v, -INT_MAX, INT_MAX));
    pos += used;
    return true;
}

// Day of the week, 0 = Sunday, of a Gregorian date.
int weekday(int y, int m, int d) {
    static constexpr int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + offsets[(m - 1) % 12] + d) % 7;
}

const char* const kDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

} // namespace

LogDate LogDate::fromLocal(const LocalDateTime& now) { return LogDate(now.month, now.day, wrapYear(now.year)); }

int LogDate::fullYearOf(int y) { return y + (y >= kWindowStart % 100 ? 1900 : 2000); }

int LogDate::monthLength(int month) const {
    if (month < 1 || month > 12) return 31;
    if (month == 2) return year_ % 4 == 0 ? 29 : 28;
    return kMonthLengths[static_cast<std::size_t>(month - 1)];
}

void LogDate::addDays(int n) {
    // One day at a time: the steps the log uses are -31..+1, and ranges
    // walk forward a day at a time anyway.
    for (; n > 0; --n) {
        if (++day_ > monthLength(month_)) {
            day_ = 1;
            if (++month_ > 12) {
                month_ = 1;
                year_ = wrapYear(year_ + 1);
            }
        }
    }
    for (; n < 0; ++n) {
        if (--day_ < 1) {
            if (--month_ < 1) {
                month_ = 12;
                year_ = wrapYear(year_ - 1);
            }
            day_ = monthLength(month_);
        }
    }
}

void LogDate::clamp() {
    if (day_ > monthLength(month_)) day_ = monthLength(month_);
}

bool LogDate::parseDate(std::string_view text) {
    std::string blanks(text);
    for (char& c : blanks)
        if (c == '/') c = ' ';
    int fields[3] = {month_, day_, year_};
    std::size_t pos = 0;
    for (int& f : fields)
        if (!scanInt(blanks, pos, f)) break;
    int year = fields[2];
    // A four-digit year names its century; only the window's can be held
    // in two digits without changing which day a log file is.
    if (year >= 100 && year <= kLatestTypedYear) {
        if (year < kWindowStart || year >= kWindowStart + 100) return false;
        year %= 100;
    }
    LogDate candidate(fields[0], fields[1], year);
    if (year < 0 || year > 99 || candidate.month_ < 1 || candidate.month_ > 12 || candidate.day_ < 1 ||
        candidate.day_ > candidate.monthLength(candidate.month_))
        return false;
    *this = candidate;
    return true;
}

bool LogDate::isAfter(const LogDate& other) const {
    if (fullYear() != other.fullYear()) return fullYear() > other.fullYear();
    if (month_ != other.month_) return month_ > other.month_;
    return day_ > other.day_;
}

std::string LogDate::slashed() const {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%02d", month_, day_, year_);
    return buf;
}

std::string LogDate::compact() const {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02d%02d%02d", month_, day_, year_);
    return buf;
}

std::string asctimeText(const LocalDateTime& t) {
    const int m = t.month >= 1 && t.month <= 12 ? t.month : 1;
    char buf[80];
    std::snprintf(buf, sizeof buf, "%s %s %02d %02d:%02d:%02d %04d\n", kDayNames[weekday(t.year, m, t.day)],
                  kMonthNames[m - 1], t.day % 100, t.hour % 100, t.minute % 100, t.second % 100, t.year % 10000);
    return buf;
}

std::string longDateText(const LocalDateTime& t) {
    const std::string s = asctimeText(t);
    return s.substr(0, 10) + s.substr(19, 5);
}

} // namespace korva
