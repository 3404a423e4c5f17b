#include "app/user_commands.h"

#include <optional>

#include "app/usel_dialog.h"
#include "core/food_data_base.h"
#include "core/platform.h"

namespace korva {

namespace {

std::optional<int> chooseUser(const UserSet& users, UserDialogRunner& dialogs) {
    USelDialog dialog(users.names(), users.currentIndex());
    dialogs.runUserSelection(dialog);
    if (!dialog.finished()) return std::nullopt;
    return dialog.result();
}

// After a change of user: the title names the new one and the state file
// must record it at exit.
UserCommandOutcome userChangedOutcome(FoodDataBase& db) {
    db.users().current().changed = false;
    db.state().setStateDirty(true);
    return {true, userTitle(db.users().current().name)};
}

} // namespace

std::string userTitle(const std::string& name) { return "Korvana    USER  :  " + name; }

std::string deleteUserQuestion(const std::string& name) {
    return "Delete the user " + name + " with its targets and daily logs ?";
}

UserCommandOutcome userSet(FoodDataBase& db, Platform& platform, UserDialogRunner& dialogs) {
    UserSet& users = db.users();
    std::optional<int> chosen = chooseUser(users, dialogs);
    if (!chosen || *chosen == users.currentIndex()) return {};
    switch (users.setCurrentUser(*chosen, platform)) {
    case ProfileLoad::damaged: platform.message(kDamagedUserFile); return {};
    case ProfileLoad::read:
    case ProfileLoad::missingUsedDefault: // the default user is current now
        break;
    }
    return userChangedOutcome(db);
}

UserCommandOutcome userDelete(FoodDataBase& db, Platform& platform, UserDialogRunner& dialogs) {
    UserSet& users = db.users();
    std::optional<int> chosen = chooseUser(users, dialogs);
    if (!chosen) return {};
    if (*chosen == users.defaultIndex()) {
        platform.message(kCannotDeleteDefault);
        return {};
    }
    if (platform.messageBox(deleteUserQuestion(users.userName(*chosen)), kAppTitle, MsgButtons::yesNo) !=
        MsgAnswer::yes)
        return {};
    if (!users.deleteUser(*chosen, platform)) {
        platform.message(kUserNotDeleted);
        return {};
    }
    // The state file must be written at exit even when nothing else changed.
    db.state().setIndexModified(true);
    return userChangedOutcome(db);
}

} // namespace korva
