#include <gtest/gtest.h>

#include "app/data_backup.h"
#include "tests/app/app_temp_dir.h"

namespace korva {
namespace {

namespace fs = std::filesystem;
using namespace backup_texts;
using Names = std::vector<std::string>;

class DataBackupTest : public test::AppTempDir {
protected:
    void SetUp() override {
        AppTempDir::SetUp();
        writeBytes(paths.stateFile(), {'i', 'n', 'i'});
        writeBytes(paths.foodsArc(), {1, 2, 3, 4});
        writeBytes(paths.indexSer(), {5, 6});
        writeBytes(paths.unconsArc(), {});
    }
    // The names of the files in a backup folder, each checked to be a true
    // copy of its namesake in kvdata.
    Names copiesIn(const fs::path& folder) {
        Names names;
        for (const auto& e : fs::directory_iterator(folder)) {
            names.push_back(e.path().filename().string());
            EXPECT_EQ(bytesOf(e.path()), bytesOf(paths.dataDir() / e.path().filename())) << e.path();
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    DataPaths paths{dir};
};

TEST_F(DataBackupTest, FirstBackupCopiesTheDataBaseAndLaterOnesAskForAnotherFolder) {
    // Without recipes there is no catalogue, and an empty uncons.arc holds nothing.
    EXPECT_EQ(backupData(paths, platform), BackupOutcome::done);
    EXPECT_EQ(copiesIn(paths.dataDir() / "backup"), (Names{"foods.arc", "index.ser", "korva.ini"}));

    // Unconsolidated records go with the index that names them.
    writeBytes(paths.unconsArc(), {9, 9, 9});
    writeBytes(paths.recipeCatalogue(), {7});
    platform.answer(MsgAnswer::yes, kFolderExists);
    platform.answerText("backup1", kNamePrompt);
    EXPECT_EQ(backupData(paths, platform), BackupOutcome::done);
    EXPECT_EQ(copiesIn(paths.dataDir() / "backup1"),
              (Names{"foods.arc", "index.ser", "korva.ini", "rclist.ser", "uncons.arc"}));
    EXPECT_EQ(platform.messageTexts(), (Names{kDone, kFolderExists, kDone}));
}

TEST_F(DataBackupTest, AnotherFolderMustBeNewAndInsideTheDataFolder) {
    fs::create_directory(paths.dataDir() / "backup");
    fs::create_directory(paths.dataDir() / "backup1");
    platform.answer(MsgAnswer::no, kFolderExists);
    EXPECT_EQ(backupData(paths, platform), BackupOutcome::declined);
    EXPECT_EQ(platform.messageTexts(), Names{kFolderExists});

    // Cancel keeps "backup", which exists.
    for (auto name : {std::optional<std::string>("backup1"), std::optional<std::string>(),
                      std::optional<std::string>("../outside"), std::optional<std::string>(dir.string() + "/abs")}) {
        platform.messages.clear();
        platform.answer(MsgAnswer::yes, kFolderExists);
        platform.answerText(name);
        EXPECT_EQ(backupData(paths, platform), BackupOutcome::noFolder) << name.value_or("(cancel)");
        EXPECT_EQ(platform.messageTexts(), (Names{kFolderExists, kCannotCreate}));
    }
    EXPECT_FALSE(fs::exists(dir / "outside"));
    EXPECT_FALSE(fs::exists(dir / "abs"));
}

TEST_F(DataBackupTest, FailedCopyNamesTheFileAndKeepsTheEarlierCopies) {
    fs::remove(paths.indexSer());
    EXPECT_EQ(backupData(paths, platform), BackupOutcome::copyFailed);
    const fs::path target = paths.dataDir() / "backup";
    EXPECT_EQ(copiesIn(target), (Names{"foods.arc", "korva.ini"}));
    EXPECT_EQ(platform.messageTexts(), (Names{"Error copying index.ser,\n from '" + paths.indexSer().string() +
                                                  "',\n to '" + (target / "index.ser").string() + "'!!!",
                                              kCopyFailed}));
}

} // namespace
} // namespace korva
