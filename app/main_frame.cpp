#include "app/main_frame.h"

#include "app/user_commands.h"
#include "core/food_data_base.h"
#include "core/platform.h"

namespace korva {

CMainFrame::CMainFrame(FoodDataBase& db, DisplayPreferences& prefs, Platform& platform)
    : db_(db), prefs_(prefs), platform_(platform) {}

void CMainFrame::showUserInTitle() { title_ = userTitle(db_.users().current().name); }

bool CMainFrame::consolidateEnabled() const { return !db_.state().isSet(kConsolidated); }

void CMainFrame::onConsolidate() {
    if (!consolidateEnabled()) return;
    // A failed consolidation changes nothing and says nothing.
    WaitCursor wait(platform_);
    db_.consolidate();
}

void CMainFrame::onUserSet(UserDialogRunner& dialogs) {
    const UserCommandOutcome outcome = userSet(db_, platform_, dialogs);
    if (outcome.titleChanged) title_ = outcome.title;
}

void CMainFrame::onUserDelete(UserDialogRunner& dialogs) { takeUserOutcome(userDelete(db_, platform_, dialogs)); }

void CMainFrame::takeUserOutcome(const UserCommandOutcome& outcome) {
    if (outcome.titleChanged) title_ = outcome.title;
}

PreferenceCommands CMainFrame::preferenceCommands() {
    return PreferenceCommands(prefs_, db_.paths().userDir(), platform_);
}

} // namespace korva
