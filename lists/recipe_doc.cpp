// The Recipe menu's Save, Save As and Backup of a recipe document.

#include <system_error>

#include "archive/archive.h"
#include "core/ascii_text.h"
#include "core/food_data_base.h"
#include "core/platform.h"
#include "lists/flist_doc.h"
#include "lists/recipe_book.h"

namespace korva {

namespace {

constexpr float kMinServings = 0.1f;
constexpr std::size_t kMaxNameLength = 79;

} // namespace

bool CFListDoc::recipeRulesPass(bool checkModified) {
    const char* refusal = nullptr;
    if (!isRecipe_)
        refusal = docmsg::kUseFoodListMenu;
    else if (!hasItems())
        refusal = docmsg::kNoIngredients;
    else if (checkModified && !isModified())
        refusal = docmsg::kNoChanges;
    else if (list_.instructions().empty())
        refusal = docmsg::kNoInstructions;
    else if (list_.servingDescription().empty())
        refusal = docmsg::kNoServingDescription;
    else if (list_.servingCount() < kMinServings)
        refusal = docmsg::kTooFewServings;
    if (refusal) platform_.message(refusal);
    return refusal == nullptr;
}

bool CFListDoc::nameTaken(const std::string& name) const {
    const std::uint32_t own = list_.hasRecipeEntry() ? list_.recipeFoodId() : 0;
    for (const RCPNItem& item : db_.recipes().items())
        if (item.foodId != own && compareNamesNoCase(item.recipeName, name) == 0) return true;
    return false;
}

bool CFListDoc::onRecipeSave(const RecipeStepHook& hook) {
    if (!recipeRulesPass(true)) return false;
    title_ = "RECIPE  :  " + list_.recipeName();
    ensureRecipeCatalogue(db_);
    if (nameTaken(list_.recipeName())) {
        platform_.message(docmsg::kNameExists);
        return false;
    }
    const bool written =
        list_.hasRecipeEntry() ? updateRecipe(db_, list_, platform_, hook) : saveNewRecipe(db_, list_, platform_, hook);
    if (!written) return false;
    setModified(false);
    platform_.messageBox(docmsg::kRecipeSaved, docmsg::kRecipeSavedCaption, MsgButtons::ok);
    return true;
}

bool CFListDoc::onRecipeSaveAs(const RecipeStepHook& hook) {
    if (!recipeRulesPass(false)) return false;
    std::optional<std::string> name =
        platform_.textEntry(docmsg::kNamePrompt, docmsg::kNameCaption, list_.recipeName());
    if (!name || name->empty()) return false;
    if (name->size() > kMaxNameLength) name->resize(kMaxNameLength);
    if (*name == list_.recipeName()) {
        platform_.message(docmsg::kSameName);
        return false;
    }
    ensureRecipeCatalogue(db_);
    // A second recipe of the same name could never be saved again.
    const std::string oldName = list_.recipeName();
    const bool hadEntry = list_.hasRecipeEntry();
    list_.setHasRecipeEntry(false);
    if (nameTaken(*name)) {
        list_.setHasRecipeEntry(hadEntry);
        platform_.message(docmsg::kNameExists);
        return false;
    }
    title_ = "RECIPE  :  " + *name;
    list_.setRecipeName(*name);
    if (!saveNewRecipe(db_, list_, platform_, hook)) {
        list_.setRecipeName(oldName);
        list_.setHasRecipeEntry(hadEntry);
        title_ = "RECIPE  :  " + oldName;
        return false;
    }
    setModified(false);
    platform_.messageBox(docmsg::kRecipeSaved, docmsg::kRecipeSavedCaption, MsgButtons::ok);
    return true;
}

bool CFListDoc::onRecipeBackup() {
    if (!isRecipe_) {
        platform_.message(docmsg::kBackupFoodList);
        return false;
    }
    if (!list_.hasRecipeEntry()) {
        platform_.message(docmsg::kSaveBeforeBackup);
        return false;
    }
    const RecipeBackup outcome = backupRecipe(db_, list_);
    if (outcome != RecipeBackup::written) {
        platform_.message(outcome == RecipeBackup::noFolder ? docmsg::kNoBackupFolder : docmsg::kBackupNotWritten);
        return false;
    }
    platform_.message(docmsg::kBackedUp);
    return true;
}

} // namespace korva
