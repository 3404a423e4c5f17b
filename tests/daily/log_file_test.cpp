#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "daily/log_file.h"
#include "lists/flist_doc.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

class LogFileTest : public test::ScriptedTest {
protected:
    test::LogTree tree;
};

TEST_F(LogFileTest, FileLayoutFieldByFieldAndAnyCutRefused) {
    LogFile log{"T", "/p", "user01", 126, 4, 14, {"a.fls", "bc"}, {}};
    log.totals.setValue(0, 1.5f);
    log.totals.setValue(38, -2.0f);
    log.totals.setLevel(0, 1);
    log.totals.setLevel(38, 2);
    log.totals.id = 77; // not part of a day's file

    std::vector<std::uint8_t> want = {1, 'T', 2, '/', 'p', 6, 'u', 's', 'e', 'r', '0', '1', 126, 0, 4, 0, 14, 0};
    for (int n = 0; n < kNutrientCount; ++n) {
        const float v = n == 0 ? 1.5f : n == 38 ? -2.0f : 0.0f;
        std::uint8_t b[4];
        std::memcpy(b, &v, 4);
        want.insert(want.end(), b, b + 4);
    }
    std::vector<std::uint8_t> levels(kLevelBytes, 0);
    levels[0] = 0x10;  // nutrient 0 in the high nibble
    levels[19] = 0x20; // nutrient 38 too: even nutrients take the high nibble
    want.insert(want.end(), levels.begin(), levels.end());
    for (char b : {'\2', '\0', '\5', 'a', '.', 'f', 'l', 's', '\2', 'b', 'c'}) want.push_back(std::uint8_t(b));
    EXPECT_EQ(log.toBytes(), want);

    LogFile back;
    ASSERT_EQ(back.readBytes(want), LogRead::read);
    EXPECT_EQ(back.toBytes(), want);

    // A damaged file changes nothing, whatever its cut; a count of paths the
    // bytes cannot hold is refused before any is read.
    for (std::size_t cut = 0; cut < want.size(); ++cut) {
        EXPECT_EQ(back.readBytes({want.begin(), want.begin() + std::ptrdiff_t(cut)}), LogRead::damaged) << cut;
        EXPECT_EQ(back.foodListPaths, (std::vector<std::string>{"a.fls", "bc"}));
    }
    want[want.size() - 11] = want[want.size() - 10] = 0xFF;
    EXPECT_EQ(back.readBytes(want), LogRead::damaged);
}

TEST_F(LogFileTest, DaysLiveInTheUsersOwnFolderAFileCannotRedirectThemAndAFailedWriteSaysSo) {
    const LogDate date(5, 14, 96);
    tree.saveDay(date, 300, platform);
    const std::filesystem::path file = tree.paths().userDir() / "user01" / "l051496.log";
    ASSERT_TRUE(std::filesystem::exists(file));

    // A file that names some other path (moved from another data folder,
    // or made by hand) is still saved and deleted where it was found.
    const std::filesystem::path elsewhere = tree.paths().root / "elsewhere.txt";
    test::writeBytes(elsewhere, {'k'});
    LogFile edited;
    ASSERT_EQ(edited.openDay(tree.owner(), date.compact()), LogRead::read);
    edited.path = elsewhere.string();
    test::writeBytes(file, edited.toBytes());

    LogFile day;
    ASSERT_EQ(day.openDay(tree.owner(), date.compact()), LogRead::read);
    EXPECT_EQ(day.path, file.string());
    ASSERT_TRUE(day.write(platform));
    day.deleteFile();
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(test::fileBytes(elsewhere), std::vector<std::uint8_t>{'k'});

    // A folder where the day's file should be: nothing can replace it.
    std::filesystem::create_directories(file);
    EXPECT_FALSE(day.write(platform));
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{dailymsg::kNotWritten});
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST_F(LogFileTest, AddingAndRecomputingTotals) {
    const std::string milk = tree.saveList("fl0001.fls", 101, 2, platform);
    const std::string apple = tree.saveList("fl0002.fls", 102, 1, platform);
    LogFile day;
    EXPECT_TRUE(day.addFoodList(milk, tree.db, platform));
    EXPECT_TRUE(day.addFoodList(milk, tree.db, platform)); // twice listed, twice counted
    EXPECT_TRUE(day.addFoodList(apple, tree.db, platform));
    EXPECT_FLOAT_EQ(day.totals.value(0), 100 + 100 + 52);

    // A list that cannot be read stays listed and adds nothing.
    EXPECT_FALSE(day.addFoodList(tree.listFile("gone.fls").string(), tree.db, platform));
    EXPECT_EQ(day.foodListCount(), 4u);
    EXPECT_FLOAT_EQ(day.totals.value(0), 252);

    // A changed list reaches the day only when it is recomputed; files that
    // cannot be read no longer stop the others being counted.
    tree.saveList("fl0001.fls", 101, 1, platform);
    EXPECT_FLOAT_EQ(day.totals.value(0), 252);
    day.foodListPaths = {tree.listFile("gone.fls").string(), milk, apple};
    EXPECT_FALSE(day.recomputeTotals(tree.db, platform));
    EXPECT_FLOAT_EQ(day.totals.value(0), 50 + 52);
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{docmsg::kFoodListNotFoundLower, docmsg::kFoodListNotFoundLower}));
}

} // namespace
} // namespace korva
