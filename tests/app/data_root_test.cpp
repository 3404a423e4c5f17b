#include <gtest/gtest.h>

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
        writeBytes(prefix / "share/korva/data/kvdata/korva.ini", {'K'});
        writeBytes(prefix / "share/korva/data/kvuser/user00.rda", {'U'});
        writeBytes(prefix / "share/korva/data/kvshop/.gitkeep", {});
        return prefix;
    }
    RootEnvironment env{std::nullopt, std::nullopt, std::string("/home/someone")};
};

TEST_F(DataRootTest, HomeOptionThenEnvironmentThenTheProgramFolder) {
    EXPECT_EQ(chooseDataRoot(std::nullopt, env, dir).root, dir);
    EXPECT_EQ(chooseDataRoot(std::nullopt, env, dir).source, RootSource::besideProgram);

    env.korvaHome = "/env/home";
    EXPECT_EQ(chooseDataRoot(std::nullopt, env, dir).root, fs::path("/env/home"));
    EXPECT_EQ(chooseDataRoot(fs::path("/opt/mine"), env, dir).root, fs::path("/opt/mine"));
    EXPECT_EQ(chooseDataRoot(fs::path("/opt/mine"), env, dir).source, RootSource::commandLine);
}

TEST_F(DataRootTest, InstalledProgramKeepsItsDataInTheUsersDataFolder) {
    const fs::path prefix = makeInstalledPrefix();
    auto choice = chooseDataRoot(std::nullopt, env, prefix / "bin");
    EXPECT_EQ(choice.source, RootSource::userData);
    EXPECT_EQ(choice.root, fs::path("/home/someone/.local/share/korva"));
    ASSERT_TRUE(choice.shippedTree);
    EXPECT_EQ(*choice.shippedTree, prefix / "share/korva/data");

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
    EXPECT_EQ(bytesOf(root / "kvdata/korva.ini"), std::vector<std::uint8_t>{'K'});
    EXPECT_EQ(bytesOf(root / "kvuser/user00.rda"), std::vector<std::uint8_t>{'U'});
    EXPECT_TRUE(fs::is_directory(root / "kvshop"));
    EXPECT_FALSE(fs::exists(root / "kvshop/.gitkeep"));
    EXPECT_FALSE(fs::exists(root.parent_path() / "korva.partial"));

    // The user's own changes survive every later start.
    writeBytes(root / "kvdata/korva.ini", {'M', 'I', 'N', 'E'});
    fs::remove(root / "kvuser/user00.rda");
    EXPECT_EQ(provideUserData(root, shipped), SetupOutcome::alreadyThere);
    EXPECT_EQ(bytesOf(root / "kvdata/korva.ini"), (std::vector<std::uint8_t>{'M', 'I', 'N', 'E'}));
    EXPECT_FALSE(fs::exists(root / "kvuser/user00.rda"));
}

TEST_F(DataRootTest, InterruptedFirstStartIsRedoneAndExistingFilesKept) {
    const fs::path shipped = makeInstalledPrefix() / "share/korva/data";
    const fs::path root = dir / "korva";
    // Left over by a start that was killed while copying.
    writeBytes(dir / "korva.partial/kvdata/korva.ini", {'X'});
    // The folder exists already with a file of the user's own.
    writeBytes(root / "kvuser/user00.rda", {'O', 'W', 'N'});

    EXPECT_EQ(provideUserData(root, shipped), SetupOutcome::copied);
    EXPECT_EQ(bytesOf(root / "kvdata/korva.ini"), std::vector<std::uint8_t>{'K'});
    EXPECT_EQ(bytesOf(root / "kvuser/user00.rda"), (std::vector<std::uint8_t>{'O', 'W', 'N'}));
    EXPECT_FALSE(fs::exists(dir / "korva.partial"));
}

TEST_F(DataRootTest, NothingToCopyWithoutAShippedTree) {
    EXPECT_EQ(provideUserData(dir / "korva", dir / "missing"), SetupOutcome::nothingToCopy);
    EXPECT_FALSE(fs::exists(dir / "korva"));
}

} // namespace
} // namespace korva
