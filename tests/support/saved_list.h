#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "core/food_data_base.h"
#include "core/platform.h"
#include "lists/food_list.h"

namespace korva::test {

// Writes a list of one serving of the food `id` to `file` and answers the file.
inline std::filesystem::path writeOneFoodList(FoodDataBase& db, std::uint16_t id, const std::filesystem::path& file,
                                              Platform& platform) {
    FoodList list(&db);
    const ShortFood* food = db.index().findEntryById(id);
    EXPECT_NE(food, nullptr);
    if (food) {
        EXPECT_TRUE(list.addFood(*food, kUnitServings));
    }
    EXPECT_TRUE(list.writeFile(file, platform));
    return file;
}

} // namespace korva::test
