#include <gtest/gtest.h>

#include "app/data_backup.h"
#include "tests/app/app_temp_dir.h"

namespace korva {
namespace {

namespace fs = std::filesystem;
using namespace backup_texts;

class DataBackupTest : public test::AppTempDir {
protected:
    void SetUp() override {
        AppTempDir::SetUp();
        writeBytes(paths.stateFile(), {'i', 'n', 'i'});
        writeBytes(paths.foodsArc(), {1, 2, 3, 4});
        writeBytes(paths.indexSer(), {5, 6});
        writeBytes(paths.unconsArc(), {});
    }
    std::vector<std::string> filesIn(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    void expectCopied(const fs::path& folder, const fs::path& source) {
        EXPECT_EQ(bytesOf(folder / source.filename()), bytesOf(source)) << source;
    }

    DataPaths paths{dir};
};

TEST_F(DataBackupTest, FirstBackupCopiesTheDataBaseAndLaterOnesAskForAnotherFolder) {
    // Without recipes there is no catalogue, and an empty uncons.arc holds nothing.
    EXPECT_EQ(backupData(paths, platform), BackupOutcome::done);
    const fs::path first = paths.dataDir() / "backup";
    EXPECT_EQ(filesIn(first), (std::vector<std::string>{"foods.arc", "index.ser", "korva.ini"}));
    for (const fs::path& f : {paths.stateFile(), paths.foodsArc(), paths.indexSer()}) expectCopied(first, f);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{kDone});

    // Unconsolidated records go with the index that names them.
    writeBytes(paths.unconsArc(), {9, 9, 9});
    writeBytes(paths.recipeCatalogue(), {7});
    platform.messages.clear();
    platform.answer(MsgAnswer::yes, kFolderExists);
    platform.answerText("backup1", kNamePrompt);
    EXPECT_EQ(backupData(paths, platform), BackupOutcome::done);
    const fs::path second = paths.dataDir() / "backup1";
    EXPECT_EQ(filesIn(second),
              (std::vector<std::string>{"foods.arc", "index.ser", "korva.ini", "rclist.ser", "uncons.arc"}));
    expectCopied(second, paths.unconsArc());
    expectCopied(second, paths.recipeCatalogue());
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{kFolderExists, kDone}));
    EXPECT_EQ(filesIn(first).size(), 3u);
}

TEST_F(DataBackupTest, AnotherFolderMustBeNewAndInsideTheDataFolder) {
    fs::create_directory(paths.dataDir() / "backup");
    fs::create_directory(paths.dataDir() / "backup1");
    platform.answer(MsgAnswer::no, kFolderExists);
    EXPECT_EQ(backupData(paths, platform), BackupOutcome::declined);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{kFolderExists});

    for (std::optional<std::string> name :
         {std::optional<std::string>("backup1"), std::optional<std::string>(), std::optional<std::string>("../outside"),
          std::optional<std::string>(dir.string() + "/abs"), std::optional<std::string>("")}) {
        platform.messages.clear();
        platform.answer(MsgAnswer::yes, kFolderExists);
        platform.answerText(name);
        EXPECT_EQ(backupData(paths, platform), BackupOutcome::noFolder) << name.value_or("(cancel)");
        EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{kFolderExists, kCannotCreate}));
    }
    EXPECT_FALSE(fs::exists(dir / "outside"));
    EXPECT_FALSE(fs::exists(dir / "abs"));
}

TEST_F(DataBackupTest, FailedCopyNamesTheFileAndKeepsTheEarlierCopies) {
    fs::remove(paths.indexSer());
    EXPECT_EQ(backupData(paths, platform), BackupOutcome::copyFailed);
    const fs::path target = paths.dataDir() / "backup";
    EXPECT_EQ(filesIn(target), (std::vector<std::string>{"foods.arc", "korva.ini"}));
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{"Error copying index.ser,\n from '" + paths.indexSer().string() + "',\n to '" +
                                            (target / "index.ser").string() + "'!!!",
                                        kCopyFailed}));
}

} // namespace
} // namespace korva
