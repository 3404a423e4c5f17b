#pragma once

#include <string>

namespace korva {

class FoodDataBase;
class Platform;
class USelDialog;

// Shows the user-selection dialog and returns once it has finished.  The Qt
// face runs it modally; tests script the choice.
class UserDialogRunner {
public:
    virtual ~UserDialogRunner() = default;
    virtual void runUserSelection(USelDialog& dialog) = 0;
};

// What the main window must do after a User command.
struct UserCommandOutcome {
    bool titleChanged = false;
    std::string title;
};

inline constexpr const char* kCannotDeleteDefault = "... cannot delete default values ...";
inline constexpr const char* kDamagedUserFile = "... user file is damaged, user not changed ...";
inline constexpr const char* kUserNotDeleted = "... user file cannot be deleted, user not deleted ...";

// The main window's title while `name` is the current user.
std::string userTitle(const std::string& name);
// Asked before a user is deleted: one key press in the selection dialog must
// not take a profile and its logs away unasked.
std::string deleteUserQuestion(const std::string& name);

// "Set": makes the chosen user current.
UserCommandOutcome userSet(FoodDataBase& db, Platform& platform, UserDialogRunner& dialogs);
// "Delete": removes the chosen user (never the default one) with its logs,
// once the user has confirmed it.
UserCommandOutcome userDelete(FoodDataBase& db, Platform& platform, UserDialogRunner& dialogs);

} // namespace korva
