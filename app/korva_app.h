#pragma once

#include <filesystem>
#include <optional>

#include "app/command_line.h"
#include "app/data_backup.h"
#include "app/display_preferences.h"
#include "app/main_frame.h"

namespace korva {

class FoodDataBase;
class Platform;

// What start-up asks of the window system once the data base is open.
class AppShell {
public:
    virtual ~AppShell() = default;
    // Builds the main window over the frame's state; false when it cannot.
    virtual bool createMainWindow() = 0;
    // Opens a FoodList named on the command line; false, with its message
    // shown, when it cannot.
    virtual bool openDocument(const DocumentRequest& request) = 0;
    virtual void showMainWindow() = 0;
    virtual void showSplash() = 0;
    // Readies what the first window will need (its fonts); runs while the
    // food index loads on another thread, so it touches no data.
    virtual void prepareWindowSystem() {}
};

// The application object: the start-up sequence, the data base opening and
// the saves at exit.
class KorvaApp {
public:
    static constexpr int kNarrowestScreen = 640;

    KorvaApp(FoodDataBase& db, Platform& platform);

    // The whole start-up; false when the program must end (its message has
    // been shown, and nothing has been written).
    bool initInstance(const std::filesystem::path& dataRoot, const std::optional<DocumentRequest>& document,
                      AppShell& shell);
    bool openDataBase(const std::filesystem::path& dataRoot);
    // Opens a document named at start or handed over by a later start; false
    // (with its message shown) when it cannot be opened.
    bool openDocument(const DocumentRequest& request, AppShell& shell);
    // The saves at the end of a normal run; false when a file could not be
    // written (its name was shown).
    bool exitInstance();
    // Foods > Backup, of the data base as it stands in this run: saved
    // first, and not backed up when that save fails.
    BackupOutcome backupData();

    // A command ended the program at once: no exit saves.
    void endAtOnce() { endedAtOnce_ = true; }
    bool endedAtOnce() const { return endedAtOnce_; }

    DisplayPreferences& preferences() { return prefs_; }
    CMainFrame& frame() { return frame_; }
    FoodDataBase& dataBase() { return db_; }

private:
    // The index, state file and recipe catalogue, where this run changed
    // them; stops at the first file that cannot be written and names it.
    bool saveDataBase();
    FoodDataBase& db_;
    Platform& platform_;
    DisplayPreferences prefs_;
    CMainFrame frame_;
    bool endedAtOnce_ = false;
};

} // namespace korva
