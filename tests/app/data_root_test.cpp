#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "app/data_root.h"
#include "tests/app/app_temp_dir.h"

namespace korva {
namespace {

namespace fs = std::filesystem;

class DataRootTest : public test::AppTempDir {
protected:
    // An installed layout: <prefix>/bin and <prefix>/share/korva/data.
    fs::path makeInstalledPrefix() {
        const fs::path prefix = dir / "usr";
        fs::create_directories(prefix / "bin");
        for (const auto& [file, mark] : {std::pair{"kvdata/korva.ini", 'K'},
                                         {"kvdata/foods.arc", 'F'},
                                         {"kvdata/index.ser", 'I'},
                                         {"kvuser/user00.rda", 'U'}})
            writeBytes(prefix / "share/korva/data" / file, {std::uint8_t(mark)});
        writeBytes(prefix / "share/korva/data/kvshop/.gitkeep", {});
        return prefix;
    }
    RootEnvironment env{std::nullopt, std::nullopt, std::string("/home/someone")};
};

TEST_F(DataRootTest, HomeOptionThenEnvironmentThenTheProgramFolder) {
    EXPECT_EQ(chooseDataRoot(std::nullopt, env, dir).root, dir);

    env.korvaHome = "/env/home";
    EXPECT_EQ(chooseDataRoot(std::nullopt, env, dir).root, fs::path("/env/home"));
    const auto mine = chooseDataRoot(fs::path("/opt/mine"), env, dir);
    EXPECT_TRUE(mine.root == "/opt/mine" && mine.source == RootSource::commandLine);
}

TEST_F(DataRootTest, InstalledProgramKeepsItsDataInTheUsersDataFolder) {
    const fs::path prefix = makeInstalledPrefix();
    auto choice = chooseDataRoot(std::nullopt, env, prefix / "bin");
    EXPECT_EQ(choice.root, fs::path("/home/someone/.local/share/korva"));
    EXPECT_EQ(choice.shippedTree, prefix / "share/korva/data");

    env.xdgDataHome = "/xdg/data";
    EXPECT_EQ(chooseDataRoot(std::nullopt, env, prefix / "bin").root, fs::path("/xdg/data/korva"));
    env.xdgDataHome = "relative/data"; // XDG says to ignore it
    EXPECT_EQ(chooseDataRoot(std::nullopt, env, prefix / "bin").root, fs::path("/home/someone/.local/share/korva"));

    // A bin folder without an installed data tree beside it is a build folder.
    fs::create_directories(dir / "build/bin");
    EXPECT_EQ(chooseDataRoot(std::nullopt, env, dir / "build/bin").source, RootSource::besideProgram);
}

TEST_F(DataRootTest, FirstStartCopiesTheShippedTreeOnceAndNeverOverwrites) {
    const fs::path shipped = makeInstalledPrefix() / "share/korva/data";
    const fs::path root = dir / "home/.local/share/korva";

    std::string error;
    EXPECT_EQ(provideUserData(root, shipped, &error), SetupOutcome::copied) << error;
    EXPECT_EQ(bytesOf(root / "kvuser/user00.rda"), std::vector<std::uint8_t>{'U'});
    EXPECT_TRUE(fs::is_directory(root / "kvshop") && !fs::exists(root / "kvshop/.gitkeep"));

    // The user's own changes survive every later start.
    writeBytes(root / "kvdata/korva.ini", {'M', 'I', 'N', 'E'});
    fs::remove(root / "kvuser/user00.rda");
    EXPECT_EQ(provideUserData(root, shipped), SetupOutcome::alreadyThere);
    EXPECT_EQ(bytesOf(root / "kvdata/korva.ini"), (std::vector<std::uint8_t>{'M', 'I', 'N', 'E'}));
    EXPECT_EQ(provideUserData(dir / "korva", dir / "missing"), SetupOutcome::nothingToCopy);
    EXPECT_FALSE(fs::exists(root / "kvuser/user00.rda") || fs::exists(dir / "korva"));
}

TEST_F(DataRootTest, InterruptedOrIncompleteFirstStartIsRedoneAndExistingFilesKept) {
    const fs::path shipped = makeInstalledPrefix() / "share/korva/data";
    const fs::path root = dir / "korva";
    // Left over by a start that was killed while copying.
    writeBytes(root / ".setup-x1Y2z3/kvdata/korva.ini", {'X'});
    // A data folder without its data base is not set up, whatever else it
    // holds; a file of the user's own stays.
    fs::create_directories(root / "kvdata");
    writeBytes(root / "kvuser/user00.rda", {'O', 'W', 'N'});

    EXPECT_EQ(provideUserData(root, shipped), SetupOutcome::copied);
    EXPECT_EQ(bytesOf(root / "kvdata/foods.arc"), std::vector<std::uint8_t>{'F'});
    EXPECT_EQ(bytesOf(root / "kvuser/user00.rda"), (std::vector<std::uint8_t>{'O', 'W', 'N'}));
    EXPECT_FALSE(fs::exists(root / ".setup-x1Y2z3"));
}

// Several first starts at once (a desktop starts one per file opened) each
// end with the whole tree in place and no scratch left behind.
TEST_F(DataRootTest, FirstStartsAtOnceEachFindACompleteTree) {
    const fs::path shipped = makeInstalledPrefix() / "share/korva/data";
    for (int i = 0; i < 150; ++i)
        writeBytes(shipped / "kvflist" / ("fl" + std::to_string(i) + ".fls"), std::vector<std::uint8_t>(20000, 'L'));
    const fs::path root = dir / "home/.local/share/korva";

    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    std::vector<pid_t> starts;
    for (int i = 0; i < 6; ++i) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(go[1]);
            char c;
            (void)!::read(go[0], &c, 1); // all begin together
            const SetupOutcome outcome = provideUserData(root, shipped);
            const bool whole =
                fs::file_size(root / "kvflist/fl149.fls") == 20000 && fs::exists(root / "kvdata/index.ser");
            ::_exit(whole ? static_cast<int>(outcome) : 99);
        }
        starts.push_back(pid);
    }
    ::close(go[0]);
    ::close(go[1]);
    int copied = 0;
    for (pid_t pid : starts) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        const auto outcome = SetupOutcome(WEXITSTATUS(status));
        EXPECT_TRUE(outcome == SetupOutcome::copied || outcome == SetupOutcome::alreadyThere) << WEXITSTATUS(status);
        copied += outcome == SetupOutcome::copied;
    }
    EXPECT_EQ(copied, 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 4); // no scratch
    EXPECT_EQ(provideUserData(root, shipped), SetupOutcome::alreadyThere);
}

// Installed with PREFIX=~/.local the program's own tree lies in the user's
// data folder; the data goes beside it, seeded from what an earlier version
// kept there.
TEST_F(DataRootTest, DataFolderNeverHoldsTheInstalledTree) {
    const fs::path local = dir / "home/.local";
    fs::create_directories(local / "bin");
    writeBytes(local / "share/korva/data/kvdata/korva.ini", {'K'});
    RootEnvironment home{std::nullopt, std::nullopt, (dir / "home").string()};

    auto choice = chooseDataRoot(std::nullopt, home, local / "bin");
    EXPECT_EQ(choice.root, local / "share/korva-user");
    EXPECT_EQ(choice.shippedTree, local / "share/korva/data");
    home.xdgDataHome = (local / "share/").string();
    EXPECT_EQ(chooseDataRoot(std::nullopt, home, local / "bin").root, local / "share/korva-user");

    for (const char* f : {"korva.ini", "foods.arc", "index.ser"}) writeBytes(local / "share/korva/kvdata" / f, {'E'});
    EXPECT_EQ(chooseDataRoot(std::nullopt, home, local / "bin").shippedTree, local / "share/korva");
    EXPECT_EQ(provideUserData(local / "share", local / "share/korva/data"), SetupOutcome::failed);
}

} // namespace
} // namespace korva
