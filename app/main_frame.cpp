#include "app/main_frame.h"

#include "core/food_data_base.h"
#include "core/platform.h"

namespace korva {

CMainFrame::CMainFrame(FoodDataBase& db, DisplayPreferences& prefs, Platform& platform)
    : db_(db), prefs_(prefs), platform_(platform) {}

void CMainFrame::showUserInTitle() { title_ = "Korvana    USER  :  " + db_.users().currentUserName(); }

bool CMainFrame::consolidateEnabled() const { return !db_.isSet(kConsolidated); }

void CMainFrame::onConsolidate() {
    if (!consolidateEnabled()) return;
    // A failed consolidation changes nothing and, as before, says nothing.
    WaitCursor wait(platform_);
    db_.consolidate();
}

PreferenceCommands CMainFrame::preferenceCommands() {
    return PreferenceCommands(prefs_, db_.paths().userDir(), platform_);
}

} // namespace korva
