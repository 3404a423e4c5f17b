#pragma once

#include <array>
#include <string>
#include <string_view>

namespace korva {

struct LocalDateTime;

// A day of the daily log: month, day and the year in two digits, as the log
// file names carry it (96 for 1996, 0 for 2000).  Two-digit years are read
// in the century window 1970..2069, so stepping past 12/31/99 reaches
// 01/01/00 and 00 comes after 99.
class LogDate {
public:
    static constexpr int kWindowStart = 1970;

    LogDate() = default;
    LogDate(int month, int day, int year) : month_(month), day_(day), year_(year) {}
    // The local date of `now`.
    static LogDate fromLocal(const LocalDateTime& now);

    int month() const { return month_; }
    int day() const { return day_; }
    int year() const { return year_; }
    // The year in four digits, by the century window.
    int fullYear() const { return fullYearOf(year_); }
    static int fullYearOf(int twoDigitYear);

    // Days of `month` (1..12) in this date's year: February has 29 whenever
    // the two-digit year divides by 4, year 0 included.
    int monthLength(int month) const;

    // Moves the date by n days.
    void addDays(int n);
    // Lowers the day to the month's length.
    void clamp();
    // Takes "month/day/year" (slashes or blanks between the numbers).  A
    // number left out keeps its old value, so "5/14" keeps the year.  Years
    // are two digits, or four within the century window; anything out of
    // range leaves the date as it was and answers false.
    bool parseDate(std::string_view text);
    // Strictly later; equal dates are not.
    bool isAfter(const LogDate& other) const;
    bool operator==(const LogDate&) const = default;

    // "MM/DD/YY" and "MMDDYY".
    std::string slashed() const;
    std::string compact() const;

private:
    int month_ = 1;
    int day_ = 1;
    int year_ = 0;
};

// The C library's asctime form with a two-digit day, as the log's
// timestamp keeps it: "Sat Dec 05 09:30:00 1999\n" (25 characters).
std::string asctimeText(const LocalDateTime& t);
// Day name, month name, day and four-digit year: "Sat Dec 05 1999".
std::string longDateText(const LocalDateTime& t);

} // namespace korva
