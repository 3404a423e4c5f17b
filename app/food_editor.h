#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/user_commands.h"
#include "core/nutrient_record.h"
#include "core/nutrients.h"

namespace korva {

class CSetDialog;
class FoodDataBase;
class FoodEditor;
class Platform;
class QuestDialog;
class ReportPrinter;

// The modal windows the editor and the commands around it open.  The Qt
// face shows real dialogs; tests play the user's part.
class EditorWindows : public UserDialogRunner {
public:
    virtual void runCategoryChoice(CSetDialog& dialog) = 0;
    virtual void runQuestionnaire(QuestDialog& dialog) = 0;
    virtual void runEditor(FoodEditor& editor) = 0;
};

// Told the id of a recipe food that left "Recipes" (moved elsewhere or
// deleted), so that the recipe catalogue drops its recipe.
using RecipeFoodRemoved = std::function<void(std::uint16_t recipeId, bool deleted)>;

// The food and profile editor: one window for entering a new food,
// modifying or deleting a food of the data base, and creating, editing or
// viewing the current user's target values.  It holds the 39 value fields of
// one record, checks what is typed and hands the record to the food stores
// or the profile files.
class FoodEditor {
public:
    enum Mode { newFood = 0, modifyFood = 1, newUser = 2, modifyUser = 3, viewUser = 4 };
    enum class Page { standard, aminoAcids };

    // ---- Captions ---------------------------------------------------------
    static constexpr const char* kPageGroup = "Nutrient List :";
    static constexpr const char* kStandardPage = "S&tandard";
    static constexpr const char* kAminoPage = "&Amino Acids";
    static constexpr const char* kNameLabel = "&Food Name :";
    static constexpr const char* kCategoryLabel = "Cat&egory :";
    static constexpr const char* kServingLabel = "Serving &Description :";
    static constexpr const char* kGramsPerServingLabel = "&Grams per Serving :";
    static constexpr const char* kGramsEnteredLabel = "Grams E&nt'd :";
    static constexpr const char* kSaveNewFood = "&Save New FOOD";
    static constexpr const char* kSelectCategoryLabel = "Select Catego&ry : ";
    static constexpr const char* kSelectFoodLabel = "S&elect Food : ";
    static constexpr const char* kEditGroup = "EDIT";
    static constexpr const char* kModifyServingLabel = "Se&rving :";
    static constexpr const char* kGpsLabel = "&GPS :";
    static constexpr const char* kSave = "&Save";
    static constexpr const char* kDelete = "&Delete";
    static constexpr const char* kChangeCategory = "Change Categor&y ...";
    static constexpr const char* kClose = "&Close";
    static constexpr const char* kUserSave = "&SAVE";
    static constexpr const char* kUserSaveAs = "SAV&E As ...";
    static constexpr const char* kLoadUser = "&LOAD User";
    static constexpr const char* kPrintTargets = "&Print RDA";
    static constexpr const char* kUserClose = "&CLOSE";
    static constexpr const char* kHelp = "&HELP";
    static constexpr const char* kAllowanceNote =
        "RDA = Required Daily Allowance (USDA approved); ODA = Optimum Daily Allowance.";

    static constexpr int kFoodHelpContext = 55296;
    static constexpr int kUserHelpContext = 58368;
    static constexpr std::size_t kMaxNameTyped = 35;
    static constexpr std::size_t kMaxServingTyped = 12;
    static constexpr int kMaxDeletions = 30;
    static constexpr const char* kPrintJobName = "FOOD LIST TOTALS";

    // ---- Messages ---------------------------------------------------------
    static constexpr const char* kConsolidateBeforeNew = " ... you must CONSOLIDATE before entering a new food...";
    static constexpr const char* kNeedNewName = "... you must enter a NAME for new food ...";
    static constexpr const char* kNeedGramsPerServing = "... you must enter a value for GRAMS per SERVING ...";
    static constexpr const char* kGramsPerServingPositive = "... GRAMS PER SERVING must be a positive value ...";
    static constexpr const char* kGramsEnteredPositive = "... GRAMS being ENTERED must be a positive value ...";
    static constexpr const char* kNeedNewServing = "... you must enter a SERVING  DESCRIPTION  ...";
    static constexpr const char* kNeedMainValues =
        "... you must enter at least 0.00 for Cal, Pro, Total Fat & Carb ...";
    static constexpr const char* kNeedFoodName = "... you must enter a FOOD NAME ...";
    static constexpr const char* kNameTooLong = "... FOOD NAME can only be 36 characters ...";
    static constexpr const char* kNeedServing = "... you must enter a SERVING DESCRIPTION ...";
    static constexpr const char* kNoEditChange = "... no edit change since last update, can't save ...";
    static constexpr const char* kTooManyForChange =
        "... too many unconsolidated foods, CONSOLIDATE before next change ...";
    static constexpr const char* kSameCategory = "... no category change, can't re-set ...";
    static constexpr const char* kNotToRecipes = "... can't change a food to a RECIPE ...";
    static constexpr const char* kEmptyCategory = "... no data base foods in this category...";
    static constexpr const char* kDeleteQuestion = "... food data will be lost; are you sure? ";
    static constexpr const char* kWarningCaption = "WARNING  MESSAGE";
    static constexpr const char* kConsolidateBeforeDelete = "... you must CONSOLIDATE before deleting more foods ...";
    static constexpr const char* kNoPercentForTargets = "... cannot read % for RDA entry ...";
    static constexpr const char* kPercentNegative = "... value must be positive, can't load ...";
    static constexpr const char* kFoodSavedCaption = "FOOD  DATA";
    static constexpr const char* kFoodSaved = "Food  data  has  been  saved  . . .";
    static constexpr const char* kUserSavedCaption = "USER  DATA";
    static constexpr const char* kUserSaved = "User  data  has  been  saved  . . .";
    static constexpr const char* kNotAsDefault = "... cannot save values as default ...";
    static constexpr const char* kSameUserName = "... no change from previous name, use SAVE instead ...";
    static constexpr const char* kNewUserPrompt = "Enter new User Name :";
    static constexpr const char* kNewUserCaption = " NEW USER NAME";
    static constexpr const char* kNeedUserName = "... you must enter a NAME for the new user ...";
    static constexpr const char* kFoodUnreadable = "... food data cannot be read, can't change this food ...";
    static constexpr const char* kFoodNotWritten = "... food data could not be written, nothing was saved ...";
    static constexpr const char* kUserNotWritten = "... user file could not be written, nothing was saved ...";

    // `profile` is the record shown in the user modes (the questionnaire's
    // result for a new user, the current user's targets otherwise).
    FoodEditor(FoodDataBase& db, Platform& platform, EditorWindows& windows, Mode mode,
               const NutrientRecord& profile = {});

    // Tells the recipe catalogue about recipe foods that leave "Recipes".
    void setRecipeFoodRemoved(RecipeFoodRemoved hook) { recipeFoodRemoved_ = std::move(hook); }

    // Fills the fields for the mode.
    void open();

    // ---- What the face shows ----------------------------------------------
    Mode mode() const { return mode_; }
    bool foodMode() const { return mode_ == newFood || mode_ == modifyFood; }
    std::string title() const;
    Page page() const { return page_; }
    const std::string& fieldText(int n) const { return texts_[static_cast<std::size_t>(n)]; }
    const std::string& percentLabel(int n) const { return labels_[static_cast<std::size_t>(n)]; }
    // "_cal", "_gm", "_mg", "_IU" or "_mcg".
    static std::string_view unitLabel(int n);
    bool valuesReadOnly() const { return mode_ == viewUser; }
    // LOAD User, SAVE and SAVE As; off in view mode.
    bool userSavesEnabled() const { return mode_ != viewUser; }
    bool changed() const { return changed_; }

    const std::string& name() const { return name_; }
    const std::string& servingText() const { return serving_; }
    const std::string& gramsPerServingText() const { return gramsPerServing_; }
    const std::string& gramsEnteredText() const { return gramsEntered_; }
    // The category shown in the category list (the data base's current one).
    int category() const;
    // The foods of the category (modify mode) and the selected row, -1 when
    // none.
    const std::vector<std::string>& foodNames() const { return foodNames_; }
    int selectedFood() const { return selectedFood_; }
    const std::string& servingsLine() const { return servingsLine_; }
    const NutrientRecord& record() const { return record_; }

    // ---- Controls ---------------------------------------------------------
    void onPageChosen(Page page);
    // What a value field holds after the user typed into it.  Characters
    // other than digits, ".", blanks and "%" are dropped; a "%" turns the
    // number before it into that percentage of the user's target.
    void onFieldEdited(int n, const std::string& text);
    static bool acceptedCharacter(char c);
    void onNameEdited(const std::string& text);
    void onServingEdited(const std::string& text);
    void onGramsPerServingEdited(const std::string& text);
    void onGramsEnteredEdited(const std::string& text);
    // The arrows beside grams per serving and grams entered: 0.1 down or up.
    void onGramsPerServingStep(bool up);
    void onGramsEnteredStep(bool up);
    void onCategoryChosen(int category);
    void onFoodSelected(int row);

    void onSaveNewFood();
    void onSaveFood();
    void onChangeCategory();
    void onDelete();

    void onLoadUser();
    void onSaveUser();
    void onSaveUserAs();
    bool onPrint(ReportPrinter& printer);

    void onHelp();
    void onClose();

    bool finished() const { return finished_; }
    // Something was saved while the editor was open.
    bool succeeded() const { return succeeded_; }

private:
    std::optional<std::size_t> currentPosition() const;
    void clearFieldFlags();
    void showRecord();
    void showNewFood();
    void loadCurrentFood();
    void refillFoods();
    void updateLabel(int n);
    bool isPagesField(int n, Page page) const;
    void storeChangedFields();
    void takeOverPercent(int n);
    float targetOf(int n) const;
    bool saveNewUser();
    void userSaved();
    void finishWith(const char* text, const char* caption);

    FoodDataBase& db_;
    Platform& platform_;
    EditorWindows& windows_;
    Mode mode_;
    RecipeFoodRemoved recipeFoodRemoved_;

    NutrientRecord record_;
    bool recordRead_ = true;
    Page page_ = Page::standard;
    NutrientTexts texts_;
    NutrientTexts labels_;
    std::array<bool, kNutrientCount> fieldChanged_{};
    bool changed_ = false;

    std::string name_;
    std::string serving_;
    std::string gramsPerServing_;
    std::string gramsEntered_ = "100.0";
    bool nameChanged_ = false;
    bool servingChanged_ = false;
    bool gramsPerServingChanged_ = false;

    std::vector<std::string> foodNames_;
    int selectedFood_ = -1;
    std::string servingsLine_;
    // A new user is named by its first save; later saves write its file.
    bool newUserNamed_ = false;

    bool finished_ = false;
    bool succeeded_ = false;
};

} // namespace korva
