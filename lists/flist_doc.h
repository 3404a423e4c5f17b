#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/platform.h"
#include "lists/food_list.h"
#include "lists/recipe_book.h"

namespace korva {

class ActiveDocument;
class FoodDataBase;
class Platform;

// One open food list or recipe: owns its FoodList, knows its title and path
// and whether it changed since it was last read or written.  Every command of
// the document's window that acts on the document lives here; the window
// only forwards to it.  The menus of both kinds reach every document: a
// command of the other kind is answered with its refusal, which is what the
// base does for each kind's own commands.
class CFListDoc {
public:
    virtual ~CFListDoc();
    CFListDoc(const CFListDoc&) = delete;
    CFListDoc& operator=(const CFListDoc&) = delete;

    virtual bool isRecipe() const = 0;
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
    // Makes this the document the commands act on.
    void activate();
    // The form's fields that are typed but not yet in the list: commands
    // that read the whole document take them first.
    void setFormCommit(std::function<void()> commit) { formCommit_ = std::move(commit); }
    void commitForm() const {
        if (formCommit_) formCommit_();
    }

    // ---- Creation ---------------------------------------------------------
    // A new document: a food list takes `name` (the next food list file
    // name) as its path; a recipe takes it (the default recipe name) as its
    // path and recipe name.
    virtual void onNewDocument(const std::string& name) = 0;
    // The same, named by the data base.  False, with the reason shown, when
    // the food list names are used up.
    virtual bool onNewDocument() = 0;

    // ---- Commands (each answers whether the view must be refreshed) -------
    virtual bool onSaveFoodList();
    virtual bool onSaveFoodListAs();
    virtual bool onMergeFoodList();
    // `chooseRecipe` is the recipe chooser; none when the user cancelled.
    virtual bool onMergeRecipe(const std::function<std::optional<std::filesystem::path>()>& chooseRecipe);
    virtual bool onRecipeMergeFoodList();
    // Guards of commands whose work lives elsewhere: each shows its refusal
    // and answers false, or answers true when the command may go on.
    virtual bool checkExportFoodList() const;
    virtual bool checkExportRecipe() const;
    bool checkViewAllNutrients() const;
    bool checkViewOneNutrient() const;
    // The Recipe menu's Save, Save As and Backup (recipe_doc.cpp); each
    // answers whether it wrote.  `hook` stops a save between its files.
    virtual bool onRecipeSave(const RecipeStepHook& hook = {});
    virtual bool onRecipeSaveAs(const RecipeStepHook& hook = {});
    virtual bool onRecipeBackup();
    // Close of the Recipe menu: true when the document is to close.
    virtual bool onRecipeClose();
    // The prompt when a window closes or the program ends: true when it may
    // close.
    virtual bool canClose() = 0;

protected:
    CFListDoc(FoodDataBase& db, Platform& platform, ActiveDocument& active, std::uint16_t listType);

    virtual std::filesystem::path documentDirectory() const = 0;
    bool refuse(const char* message) const;
    // After a read: stored totals that no longer match the items (a food
    // edited since the list was saved) give way to the items' sum, and the
    // document counts as modified so that saving brings its file in line.
    void settleAfterRead();

    FoodDataBase& db_;
    Platform& platform_;
    ActiveDocument& active_;
    FoodList list_;
    std::string title_;

private:
    std::uint64_t savedRevision_ = 0;
    bool forcedModified_ = false;
    std::function<void()> formCommit_;
};

// A food list document: the FoodList menu's Save, Save As and merges.
class CFoodListDoc final : public CFListDoc {
public:
    CFoodListDoc(FoodDataBase& db, Platform& platform, ActiveDocument& active);

    bool isRecipe() const override { return false; }
    void onNewDocument(const std::string& name) override;
    bool onNewDocument() override;
    // A food list chosen with File Open; false (document unchanged) when it
    // cannot be read.
    bool onOpenDocument(const std::filesystem::path& file);
    bool onSaveFoodList() override;
    bool onSaveFoodListAs() override;
    bool onMergeFoodList() override;
    bool onMergeRecipe(const std::function<std::optional<std::filesystem::path>()>& chooseRecipe) override;
    bool checkExportFoodList() const override;
    // A modified food list asks whether to save it first; Yes saves under
    // the rules of Save, and a save they refuse keeps it open.
    bool canClose() override;

private:
    std::filesystem::path documentDirectory() const override;
    void setTitle(const std::string& nameWithoutExtension);
    bool readFoodList(const std::filesystem::path& file, bool merge);
    // The rules and the write of Save, without its confirmation box.
    bool saveFoodList();
    bool writeTo(const std::filesystem::path& file);
    // A list that was never written must not replace a file that took its
    // name meanwhile: it moves on to the next free name.  False, with the
    // reason shown, when there is none.
    bool claimFreshName();

    // The path is a name handed out for a new list, not a file this
    // document has read or written.
    bool freshName_ = false;
};

// A recipe document (recipe_doc.cpp): the Recipe menu's commands.
class CRecipeDoc final : public CFListDoc {
public:
    CRecipeDoc(FoodDataBase& db, Platform& platform, ActiveDocument& active);

    bool isRecipe() const override { return true; }
    void onNewDocument(const std::string& name) override;
    bool onNewDocument() override;
    // Open Recipe: reads the recipe file; false when it cannot be read.
    bool onOpenRecipe(const std::filesystem::path& file);
    // Instructions, a serving description and at least 0.1 servings.
    bool recipeSavable() const;
    bool onRecipeMergeFoodList() override;
    bool checkExportRecipe() const override;
    bool onRecipeSave(const RecipeStepHook& hook = {}) override;
    bool onRecipeSaveAs(const RecipeStepHook& hook = {}) override;
    bool onRecipeBackup() override;
    bool onRecipeClose() override;
    // Recipes are saved only through their own rules (the Recipe menu), so
    // closing can only confirm that the changes are to be dropped.
    bool canClose() override;

private:
    std::filesystem::path documentDirectory() const override;
    // The recipe save rules both Save and Save As check; false with the
    // message of the first that fails.
    bool recipeRulesPass(bool checkModified);
    // Another recipe of the catalogue carries this name (case ignored).
    bool nameTaken(const std::string& name) const;
};

// The chooser request of a FoodList file, for opening or saving one.
FileDialogRequest foodListFileRequest(const FoodDataBase& db, const char* caption, std::string initialName = {});

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
