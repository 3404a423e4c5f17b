#pragma once

// A data tree with a few foods, a current user "Ann" (user01.rda) with
// targets, and helpers that write FoodList and log files with the
// program's own writers.

#include <string>

#include "core/platform.h"
#include "daily/log_file.h"
#include "lists/food_list.h"
#include "tests/lists/list_tree.h"

namespace korva::test {

class LogTree : public ListTree {
public:
    LogTree() : ListTree({food(101, 5, "Milk", 100, {50, 3, 1}), food(102, 10, "Apple", 100, {52, 0.5f, 0.25f})}) {
        db.users().setCurrentFileName("user01.rda");
        db.users().current().name = "Ann";
        NutrientRecord& targets = db.users().current().profile;
        targets.setValue(0, 200);
        targets.setLevel(0, 1);
    }

    LogOwner owner() const { return LogOwner::currentUserOf(db); }

    // A FoodList of `servings` servings of food `id`, saved under `name`.
    std::string saveList(const std::string& name, std::uint16_t id, float servings, Platform& platform) {
        FoodList l(&db, "01/02/26");
        if (!l.addFood(entry(id), kUnitServings) || !l.setCurrentAmount(servings, kUnitServings) ||
            !l.writeFile(listFile(name), platform))
            throw std::runtime_error("cannot write the test list");
        return listFile(name).string();
    }

    // A logged day whose totals hold `calories` (level 1), with one FoodList.
    void saveDay(const LogDate& date, float calories, Platform& platform) {
        LogFile log;
        log.setDate(owner(), date);
        log.foodListPaths = {"/lists/fl0001.fls"};
        log.totals.setValue(0, calories);
        log.totals.setLevel(0, 1);
        std::filesystem::create_directories(owner().logFolder());
        if (!log.write(platform)) throw std::runtime_error("cannot write the test log");
    }

    std::filesystem::path dayFile(const LogDate& date) const { return owner().logFilePath(date.compact()); }
};

} // namespace korva::test
