#include <gtest/gtest.h>

#include <map>

#include "app/korva_app.h"
#include "app/shell_texts.h"
#include "core/db_state.h"
#include "core/food_data_base.h"
#include "tests/app/scripted_user_chooser.h"
#include "tests/support/data_tree.h"
#include "tests/support/scripted_platform.h"

namespace korva {
namespace {

namespace fs = std::filesystem;
using test::ScriptedPlatform;

// Records what start-up asked of the window system.
class RecordingShell : public AppShell {
public:
    bool createMainWindow() override {
        calls.push_back("create");
        return true;
    }
    bool openDocument(const DocumentRequest& request) override {
        calls.push_back("open " + request.path.string());
        return openSucceeds;
    }
    void showMainWindow() override { calls.push_back("show"); }
    void showSplash() override { calls.push_back("splash"); }

    std::vector<std::string> calls;
    bool openSucceeds = true;
};

// Every file of a tree with its size and time of last change.
std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> snapshot(const fs::path& root) {
    std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> out;
    for (auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) out[e.path().string()] = {e.file_size(), e.last_write_time()};
    return out;
}

class StartupTest : public test::ScriptedTest {
protected:
    void SetUp() override {
        test::writeShippedDataBase(tree.paths(), 40);
        test::writeProfile(tree.paths().userDir() / "user00.rda", "default", 2000);
        test::writeProfile(tree.paths().userDir() / "user01.rda", "Anna", 1800);
        editState([](StateFileData& s) { s.userFileName = "user01.rda"; });
    }

    template <class F>
    void editState(F change) {
        FoodDataBase edited(tree.paths());
        ASSERT_TRUE(edited.readStateFile());
        change(edited.state());
        ASSERT_TRUE(writeFileAtomically(tree.paths().stateFile(), formatStateFile(edited.state())));
    }

    // Adds `n` foods the way the program does, leaving them unconsolidated.
    void addFoods(int n) {
        FoodDataBase stored(tree.paths());
        ASSERT_TRUE(test::openDataBase(stored));
        for (int k = 0; k < n; ++k) {
            auto id = stored.state().nextUserFoodId(3);
            ASSERT_TRUE(id);
            ASSERT_EQ(stored.addFood(test::newFood(*id, 3, "added " + std::to_string(k)), test::recordFor(*id, 3)),
                      FoodDataBase::AddOutcome::added);
        }
        ASSERT_TRUE(stored.saveIndex());
        ASSERT_TRUE(stored.writeStateFile());
    }

    bool start(std::optional<DocumentRequest> document = std::nullopt) {
        return app.initInstance(tree.root(), document, shell);
    }

    test::TempRoot tree;
    FoodDataBase db;
    KorvaApp app{db, platform};
    RecordingShell shell;
};

// Foods pending, but nothing changed in this run: the exit writes nothing;
// the consolidation then writes the pending foods in.
TEST_F(StartupTest, StartsWithTheCurrentUserInTheTitleAndEndsWritingNothing) {
    addFoods(3);
    const auto before = snapshot(tree.root());
    // A document named at start is opened before the window shows; one that
    // cannot be opened has given its message and the program goes on.
    shell.openSucceeds = false;
    ASSERT_TRUE(start(DocumentRequest{"soup.rcp", DocumentKind::recipe}));
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"create", "open soup.rcp", "show", "splash"}));
    EXPECT_TRUE(platform.messages.empty() && platform.waitDepth == 0);
    EXPECT_EQ(app.frame().title(), "Korvana    USER  :  Anna");
    EXPECT_TRUE(app.exitInstance());
    EXPECT_EQ(snapshot(tree.root()), before);

    app.frame().onConsolidate();
    FoodDataBase after(tree.paths());
    ASSERT_TRUE(test::openDataBase(after));
    EXPECT_TRUE(after.state().isSet(kConsolidated));
    EXPECT_EQ(after.index().totalFoods(), 43u);

    platform.screen = {639, 480};
    platform.messages.clear();
    FoodDataBase d;
    EXPECT_FALSE(KorvaApp(d, platform).initInstance(tree.root(), std::nullopt, shell));
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{shell_texts::kNarrowScreen});
}

// How each file is read is its reader's business; here, that a failed read
// ends the start with its message and writes nothing.
TEST_F(StartupTest, MissingOrBrokenFilesEndTheStartWithTheirMessage) {
    const std::vector<std::pair<std::function<void(const DataPaths&)>, const char*>> cases = {
        {[](const DataPaths& p) { fs::remove(p.stateFile()); }, shell_texts::kDataFilesBroken},
        {[](const DataPaths& p) { fs::remove(p.defaultProfile()); }, shell_texts::kDataFilesBroken},
        {[](const DataPaths& p) { fs::remove(p.indexSer()); }, shell_texts::kIndexUnreadable},
        {[](const DataPaths& p) { // foods pending without their records
             FoodDataBase d(p);
             ASSERT_TRUE(d.readStateFile());
             d.state().flags = kNoDeletions | kNoEdits;
             ASSERT_TRUE(d.writeStateFile());
             fs::remove(p.unconsArc());
         },
         shell_texts::kDataFilesBroken},
    };
    for (const auto& [breakIt, message] : cases) {
        test::TempRoot other;
        test::writeShippedDataBase(other.paths(), 10);
        test::writeProfile(other.paths().defaultProfile(), "default", 2000);
        breakIt(other.paths());
        const auto before = snapshot(other.root());
        ScriptedPlatform p;
        FoodDataBase d;
        RecordingShell s;
        EXPECT_FALSE(KorvaApp(d, p).initInstance(other.root(), std::nullopt, s)) << message;
        EXPECT_EQ(p.messageTexts(), std::vector<std::string>{message});
        EXPECT_TRUE(s.calls.empty() && snapshot(other.root()) == before);
    }
}

TEST_F(StartupTest, ThirtyTwoPendingFoodsOrThirtyDeletionsWarn) {
    const int counts[][3] = {{31, 29, 0}, {32, 0, 1}, {0, 30, 1}}; // pending, deleted, warns
    for (const auto& c : counts) {
        editState([&](StateFileData& s) { s.unconsolidated = c[0], s.deleted = c[1]; });
        platform.messages.clear();
        FoodDataBase d;
        ASSERT_TRUE(KorvaApp(d, platform).initInstance(tree.root(), std::nullopt, shell));
        EXPECT_EQ(platform.messageTexts(),
                  std::vector<std::string>(static_cast<std::size_t>(c[2]), shell_texts::kConsolidateFirst))
            << c[0];
    }
}

TEST_F(StartupTest, ExitWritesTheModifiedIndexOnlyWhenChangesArePending) {
    ASSERT_TRUE(start());
    // A changed index with nothing pending (a user deleted) writes the state only.
    db.state().setIndexModified(true);
    const auto indexTime = fs::last_write_time(tree.paths().indexSer());
    fs::last_write_time(tree.paths().stateFile(), indexTime - std::chrono::hours(1));
    app.exitInstance();
    EXPECT_EQ(fs::last_write_time(tree.paths().indexSer()), indexTime);
    EXPECT_GT(fs::last_write_time(tree.paths().stateFile()), indexTime - std::chrono::hours(1));

    // An edit in place: the index is written and the edit recorded as saved.
    db.state().setFlag(kNoEdits, false);
    db.index().mutableEntries()[0].name = "renamed";
    db.state().setIndexModified(true);
    app.exitInstance();
    FoodDataBase after(tree.paths());
    ASSERT_TRUE(test::openDataBase(after));
    EXPECT_EQ(after.index().entries()[0].name, "renamed");
    EXPECT_TRUE(after.state().isSet(kNoEdits));
}

// The user chosen, then deleted, is gone from the state file written at
// exit, and its file number stays taken.
TEST_F(StartupTest, UserSetAndDeletedThroughTheMenuAreKeptAtExit) {
    test::writeProfile(tree.paths().userDir() / "user02.rda", "Bert", 2500);
    ASSERT_TRUE(start());
    test::ScriptedUserChooser chooser;
    chooser.pick = 2;
    app.frame().onUserSet(chooser);
    platform.answer(MsgAnswer::yes);
    app.frame().onUserDelete(chooser);
    EXPECT_EQ(app.frame().title(), "Korvana    USER  :  default");
    app.exitInstance();

    FoodDataBase after;
    ASSERT_TRUE(KorvaApp(after, platform).initInstance(tree.root(), std::nullopt, shell));
    EXPECT_EQ(after.state().userFileName, "user00.rda");
    EXPECT_EQ(after.users().allocateUserFileName().path, tree.paths().userDir() / "user03.rda");
}

// A file that cannot be written at exit or before a backup is named; every
// mark of unsaved work stays, no state file runs ahead of the index, no
// backup is made of older files, and the next try writes it all.
TEST_F(StartupTest, AFailedSaveNamesTheFileAndKeepsItsMarks) {
    ASSERT_TRUE(start());
    const auto id = db.state().nextUserFoodId(3);
    ASSERT_EQ(db.addFood(test::newFood(*id, 3, "added today"), test::recordFor(*id, 3)),
              FoodDataBase::AddOutcome::added);
    db.recipes().addRecipe("rcp000.rcp", 29000, "Soup", 1);
    db.recipes().modified = true;
    const auto stateBefore = test::fileBytes(tree.paths().stateFile());
    for (const fs::path& blocked :
         {tree.paths().indexSer(), tree.paths().stateFile(), tree.paths().recipeCatalogue()}) {
        SCOPED_TRACE(blocked.filename().string());
        fs::remove(blocked);
        fs::create_directory(blocked); // a folder in the way of the file
        for (bool backup : {false, true}) {
            platform.messages.clear();
            EXPECT_FALSE(backup ? app.backupData() == BackupOutcome::done : app.exitInstance());
            EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{notSavedMessage(blocked)});
            EXPECT_TRUE(db.recipes().modified);
            EXPECT_EQ(db.state().indexModified(), blocked != tree.paths().recipeCatalogue());
        }
        if (blocked == tree.paths().indexSer()) {
            EXPECT_EQ(test::fileBytes(tree.paths().stateFile()), stateBefore);
        }
        EXPECT_FALSE(fs::exists(tree.paths().dataDir() / "backup"));
        fs::remove(blocked);
    }
    // Then the backup holds the food added in this run: the index that names
    // it was saved first.
    platform.messages.clear();
    EXPECT_EQ(app.backupData(), BackupOutcome::done);
    test::TempRoot restored;
    fs::copy(tree.paths().dataDir() / "backup", restored.paths().dataDir());
    FoodDataBase after(restored.paths());
    ASSERT_TRUE(test::openDataBase(after));
    const ShortFood* food = after.index().findEntryById(static_cast<std::uint16_t>(*id));
    NutrientRecord record;
    ASSERT_TRUE(food && after.records().readFoodRecord(*food, record));
    EXPECT_EQ(record.value(0), test::recordFor(*id, 3).value(0));
    RCPNList written;
    ASSERT_TRUE(written.readFile(restored.paths().recipeCatalogue(), restored.paths().recipeDir()));
    EXPECT_EQ(written.size(), 1u);
}

} // namespace
} // namespace korva
