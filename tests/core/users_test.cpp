#include "core/users.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

using test::TempRoot;
using test::writeProfile;

// default (user00), Ann (user01), Bob (user03), plus files that are not users.
class Users : public test::ScriptedTest {
protected:
    void SetUp() override {
        dir = paths.userDir();
        writeProfile(dir / "user00.rda", "default", 2000.0f);
        writeProfile(dir / "user01.rda", "Ann", 1800.0f);
        writeProfile(dir / "user03.rda", "Bob", 2900.0f);
        writeProfile(dir / "default.rda", "default", 1.0f); // no "user" in its name
        std::ofstream(dir / "user02.txt") << "not a profile";
    }

    bool scanAndRead(UserSet& users, const std::string& current) {
        users.setCurrentFileName(current);
        return users.scanUsers() && users.readCurrentProfile(platform);
    }

    TempRoot tree;
    DataPaths paths = tree.paths();
    std::filesystem::path dir;
};

TEST_F(Users, ScanListsEveryUserFileOnceInNameOrder) {
    // Capitals neither hide a file nor move it ahead of the others.
    writeProfile(dir / "USER05.RDA", "Default", 1500.0f);
    UserSet users(paths);
    // The state file's name is matched without regard to case.
    ASSERT_TRUE(scanAndRead(users, "User03.Rda"));
    EXPECT_EQ(users.names(), (std::vector<std::string>{"default", "Ann", "Bob", "Default"}));
    EXPECT_EQ(users.defaultIndex(), 0) << "\"Default\" is not the default user";
    EXPECT_FLOAT_EQ(users.current().profile.value(0), 2900.0f);
    EXPECT_FLOAT_EQ(users.defaultProfile().value(0), 2000.0f);
    EXPECT_EQ(users.lastFileNumber(), 5);
    EXPECT_TRUE(platform.messages.empty());
}

// A profile that is missing at the start or damaged when chosen leaves a
// user whose name and targets agree.
TEST_F(Users, AMissingOrDamagedProfileChangesNothingButTheDefault) {
    UserSet users(paths);
    EXPECT_FALSE(scanAndRead(users, "user09.rda"));
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"User file not found, using default ..."});
    EXPECT_EQ(users.currentIndex(), users.defaultIndex());
    EXPECT_FLOAT_EQ(users.current().profile.value(0), 2000.0f);
    EXPECT_EQ(users.currentUserFileName(), "user00.rda");

    EXPECT_EQ(users.setCurrentUser(1, platform), ProfileLoad::read);
    EXPECT_TRUE(users.current().changed);
    std::filesystem::resize_file(dir / "user03.rda", 10);
    EXPECT_EQ(users.setCurrentUser(2, platform), ProfileLoad::damaged);
    EXPECT_EQ(users.setCurrentUser(7, platform), ProfileLoad::damaged);
    EXPECT_EQ(users.current().name, "Ann");
    EXPECT_EQ(users.currentUserFileName(), "user01.rda");
    EXPECT_FLOAT_EQ(users.current().profile.value(0), 1800.0f);
}

TEST_F(Users, NewUserGetsTheNextFileAndBecomesCurrent) {
    UserSet users(paths);
    ASSERT_TRUE(scanAndRead(users, "user00.rda"));
    // A file put there by hand is not overwritten, nor a log folder left
    // behind inherited.
    writeProfile(dir / "user04.rda", "Hand made", 1.0f);
    std::filesystem::create_directories(dir / "user05");
    auto alloc = users.allocateUserFileName();
    ASSERT_EQ(alloc.path, dir / "user06.rda");
    users.addUser("Carol", alloc.path);
    users.current().profile.setValue(0, 2222.0f);
    ASSERT_TRUE(users.writeCurrentProfile());
    UserSet again(paths);
    ASSERT_TRUE(scanAndRead(again, "user06.rda"));
    EXPECT_FLOAT_EQ(again.current().profile.value(0), 2222.0f);

    // No more than ninety-nine profile files.
    writeProfile(dir / "user99.rda", "Last", 1.0f);
    ASSERT_TRUE(again.scanUsers());
    EXPECT_NE(again.allocateUserFileName().refusal.find("too many users"), std::string::npos);
}

TEST_F(Users, DeletingAUserRemovesOnlyItsOwnLogs) {
    for (const char* u : {"user01", "user03"}) {
        std::filesystem::create_directories(dir / u);
        std::ofstream(dir / u / "010299.log") << "day";
        std::ofstream(dir / u / "010399.LOG") << "day";
    }
    std::ofstream(dir / "user01" / "notes.txt") << "mine";
    UserSet users(paths);
    ASSERT_TRUE(scanAndRead(users, "user00.rda"));
    ASSERT_TRUE(users.deleteUser(2, platform)); // Bob
    EXPECT_FALSE(std::filesystem::exists(dir / "user03.rda"));
    EXPECT_FALSE(std::filesystem::exists(dir / "user03")) << "an emptied log folder goes with its user";
    EXPECT_TRUE(std::filesystem::exists(dir / "user01" / "010299.log"));
    EXPECT_EQ(users.names(), (std::vector<std::string>{"default", "Ann"}));
    ASSERT_TRUE(users.deleteUser(1, platform)); // Ann: her notes stay, and so does their folder
    EXPECT_TRUE(std::filesystem::exists(dir / "user01" / "notes.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "user01" / "010399.LOG"));
}

TEST_F(Users, DeletingKeepsTheCurrentUserWhereItCan) {
    writeProfile(dir / "user04.rda", "Dan", 2100.0f);
    std::filesystem::resize_file(dir / "user04.rda", 10);
    UserSet users(paths);
    ASSERT_TRUE(scanAndRead(users, "user03.rda")); // default, Ann, Bob, user04
    EXPECT_FALSE(users.deleteUser(users.defaultIndex(), platform));
    EXPECT_FALSE(users.deleteUser(9, platform));
    EXPECT_TRUE(std::filesystem::exists(dir / "user00.rda"));

    // Someone before the current user goes: still Bob.
    ASSERT_TRUE(users.deleteUser(1, platform));
    EXPECT_EQ(users.current().name, "Bob");
    EXPECT_EQ(users.currentUserFileName(), "user03.rda");
    // Bob goes and the damaged profile in his place cannot be read: the
    // default user takes over, targets and all.
    ASSERT_TRUE(users.deleteUser(1, platform));
    EXPECT_EQ(users.current().name, "default");
    EXPECT_EQ(users.currentUserFileName(), "user00.rda");
    EXPECT_FLOAT_EQ(users.current().profile.value(0), 2000.0f);
}

TEST_F(Users, ProfilesOfAnySizeAreListedWithoutReadingPastTheirEnd) {
    for (std::size_t size : {0u, 3u, 184u, 200u, 312u, 5000u}) {
        std::string bytes(size, 'A');
        std::ofstream(dir / ("user" + std::to_string(10 + size % 90) + ".rda"), std::ios::binary) << bytes;
    }
    UserSet users(paths);
    ASSERT_TRUE(scanAndRead(users, "user00.rda"));
    ASSERT_EQ(users.count(), 9);
    EXPECT_EQ(users.userName(3), "user10") << "too short to hold a name: the file's own stands in";
    for (int i = 3; i < users.count(); ++i) {
        EXPECT_LE(users.userName(i).size(), 127u);
        EXPECT_EQ(users.setCurrentUser(i, platform), ProfileLoad::damaged) << i;
    }
    EXPECT_EQ(users.current().name, "default");
}

} // namespace
} // namespace korva
