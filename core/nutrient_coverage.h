#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/nutrient_record.h"

namespace korva {

// How many of the items behind a total report each nutrient.  An item
// reports a nutrient when its record's level for it is above 0; a nutrient
// it does not report adds nothing to the total, so a total over items that
// do not all report it is a lower bound, and says so on screen.
struct NutrientCoverage {
    int items = 0;
    std::array<int, kNutrientCount> reporting{};

    void clear() { *this = NutrientCoverage{}; }
    // Counts one item by its record's levels.
    void addItem(const NutrientRecord& record) {
        ++items;
        for (int n = 0; n < kNutrientCount; ++n)
            if (record.level(n) > 0) ++reporting[static_cast<std::size_t>(n)];
    }
    void add(const NutrientCoverage& other) {
        items += other.items;
        for (std::size_t n = 0; n < reporting.size(); ++n) reporting[n] += other.reporting[n];
    }

    int reportingItems(int n) const { return isNutrient(n) ? reporting[static_cast<std::size_t>(n)] : 0; }
    // Every item reports it (true of an empty total).
    bool complete(int n) const { return reportingItems(n) == items; }
    // Items exist and none reports it: the total is "N / A".
    bool reportedByNone(int n) const { return items > 0 && reportingItems(n) == 0; }
    // Some items report it and some do not: the total is marked "*".
    bool partial(int n) const { return reportingItems(n) > 0 && reportingItems(n) < items; }

    bool operator==(const NutrientCoverage&) const = default;
};

// The days of a range and the items logged on them.
struct RangeCoverage {
    int days = 0;
    // Per nutrient, the days on which every item reports it.
    std::array<int, kNutrientCount> completeDays{};
    NutrientCoverage items;

    void clear() { *this = RangeCoverage{}; }
    void addDay(const NutrientCoverage& day) {
        ++days;
        for (int n = 0; n < kNutrientCount; ++n)
            if (day.complete(n)) ++completeDays[static_cast<std::size_t>(n)];
        items.add(day);
    }

    bool operator==(const RangeCoverage&) const = default;
};

// The mark a shown total carries after its percent: "*" when some of its
// items do not report the nutrient, otherwise empty.
std::string_view coverageMark(const NutrientCoverage& c, int n);

// The note under a table of nutrients first .. first + count - 1: "* 4 of
// 12 foods report Selenium; 2 of 12 report Vit. E", naming the partial
// nutrients in catalogue order; empty when there are none.
std::string coverageNote(const NutrientCoverage& c, int first, int count, std::string_view noun = "foods");
// The same for the nutrients listed, in their order.
std::string coverageNote(const NutrientCoverage& c, std::span<const int> nutrients, std::string_view noun = "foods");

} // namespace korva
