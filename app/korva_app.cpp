#include "app/korva_app.h"

#include <future>

#include "app/shell_texts.h"
#include "core/consolidation.h"
#include "core/db_state.h"
#include "core/food_data_base.h"
#include "core/platform.h"

namespace korva {

namespace {

constexpr int kWarnAtUnconsolidated = 32;
constexpr int kWarnAtDeleted = 30;

} // namespace

KorvaApp::KorvaApp(FoodDataBase& db, Platform& platform) : db_(db), platform_(platform), frame_(db, prefs_, platform) {}

bool KorvaApp::initInstance(const std::filesystem::path& dataRoot, const std::optional<DocumentRequest>& document,
                            AppShell& shell) {
    if (platform_.screenSize().width < kNarrowestScreen) {
        platform_.message(shell_texts::kNarrowScreen);
        return false;
    }

    prefs_.load(DataPaths(dataRoot).userDir(), platform_);

    if (!openDataBase(dataRoot)) {
        platform_.message(shell_texts::kDataFilesBroken);
        return false;
    }
    bool indexLoaded;
    {
        WaitCursor wait(platform_);
        // The two longest steps before the first window share nothing: the
        // index is read on a thread of its own meanwhile.
        auto loading = std::async(std::launch::async, [this] { return db_.loadIndex(); });
        shell.prepareWindowSystem();
        indexLoaded = loading.get();
    }
    if (!indexLoaded) {
        platform_.message(shell_texts::kIndexUnreadable);
        return false;
    }
    if (db_.state().unconsolidated == kWarnAtUnconsolidated || db_.state().deleted == kWarnAtDeleted)
        platform_.message(shell_texts::kConsolidateFirst);

    if (!shell.createMainWindow()) return false;
    // A document that cannot be opened has said why; the program goes on
    // without it.
    if (document) openDocument(*document, shell);
    shell.showMainWindow();
    frame_.showUserInTitle();
    shell.showSplash();
    return true;
}

bool KorvaApp::openDocument(const DocumentRequest& request, AppShell& shell) { return shell.openDocument(request); }

bool KorvaApp::openDataBase(const std::filesystem::path& dataRoot) {
    db_.setPaths(DataPaths(dataRoot));
    db_.state().flags = kAllStateFlags;
    db_.users().setLastFileNumber(0);
    db_.state().setIndexModified(false);

    // A consolidation cut short by a crash is settled before its state file
    // is trusted.
    if (recoverInterruptedConsolidation(db_.paths()) == RecoveryAction::failed) return false;
    if (!db_.readStateFile()) return false;
    if (!db_.users().scanUsers()) return false;
    // A missing profile falls back to the default user with its own message.
    db_.users().readCurrentProfile(platform_);
    if (!db_.state().isSet(kConsolidated) && !db_.state().isSet(kNoInsertions) &&
        !db_.records().readUnconsolidatedFile())
        return false;
    return true;
}

bool KorvaApp::exitInstance() { return saveDataBase(); }

BackupOutcome KorvaApp::backupData() {
    // The files on disk must agree with each other and with this run: foods
    // added since the start are in uncons.arc, and only a saved index names
    // them.  A backup of older files is no backup of this run.
    if (!saveDataBase()) return BackupOutcome::notSaved;
    return korva::backupData(db_.paths(), platform_);
}

bool KorvaApp::saveDataBase() {
    DataBaseState& state = db_.state();
    const auto failed = [this](const std::filesystem::path& file) {
        platform_.message(notSavedMessage(file));
        return false;
    };
    // Every mark of unsaved work stays set until its file is written, so that
    // a later save or the exit tries again.  The state file follows the index
    // and is never written ahead of it: it counts what the index holds.
    if (state.indexModified() || state.stateDirty()) {
        const bool pending = !state.isSet(kNoDeletions) || !state.isSet(kNoInsertions) || !state.isSet(kNoEdits);
        if (state.indexModified() && pending) {
            WaitCursor wait(platform_);
            if (!db_.saveIndex()) return failed(db_.paths().indexSer());
            // Edits written in place are in the saved index now.
            state.setFlag(kNoEdits, true);
        }
        if (!db_.writeStateFile()) return failed(db_.paths().stateFile());
        state.setStateDirty(false);
        state.setIndexModified(false);
    }
    if (db_.recipes().modified) {
        if (!db_.recipes().writeFile(db_.paths().recipeCatalogue())) return failed(db_.paths().recipeCatalogue());
        db_.recipes().modified = false;
    }
    return true;
}

} // namespace korva
