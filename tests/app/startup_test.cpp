#include <gtest/gtest.h>

#include <map>

#include "app/korva_app.h"
#include "app/shell_texts.h"
#include "core/db_state.h"
#include "core/food_data_base.h"
#include "tests/app/scripted_user_chooser.h"
#include "tests/core/db_tree.h"
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
        return createSucceeds;
    }
    bool openDocument(const DocumentRequest& request) override {
        calls.push_back("open " + request.path.string());
        return openSucceeds;
    }
    void showMainWindow() override { calls.push_back("show"); }
    void showSplash() override { calls.push_back("splash"); }

    std::vector<std::string> calls;
    bool createSucceeds = true;
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
        setCurrentUser("user01.rda");
    }

    void setCurrentUser(const std::string& fileName) {
        editState([&](StateFileData& s) { s.userFileName = fileName; });
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

TEST_F(StartupTest, StartsWithTheCurrentUserInTheTitle) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"create", "show", "splash"}));
    EXPECT_EQ(app.frame().title(), "Korvana    USER  :  Anna");
    EXPECT_EQ(db.index().totalFoods(), 40u);
    EXPECT_EQ(db.users().count(), 2);
    EXPECT_FALSE(app.frame().consolidateEnabled());
    EXPECT_EQ(platform.waitDepth, 0);
    EXPECT_GE(platform.waitCount, 1);
}

TEST_F(StartupTest, ScreenNarrowerThan640Refuses) {
    platform.screen = {639, 480};
    EXPECT_FALSE(start());
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{shell_texts::kNarrowScreen});
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(StartupTest, MissingOrBrokenFilesEndTheStartWithTheirMessage) {
    struct Case {
        const char* what;
        std::function<void(const DataPaths&)> breakIt;
        const char* message;
    };
    const char* dataMsg = "... data files corrupted or missing ... exiting ..";
    const char* indexMsg = "... something went wrong in read of index file .. exiting ..";
    const std::vector<Case> cases = {
        {"no state file", [](const DataPaths& p) { fs::remove(p.stateFile()); }, dataMsg},
        {"no profiles",
         [](const DataPaths& p) {
             fs::remove_all(p.userDir());
             fs::create_directories(p.userDir());
         },
         dataMsg},
        {"no index", [](const DataPaths& p) { fs::remove(p.indexSer()); }, indexMsg},
        {"damaged index",
         [](const DataPaths& p) { ASSERT_TRUE(writeFileAtomically(p.indexSer(), std::string_view("\xff\xff junk"))); },
         indexMsg},
        {"no data folder", [](const DataPaths& p) { fs::remove_all(p.dataDir()); }, dataMsg},
    };
    for (const Case& c : cases) {
        test::TempRoot other;
        test::writeShippedDataBase(other.paths(), 10);
        test::writeProfile(other.paths().defaultProfile(), "default", 2000);
        c.breakIt(other.paths());
        const auto before = snapshot(other.root());

        ScriptedPlatform p;
        FoodDataBase d;
        KorvaApp a(d, p);
        RecordingShell s;
        EXPECT_FALSE(a.initInstance(other.root(), std::nullopt, s)) << c.what;
        EXPECT_EQ(p.messageTexts(), std::vector<std::string>{c.message}) << c.what;
        EXPECT_TRUE(s.calls.empty()) << c.what;
        EXPECT_EQ(snapshot(other.root()), before) << c.what;
    }
}

TEST_F(StartupTest, MissingCurrentProfileFallsBackToTheDefaultUser) {
    setCurrentUser("user07.rda");
    ASSERT_TRUE(start());
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"User file not found, using default ..."});
    EXPECT_EQ(app.frame().title(), "Korvana    USER  :  default");
}

TEST_F(StartupTest, ThirtyTwoPendingFoodsOrThirtyDeletionsWarn) {
    addFoods(31);
    ASSERT_TRUE(start());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(app.frame().consolidateEnabled());
    for (int more : {1, 0}) {
        if (more)
            addFoods(more);
        else
            editState([](StateFileData& s) { s.unconsolidated = 0, s.deleted = 30; });
        platform.messages.clear();
        FoodDataBase d;
        KorvaApp again(d, platform);
        ASSERT_TRUE(again.initInstance(tree.root(), std::nullopt, shell));
        EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{shell_texts::kConsolidateFirst});
    }
}

TEST_F(StartupTest, PendingInsertionsNeedTheirRecordsFile) {
    addFoods(2);
    fs::remove(tree.paths().unconsArc());
    EXPECT_FALSE(start());
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"... data files corrupted or missing ... exiting .."});
}

// A document that cannot be opened has given its message; the program goes
// on without it.
TEST_F(StartupTest, DocumentNamedAtStartIsOpenedBeforeTheWindowShows) {
    shell.openSucceeds = false;
    ASSERT_TRUE(start(DocumentRequest{"soup.rcp", DocumentKind::recipe}));
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"create", "open soup.rcp", "show", "splash"}));
}

TEST_F(StartupTest, ClosingRightAfterStartWritesNothing) {
    addFoods(3);
    const auto before = snapshot(tree.root());
    ASSERT_TRUE(start());
    app.exitInstance();
    EXPECT_EQ(snapshot(tree.root()), before);
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
    EXPECT_EQ(platform.waitDepth, 0);
    FoodDataBase after(tree.paths());
    ASSERT_TRUE(test::openDataBase(after));
    EXPECT_EQ(after.index().entries()[0].name, "renamed");
    EXPECT_TRUE(after.state().isSet(kNoEdits));
}

TEST_F(StartupTest, ConsolidateCommandGreysItselfOnSuccess) {
    addFoods(2);
    ASSERT_TRUE(start());
    ASSERT_TRUE(app.frame().consolidateEnabled());
    app.frame().onConsolidate();
    EXPECT_FALSE(app.frame().consolidateEnabled());
    EXPECT_EQ(platform.waitDepth, 0);
    FoodDataBase after(tree.paths());
    ASSERT_TRUE(test::openDataBase(after));
    EXPECT_TRUE(after.state().isSet(kConsolidated));
    EXPECT_EQ(after.index().totalFoods(), 42u);
}

TEST_F(StartupTest, UserSetAndDeletedThroughTheMenuAreKeptAtExit) {
    test::writeProfile(tree.paths().userDir() / "user02.rda", "Bert", 2500);
    fs::create_directories(tree.paths().userDir() / "user02");
    ASSERT_TRUE(start());
    ASSERT_EQ(app.frame().title(), "Korvana    USER  :  Anna");

    test::ScriptedUserChooser chooser;
    chooser.pick = 2;
    app.frame().onUserSet(chooser);
    EXPECT_EQ(chooser.rowsSeen, (std::vector<std::string>{"default", "Anna", "Bert"}));
    EXPECT_EQ(app.frame().title(), "Korvana    USER  :  Bert");

    chooser.pick.reset();
    app.frame().onUserDelete(chooser);
    EXPECT_EQ(app.frame().title(), "Korvana    USER  :  Bert");

    chooser.pick = 2;
    platform.answer(MsgAnswer::yes);
    app.frame().onUserDelete(chooser);
    EXPECT_FALSE(fs::exists(tree.paths().userDir() / "user02.rda"));
    EXPECT_FALSE(fs::exists(tree.paths().userDir() / "user02"));
    EXPECT_EQ(app.frame().title(), "Korvana    USER  :  default");

    app.exitInstance();
    // The next start names a new user after the deleted one, whose number
    // stays taken.
    FoodDataBase after;
    KorvaApp again(after, platform);
    ASSERT_TRUE(again.initInstance(tree.root(), std::nullopt, shell));
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
        const auto kept = fs::exists(blocked) ? test::fileBytes(blocked) : std::vector<std::uint8_t>{};
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
        if (!kept.empty()) {
            ASSERT_TRUE(writeFileAtomically(blocked, kept));
        }
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
