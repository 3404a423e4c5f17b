#include "app/profile_editor.h"

#include "app/food_editor.h"
#include "app/usel_dialog.h"
#include "core/db_state.h"
#include "core/food_data_base.h"
#include "core/platform.h"
#include "core/profile_file.h"
#include "lists/report_writer.h"

namespace korva {

namespace {

constexpr const char* kTargetNotSet = " N / A ";
constexpr const char* kPrintTitle = "Korvana";
constexpr const char* kPrintHeading = "NUTRIENT  ODA/RDA  Levels for User : ";
constexpr std::size_t kProfileNameChars = 127;

std::string targetValueText(const NutrientRecord& r, int n) {
    if (r.level(n) == 0) return kTargetNotSet;
    return n < kFirstAminoAcid ? valueText(r.value(n)) : aminoValueText(r.value(n));
}

} // namespace

ProfileEditor::ProfileEditor(FoodDataBase& db, Platform& platform, EditorWindows& windows, Mode mode,
                             const NutrientRecord& profile)
    : db_(db), platform_(platform), windows_(windows), mode_(mode), fields_(platform, mode == viewUser) {
    showRecord(profile);
}

std::string ProfileEditor::title() const {
    const std::string& user = db_.users().current().name;
    switch (mode_) {
    case newUser: return "NEW  User  ODA/RDA  Values";
    case modifyUser: return "EDIT  ODA/RDA  Values for User :  " + user;
    case viewUser: return "VIEW  ODA/RDA  VALUES for User : " + user;
    }
    return {};
}

std::vector<EditorButton> ProfileEditor::buttons() {
    auto act = [this](void (ProfileEditor::*action)()) {
        return [this, action](ReportPrinter&) { (this->*action)(); };
    };
    return {
        {kUserSave, "saveUserButton", savesEnabled(), act(&ProfileEditor::onSaveUser)},
        {kUserSaveAs, "saveAsButton", savesEnabled(), act(&ProfileEditor::onSaveUserAs)},
        {kLoadUser, "loadUserButton", savesEnabled(), act(&ProfileEditor::onLoadUser)},
        {kPrintTargets, "printButton", true, [this](ReportPrinter& printer) { onPrint(printer); }},
        {kPrintPreviewCaption, "previewButton", true,
         [this](ReportPrinter& printer) { onPrint(printer.previewing()); }},
        {kHelp, "helpButton", true, act(&ProfileEditor::onHelp)},
        {kClose, "closeButton", true, act(&ProfileEditor::onClose)},
    };
}

void ProfileEditor::showRecord(const NutrientRecord& record) {
    NutrientTexts texts;
    for (int n = 0; n < kNutrientCount; ++n) texts[std::size_t(n)] = targetValueText(record, n);
    fields_.show(record, texts, formatTargetLabels(record));
}

void ProfileEditor::onHelp() { platform_.openHelp(kHelpContext); }

void ProfileEditor::onLoadUser() {
    if (!savesEnabled()) return;
    UserSet& users = db_.users();
    USelDialog dialog(users.names(), users.currentIndex());
    windows_.runUserSelection(dialog);
    if (!dialog.result() || *dialog.result() == users.currentIndex()) return;
    ProfileReadResult read = readProfileFile(users.userPath(*dialog.result()));
    if (read.outcome != ProfileReadOutcome::ok) return;
    showRecord(read.file.profile);
    fields_.markChanged();
}

void ProfileEditor::userSaved() {
    succeeded_ = true;
    platform_.messageBox(kUserSaved, kUserSavedCaption, MsgButtons::ok);
}

void ProfileEditor::onSaveUser() {
    if (!savesEnabled() || !fields_.storeChangedFields()) return;
    if (mode_ == newUser && !newUserNamed_) {
        saveNewUser();
        return;
    }
    CurrentUser& current = db_.users().current();
    const NutrientRecord before = current.profile;
    current.profile = fields_.record();
    if (!db_.users().writeCurrentProfile()) {
        current.profile = before;
        return platform_.message(kUserNotWritten);
    }
    userSaved();
}

void ProfileEditor::onSaveUserAs() {
    if (savesEnabled() && fields_.storeChangedFields()) saveNewUser();
}

bool ProfileEditor::saveNewUser() {
    UserSet& users = db_.users();
    auto typed = platform_.textEntry(kNewUserPrompt, kNewUserCaption, {});
    if (!typed) return false;
    const std::string name = typed->substr(0, kProfileNameChars);
    const char* refusal = blankField(name)                ? kNeedUserName
                          : name == UserSet::kDefaultName ? kNotAsDefault
                          : name == users.current().name  ? kSameUserName
                                                          : nullptr;
    if (refusal) {
        platform_.message(refusal);
        return false;
    }
    UserSet::Allocation file = users.allocateUserFileName();
    if (!file) {
        platform_.message(file.refusal);
        return false;
    }
    // The file first: a user listed without one would vanish at the next
    // start, and with it the targets typed.
    if (!writeProfileFile(file.path, ProfileFile{fields_.record(), name})) {
        platform_.message(kUserNotWritten);
        return false;
    }
    users.addUser(name, file.path);
    users.current().profile = fields_.record();
    db_.state().setStateDirty(true);
    newUserNamed_ = true;
    userSaved();
    return true;
}

bool ProfileEditor::onPrint(ReportPrinter& printer) {
    if (!fields_.storeChangedFields()) return false;
    const std::string user = mode_ == newUser && !newUserNamed_ ? std::string() : db_.users().current().name;
    static constexpr int kStops[] = {22, 34, 42};
    const NutrientRecord& record = fields_.record();
    return runPrintJob(platform_, printer, kPrintJobName, [&](ReportWriter& out) {
        out.heading(0, kPrintTitle);
        out.heading(3, kPrintHeading + user);
        out.setTabStops(kStops);
        for (int n = 0; n < kNutrientCount; ++n) {
            const int advance = n == 0 || n == kFirstAminoAcid ? 2 : 1;
            out.detail(advance, std::string(nutrientName(n)) + '\t' + targetValueText(record, n) + '\t' +
                                    std::string(NutrientFields::unitLabel(n)) + '\t' + fields_.percentLabel(n));
        }
        out.useStandardTabStops();
    });
}

} // namespace korva
