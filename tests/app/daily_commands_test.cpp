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
        const bool allowed = std::string(name) != "default";
        EXPECT_EQ((std::vector{daily.mayEnter(), daily.mayEdit(), daily.mayView()}), std::vector(3, allowed)) << name;
        EXPECT_EQ(platform.messageTexts().size(), allowed ? 0u : 3u) << name;
        EXPECT_TRUE(allowed || platform.messageTexts().back() == DailyCommands::kCantLogDefault);
    }
}

} // namespace
} // namespace korva
