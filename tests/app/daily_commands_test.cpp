#include <gtest/gtest.h>

#include "app/daily_commands.h"
#include "core/food_data_base.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

TEST(DailyCommandsTest, OnlyTheUserNamedDefaultIsRefused) {
    for (const char* name : {"default", "Default", "Ann"}) {
        test::ScriptedPlatform platform;
        FoodDataBase db;
        db.users().current().name = name;
        DailyCommands daily(db, platform);
        const bool refused = std::string(name) == "default";
        EXPECT_EQ(daily.mayEnter(), !refused) << name;
        EXPECT_EQ(daily.mayEdit(), !refused) << name;
        EXPECT_EQ(daily.mayView(), !refused) << name;
        const std::vector<std::string> want =
            refused ? std::vector<std::string>{DailyCommands::kCannotLogDefault, DailyCommands::kCannotLogDefault,
                                               DailyCommands::kCantLogDefault}
                    : std::vector<std::string>{};
        EXPECT_EQ(platform.messageTexts(), want) << name;
    }
}

} // namespace
} // namespace korva
