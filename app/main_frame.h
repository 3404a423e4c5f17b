#pragma once

#include <string>

#include "app/command_table.h"
#include "app/main_frame_size.h"
#include "app/preference_commands.h"

namespace korva {

class FoodDataBase;
class Platform;
class UserDialogRunner;
struct UserCommandOutcome;

// The behaviour of the main window: its title, its size, which items are
// greyed and the commands carried out here.  The window face shows this
// state and forwards each menu command.
class CMainFrame {
public:
    CMainFrame(FoodDataBase& db, DisplayPreferences& prefs, Platform& platform);

    const std::string& title() const { return title_; }
    // "Korvana    USER  :  " and the current user's name.
    void showUserInTitle();

    // Whether "C&onsolidate" can be chosen: only while something waits to be
    // merged, so it greys after a consolidation and comes back with the next
    // food, recipe or re-categorised food added.
    bool consolidateEnabled() const;

    // `freeArea` is the screen without its panels and docks.
    PixelSize windowSize(PixelSize freeArea) const { return mainFrameSize(prefs_, freeArea); }
    std::string statusPrompt(int commandId) const { return commandPrompt(commandId); }

    // Commands.
    void onConsolidate();
    void onUserSet(UserDialogRunner& dialogs);
    void onUserDelete(UserDialogRunner& dialogs);
    // After a command that may have made another user current.
    void takeUserOutcome(const UserCommandOutcome& outcome);
    CommandEnd onScreenFont(const FontChoice& current) { return preferenceCommands().onScreenFont(current); }
    CommandEnd onPrinterFont() { return preferenceCommands().onPrinterFont(); }
    CommandEnd onXYScale() { return preferenceCommands().onXYScale(); }
    CommandEnd onRestoreDefaults() { return preferenceCommands().onRestoreDefaults(); }

    const DisplayPreferences& preferences() const { return prefs_; }

private:
    PreferenceCommands preferenceCommands();

    FoodDataBase& db_;
    DisplayPreferences& prefs_;
    Platform& platform_;
    std::string title_ = "KORVA";
};

} // namespace korva
