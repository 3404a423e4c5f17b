// A recipe document: the Recipe menu's commands.

#include <system_error>

#include "archive/archive.h"
#include "core/ascii_text.h"
#include "core/food_data_base.h"
#include "core/platform.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/recipe_book.h"

namespace korva {

namespace {

constexpr float kMinServings = 0.1f;
constexpr std::size_t kMaxNameLength = 79;

} // namespace

CRecipeDoc::CRecipeDoc(FoodDataBase& db, Platform& platform, ActiveDocument& active)
    : CFListDoc(db, platform, active, FoodList::kRecipe) {}

std::filesystem::path CRecipeDoc::documentDirectory() const { return db_.paths().recipeDir(); }

void CRecipeDoc::onNewDocument(const std::string& name) {
    list_.setPath(name);
    list_.recipe().setName(name);
    title_ = "RECIPE  :  " + name;
    setModified(false);
    activate();
}

bool CRecipeDoc::onNewDocument() {
    onNewDocument(db_.nextRecipeTitle());
    return true;
}

bool CRecipeDoc::onOpenRecipe(const std::filesystem::path& file) {
    {
        WaitCursor wait(platform_);
        const int outcome = list_.readRecipeFile(file, platform_);
        if (outcome == kReadNotFound) platform_.message(docmsg::kRecipeNotFound);
        if (outcome != kReadOk) return false;
    }
    title_ = "RECIPE  :  " + list_.recipe().name();
    settleAfterRead();
    activate();
    return true;
}

bool CRecipeDoc::recipeSavable() const {
    return !list_.recipe().instructions().empty() && !list_.recipe().servingDescription().empty() &&
           list_.recipe().servingCount() >= kMinServings;
}

bool CRecipeDoc::onRecipeMergeFoodList() {
    const std::optional<std::filesystem::path> chosen =
        platform_.chooseOpenFile(foodListFileRequest(db_, "Merge FoodList"));
    if (!chosen) return false;
    const int outcome = list_.mergeOtherKind(*chosen, platform_);
    if (outcome == kReadNotFound) platform_.message(docmsg::kFoodListNotFoundLower);
    if (outcome != kReadOk) return false;
    setModified(true);
    return true;
}

bool CRecipeDoc::checkExportRecipe() const { return active_.document() || refuse(docmsg::kNoActiveList); }

bool CRecipeDoc::onRecipeClose() {
    if (!canClose()) return false;
    active_.forget(this);
    return true;
}

bool CRecipeDoc::canClose() {
    commitForm();
    if (!isModified()) return true;
    return platform_.messageBox("Close " + title_ + " without saving the changes ?", kAppTitle, MsgButtons::yesNo) ==
           MsgAnswer::yes;
}

bool CRecipeDoc::recipeRulesPass(bool checkModified) {
    commitForm();
    const char* refusal = nullptr;
    if (!hasItems())
        refusal = docmsg::kNoIngredients;
    else if (checkModified && !isModified())
        refusal = docmsg::kNoChanges;
    else if (list_.recipe().instructions().empty())
        refusal = docmsg::kNoInstructions;
    else if (list_.recipe().servingDescription().empty())
        refusal = docmsg::kNoServingDescription;
    else if (list_.recipe().servingCount() < kMinServings)
        refusal = docmsg::kTooFewServings;
    if (refusal) platform_.message(refusal);
    return refusal == nullptr;
}

bool CRecipeDoc::nameTaken(const std::string& name) const {
    return recipeNameTaken(db_, name, list_.recipe().hasEntry() ? list_.recipeFoodId() : 0);
}

bool CRecipeDoc::onRecipeSave(const RecipeStepHook& hook) {
    if (!recipeRulesPass(true)) return false;
    title_ = "RECIPE  :  " + list_.recipe().name();
    ensureRecipeCatalogue(db_);
    if (nameTaken(list_.recipe().name())) {
        platform_.message(docmsg::kNameExists);
        return false;
    }
    const bool written = list_.recipe().hasEntry() ? updateRecipe(db_, list_, platform_, hook)
                                                   : saveNewRecipe(db_, list_, platform_, hook);
    if (!written) return false;
    setModified(false);
    platform_.messageBox(docmsg::kRecipeSaved, docmsg::kRecipeSavedCaption, MsgButtons::ok);
    return true;
}

bool CRecipeDoc::onRecipeSaveAs(const RecipeStepHook& hook) {
    if (!recipeRulesPass(false)) return false;
    std::optional<std::string> name =
        platform_.textEntry(docmsg::kNamePrompt, docmsg::kNameCaption, list_.recipe().name());
    if (!name || name->empty()) return false;
    if (name->size() > kMaxNameLength) name->resize(kMaxNameLength);
    if (*name == list_.recipe().name()) {
        platform_.message(docmsg::kSameName);
        return false;
    }
    ensureRecipeCatalogue(db_);
    // A second recipe of the same name could never be saved again.
    const std::string oldName = list_.recipe().name();
    const bool hadEntry = list_.recipe().hasEntry();
    list_.recipe().setHasEntry(false);
    if (nameTaken(*name)) {
        list_.recipe().setHasEntry(hadEntry);
        platform_.message(docmsg::kNameExists);
        return false;
    }
    title_ = "RECIPE  :  " + *name;
    list_.recipe().setName(*name);
    if (!saveNewRecipe(db_, list_, platform_, hook)) {
        list_.recipe().setName(oldName);
        list_.recipe().setHasEntry(hadEntry);
        title_ = "RECIPE  :  " + oldName;
        return false;
    }
    setModified(false);
    platform_.messageBox(docmsg::kRecipeSaved, docmsg::kRecipeSavedCaption, MsgButtons::ok);
    return true;
}

bool CRecipeDoc::onRecipeBackup() {
    commitForm();
    if (!list_.recipe().hasEntry()) {
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
