#pragma once

#include <string>
#include <vector>

#include "app/nutrient_fields.h"

namespace korva {

class EditorWindows;
class FoodDataBase;
class Platform;
class ReportPrinter;

// The profile editor: creating, editing or viewing the current user's
// target values, with saving under the user's own name or a new one,
// loading another user's values and printing them.
class ProfileEditor {
public:
    enum Mode { newUser, modifyUser, viewUser };

    static constexpr const char* kUserSave = "&SAVE";
    static constexpr const char* kUserSaveAs = "SAV&E As ...";
    static constexpr const char* kLoadUser = "&LOAD User";
    static constexpr const char* kPrintTargets = "&Print RDA";
    static constexpr const char* kHelp = "&HELP";
    static constexpr const char* kClose = "&CLOSE";
    static constexpr const char* kAllowanceNote =
        "RDA = Required Daily Allowance (USDA approved); ODA = Optimum Daily Allowance.";
    static constexpr int kHelpContext = 58368;
    static constexpr const char* kPrintJobName = "FOOD LIST TOTALS";

    static constexpr const char* kUserSavedCaption = "USER  DATA";
    static constexpr const char* kUserSaved = "User  data  has  been  saved  . . .";
    static constexpr const char* kNotAsDefault = "... cannot save values as default ...";
    static constexpr const char* kSameUserName = "... no change from previous name, use SAVE instead ...";
    static constexpr const char* kNewUserPrompt = "Enter new User Name :";
    static constexpr const char* kNewUserCaption = " NEW USER NAME";
    static constexpr const char* kNeedUserName = "... you must enter a NAME for the new user ...";
    static constexpr const char* kUserNotWritten = "... user file could not be written, nothing was saved ...";

    // `profile` is the record shown: the questionnaire's result for a new
    // user, the current user's targets otherwise.
    ProfileEditor(FoodDataBase& db, Platform& platform, EditorWindows& windows, Mode mode,
                  const NutrientRecord& profile);

    Mode mode() const { return mode_; }
    std::string title() const;
    // SAVE, SAVE As, LOAD User (off in view mode), Print, Help and Close.
    std::vector<EditorButton> buttons();
    TargetFields& fields() { return fields_; }
    const TargetFields& fields() const { return fields_; }

    void onLoadUser();
    void onSaveUser();
    void onSaveUserAs();
    bool onPrint(ReportPrinter& printer);
    void onHelp();
    void onClose() { finished_ = true; }

    bool finished() const { return finished_; }
    // Something was saved while the editor was open.
    bool succeeded() const { return succeeded_; }

private:
    bool savesEnabled() const { return mode_ != viewUser; }
    void showRecord(const NutrientRecord& record);
    bool saveNewUser();
    void userSaved();

    FoodDataBase& db_;
    Platform& platform_;
    EditorWindows& windows_;
    Mode mode_;
    TargetFields fields_;
    // A new user is named by its first save; later saves write its file.
    bool newUserNamed_ = false;
    bool finished_ = false;
    bool succeeded_ = false;
};

} // namespace korva
