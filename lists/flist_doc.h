#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "lists/food_list.h"
#include "lists/recipe_book.h"

namespace korva {

class ActiveDocument;
class FoodDataBase;
class Platform;

// One open food list or recipe: owns its FoodList, knows its title and path
// and whether it changed since it was last read or written.  Every command of
// the document's window that acts on the document lives here; the window
// only forwards to it.
class CFListDoc {
public:
    CFListDoc(FoodDataBase& db, Platform& platform, ActiveDocument& active, bool isRecipe);
    ~CFListDoc();
    CFListDoc(const CFListDoc&) = delete;
    CFListDoc& operator=(const CFListDoc&) = delete;

    bool isRecipe() const { return isRecipe_; }
    FoodList& list() { return list_; }
    const FoodList& list() const { return list_; }
    const std::string& title() const { return title_; }
    // Where Save writes: a bare name lies in the document's own directory.
    std::filesystem::path pathName() const;
    FoodDataBase& dataBase() const { return db_; }
    Platform& platform() const { return platform_; }

    // Any change of the list since the last read or write counts, as does a
    // merge; a successful save or open clears it.
    bool isModified() const;
    void setModified(bool on);

    bool hasItems() const { return list_.itemCount() != 0; }
    // Instructions, a serving description and at least 0.1 servings.
    bool recipeSavable() const;
    // Makes this the document the commands act on.
    void activate();

    // ---- Creation ---------------------------------------------------------
    // A new document.  A food list takes `name` (the next food list file
    // name) as its path; a new recipe takes it (the default recipe name) as
    // its path and recipe name.
    void onNewDocument(const std::string& name);
    // The same, named by the data base: the next food list file name or the
    // default recipe title.  False, with the reason shown, when the food list
    // names are used up.
    bool onNewDocument();
    // A food list chosen with File Open; false (document unchanged) when it
    // cannot be read.
    bool onOpenDocument(const std::filesystem::path& file);
    // Open Recipe: reads the recipe file; false when it cannot be read.
    bool onOpenRecipe(const std::filesystem::path& file);
    // 1/0/-1 outcomes turned into success, with the not-found message.
    bool readFoodList(const std::filesystem::path& file, bool merge);
    bool openRecipe(const std::filesystem::path& file);

    // ---- Commands (each answers whether the view must be refreshed) -------
    bool onSaveFoodList();
    bool onSaveFoodListAs();
    bool onMergeFoodList();
    // `chooseRecipe` is the recipe chooser; none when the user cancelled.
    bool onMergeRecipe(const std::function<std::optional<std::filesystem::path>()>& chooseRecipe);
    bool onRecipeMergeFoodList();
    // Guards of commands whose work lives elsewhere: each shows its refusal
    // and answers false, or answers true when the command may go on.
    bool checkExportFoodList() const;
    bool checkExportRecipe() const;
    bool checkViewAllNutrients() const;
    bool checkViewOneNutrient() const;
    // The Recipe menu's Save, Save As and Backup (recipe_doc.cpp); the form's
    // fields are committed before.  Each answers whether it wrote.  `hook`
    // stops a save between its files (tests).
    bool onRecipeSave(const RecipeStepHook& hook = {});
    bool onRecipeSaveAs(const RecipeStepHook& hook = {});
    bool onRecipeBackup();
    // Close of the Recipe menu: true when the document is to close.
    bool onRecipeClose();
    // The prompt when a window closes or the program ends: true when it may
    // close.  A modified food list asks whether to save it first; Yes saves
    // under the rules of Save, and a save they refuse keeps it open.
    bool canClose();

private:
    void setFoodListTitle(const std::string& nameWithoutExtension);
    std::filesystem::path documentDirectory() const;
    bool writeTo(const std::filesystem::path& file);
    // The rules and the write of Save, without its confirmation box.
    bool saveFoodList();
    // A list that was never written must not replace a file that took its
    // name meanwhile: it moves on to the next free name.  False, with the
    // reason shown, when there is none.
    bool claimFreshName();
    // The recipe save rules both Save and Save As check; false with the
    // message of the first that fails.
    bool recipeRulesPass(bool checkModified);
    // Another recipe of the catalogue carries this name (case ignored).
    bool nameTaken(const std::string& name) const;

    FoodDataBase& db_;
    Platform& platform_;
    ActiveDocument& active_;
    bool isRecipe_;
    FoodList list_;
    std::string title_;
    std::uint64_t savedRevision_ = 0;
    bool forcedModified_ = false;
    // The path is a name handed out for a new list, not a file this
    // document has read or written.
    bool freshName_ = false;
};

// The document's messages.
namespace docmsg {
inline constexpr const char* kUseRecipeMenu = "Use RECIPE MENU entries ...";
inline constexpr const char* kUseRecipeMenuMerge = "Use RECIPE menu entries ...";
inline constexpr const char* kUseMergeUnderRecipe = "Use MERGE under RECIPE ...";
inline constexpr const char* kUseFoodListMenu = "Use FOODLIST MENU entries ...";
inline constexpr const char* kNoChanges = "... no changes, can't save ...";
inline constexpr const char* kNoFoodItems = "... can't save, no FOOD ITEMS in FOOD LIST ...";
inline constexpr const char* kSaved = "Food List  file  has  been  saved . . .";
inline constexpr const char* kSavedCaption = "FOOD  LIST  FILES";
inline constexpr const char* kFoodListNotFound = "... ERROR ... FOOD LIST file not found ...";
inline constexpr const char* kFoodListNotFoundLower = "... ERROR ... food list file not found ...";
inline constexpr const char* kRecipeNotFound = "... ERROR ... RECIPE file not found ...";
inline constexpr const char* kRecipeNotFoundLower = "... ERROR ... recipe file not found ...";
inline constexpr const char* kNoRecipes = "... no recipes in data base, can't open ..";
inline constexpr const char* kNoActiveList = "no active Food List, can't export ..";
inline constexpr const char* kNoItemsNutrients = "... no FOOD ITEMS, can't display nutrients...";
inline constexpr const char* kNoItemsNutrient = "... no FOOD ITEMS, can't display nutrient...";
inline constexpr const char* kNoIngredients = "... can't save if no INGREDIENTS in RECIPE ...";
inline constexpr const char* kNoInstructions = "... can't save, no instructions in RECIPE ...";
inline constexpr const char* kNoServingDescription = "... you must enter a RECIPE SERVING DESCRIPTION ...";
inline constexpr const char* kTooFewServings = "... # servings must be greater than 0.1 ...";
inline constexpr const char* kNameExists = "... a recipe with this name already exists, can't save ...";
inline constexpr const char* kSameName = "... can't \"SAVE AS\" under same name; use \"SAVE\" ...";
inline constexpr const char* kRecipeSaved = "Recipe  data  has  been  saved  . . .";
inline constexpr const char* kRecipeSavedCaption = "RECIPE  DATA";
inline constexpr const char* kNamePrompt = "Enter  Name  for  new  Recipe :      ";
inline constexpr const char* kNameCaption = "RECIPE  NAME";
inline constexpr const char* kBackupFoodList = "... use SAVE FOODLIST to back up your data..";
inline constexpr const char* kSaveBeforeBackup = "... you must SAVE a RECIPE before BACKUP ...";
inline constexpr const char* kNoBackupFolder = "... can't create recipe backup directory ..";
inline constexpr const char* kBackupNotWritten = "... can't write recipe backup file ...";
inline constexpr const char* kBackedUp = "... RECIPE has been backed up ..";
inline constexpr const char* kFoodListFilter = "All Files (*.*)|*.*|Food List Files(*.FLS)|*.FLS||";
inline constexpr const char* kFoodListExtension = "FLS";
} // namespace docmsg

} // namespace korva
