#include "lists/flist_doc.h"

#include "core/food_data_base.h"
#include "core/platform.h"
#include "lists/active_document.h"

namespace korva {

namespace {

constexpr double kMinRecipeServings = 0.1;

std::string withoutExtension(const std::string& name) {
    return name.size() >= 4 ? name.substr(0, name.size() - 4) : std::string();
}

} // namespace

FoodList* ActiveDocument::list() const { return doc_ ? &doc_->list() : nullptr; }

CFListDoc::CFListDoc(FoodDataBase& db, Platform& platform, ActiveDocument& active, bool isRecipe)
    : db_(db), platform_(platform), active_(active), isRecipe_(isRecipe),
      list_(&db, listDateText(platform.now())) {
    if (isRecipe_) list_.setListType(FoodList::kRecipe);
    setModified(false);
}

CFListDoc::~CFListDoc() { active_.forget(this); }

std::filesystem::path CFListDoc::documentDirectory() const {
    return isRecipe_ ? db_.paths().recipeDir() : db_.paths().foodListDir();
}

std::filesystem::path CFListDoc::pathName() const {
    // New documents carry a bare file name, which belongs in the document's
    // own directory rather than wherever the program was started.
    std::filesystem::path p(list_.path());
    return p.is_relative() ? documentDirectory() / p : p;
}

bool CFListDoc::isModified() const { return forcedModified_ || list_.revision() != savedRevision_; }

void CFListDoc::setModified(bool on) {
    forcedModified_ = on;
    if (!on) savedRevision_ = list_.revision();
}

bool CFListDoc::recipeSavable() const {
    return !list_.instructions().empty() && !list_.servingDescription().empty() &&
           static_cast<double>(list_.servingCount()) >= kMinRecipeServings;
}

void CFListDoc::activate() { active_.set(this); }

void CFListDoc::setFoodListTitle(const std::string& nameWithoutExtension) {
    title_ = "FOODLIST  :  " + nameWithoutExtension;
}

// ---- Creation ----------------------------------------------------------------

void CFListDoc::onNewDocument(const std::string& name) {
    list_.setPath(name);
    if (isRecipe_) {
        list_.setRecipeName(name);
        title_ = "RECIPE  :  " + name;
    } else {
        setFoodListTitle(withoutExtension(name));
        freshName_ = true;
    }
    setModified(false);
    activate();
}

bool CFListDoc::onNewDocument() {
    if (isRecipe_) {
        onNewDocument(db_.nextRecipeTitle());
        return true;
    }
    const NewFileName name = db_.numbering().nextFoodListName();
    if (!name) {
        platform_.message(name.refusal);
        return false;
    }
    onNewDocument(name.name);
    return true;
}

bool CFListDoc::onOpenDocument(const std::filesystem::path& file) {
    if (!readFoodList(file, false)) return false;
    setFoodListTitle(withoutExtension(list_.fileName()));
    freshName_ = false;
    // Dropped items leave a list that differs from its file and needs saving.
    setModified(list_.droppedItems() != 0);
    activate();
    return true;
}

bool CFListDoc::onOpenRecipe(const std::filesystem::path& file) {
    if (!openRecipe(file)) return false;
    title_ = "RECIPE  :  " + list_.recipeName();
    setModified(list_.droppedItems() != 0);
    activate();
    return true;
}

bool CFListDoc::readFoodList(const std::filesystem::path& file, bool merge) {
    const int outcome = list_.readFile(file, merge, platform_);
    if (outcome == kReadNotFound) platform_.message(docmsg::kFoodListNotFound);
    return outcome == kReadOk;
}

bool CFListDoc::openRecipe(const std::filesystem::path& file) {
    WaitCursor wait(platform_);
    const int outcome = list_.readRecipeFile(file, platform_);
    if (outcome == kReadNotFound) platform_.message(docmsg::kRecipeNotFound);
    return outcome == kReadOk;
}

// ---- Saving ------------------------------------------------------------------

bool CFListDoc::writeTo(const std::filesystem::path& file) {
    // The file records the path it was saved under; a failed write keeps the
    // path the document had.
    const std::string previous = list_.path();
    list_.setPath(file.string());
    if (!list_.writeFile(file, platform_)) {
        list_.setPath(previous);
        return false;
    }
    freshName_ = false;
    return true;
}

bool CFListDoc::claimFreshName() {
    std::error_code ec;
    if (!freshName_ || !std::filesystem::exists(std::filesystem::symlink_status(pathName(), ec))) return true;
    const NewFileName name = db_.numbering().nextFoodListName();
    if (!name) {
        platform_.message(name.refusal);
        return false;
    }
    list_.setPath(name.name);
    setFoodListTitle(withoutExtension(name.name));
    return true;
}

bool CFListDoc::saveFoodList() {
    if (isRecipe_) {
        platform_.message(docmsg::kUseRecipeMenu);
        return false;
    }
    if (!isModified()) {
        platform_.message(docmsg::kNoChanges);
        return false;
    }
    if (!hasItems()) {
        platform_.message(docmsg::kNoFoodItems);
        return false;
    }
    if (!claimFreshName() || !writeTo(pathName())) return false;
    setModified(false);
    return true;
}

bool CFListDoc::onSaveFoodList() {
    if (!saveFoodList()) return false;
    platform_.messageBox(docmsg::kSaved, docmsg::kSavedCaption, MsgButtons::ok);
    return true;
}

bool CFListDoc::onSaveFoodListAs() {
    if (isRecipe_) {
        platform_.message(docmsg::kUseRecipeMenu);
        return false;
    }
    if (!hasItems()) {
        platform_.message(docmsg::kNoFoodItems);
        return false;
    }
    FileDialogRequest request;
    request.caption = "Save FoodList As";
    request.filter = docmsg::kFoodListFilter;
    request.defaultExtension = docmsg::kFoodListExtension;
    request.startFolder = db_.paths().foodListDir();
    request.initialName = list_.fileName();
    const std::optional<std::filesystem::path> chosen = platform_.chooseSaveFile(request);
    if (!chosen) return false;
    if (!writeTo(*chosen)) return false;
    db_.numbering().noteFoodListName(list_.fileName());
    title_ = "FOOD  LIST  : " + list_.fileName();
    setModified(false);
    return true;
}

// ---- Merging -----------------------------------------------------------------

namespace {

FileDialogRequest foodListChooser(const FoodDataBase& db) {
    FileDialogRequest request;
    request.caption = "Merge FoodList";
    request.filter = docmsg::kFoodListFilter;
    request.defaultExtension = docmsg::kFoodListExtension;
    request.startFolder = db.paths().foodListDir();
    return request;
}

} // namespace

bool CFListDoc::onMergeFoodList() {
    if (isRecipe_) {
        platform_.message(docmsg::kUseRecipeMenuMerge);
        return false;
    }
    const std::optional<std::filesystem::path> chosen = platform_.chooseOpenFile(foodListChooser(db_));
    if (!chosen) return false;
    const bool merged = readFoodList(*chosen, true);
    setModified(true);
    return merged;
}

bool CFListDoc::onMergeRecipe(const std::function<std::optional<std::filesystem::path>()>& chooseRecipe) {
    if (isRecipe_) {
        platform_.message(docmsg::kUseMergeUnderRecipe);
        return false;
    }
    if (db_.index().foodCount(kRecipeCategory) == 0) {
        platform_.message(docmsg::kNoRecipes);
        return false;
    }
    const std::optional<std::filesystem::path> chosen = chooseRecipe ? chooseRecipe() : std::nullopt;
    if (!chosen) return false;
    const int outcome = list_.mergeOtherKind(*chosen, platform_);
    if (outcome == kReadNotFound) platform_.message(docmsg::kRecipeNotFoundLower);
    if (outcome != kReadOk) return false;
    setModified(true);
    return true;
}

bool CFListDoc::onRecipeMergeFoodList() {
    if (!isRecipe_) {
        platform_.message(docmsg::kUseFoodListMenu);
        return false;
    }
    const std::optional<std::filesystem::path> chosen = platform_.chooseOpenFile(foodListChooser(db_));
    if (!chosen) return false;
    const int outcome = list_.mergeOtherKind(*chosen, platform_);
    if (outcome == kReadNotFound) platform_.message(docmsg::kFoodListNotFoundLower);
    if (outcome != kReadOk) return false;
    setModified(true);
    return true;
}

// ---- Guards and closing ------------------------------------------------------

bool CFListDoc::checkExportFoodList() const {
    if (isRecipe_) {
        platform_.message(docmsg::kUseRecipeMenu);
        return false;
    }
    if (!active_.document()) {
        platform_.message(docmsg::kNoActiveList);
        return false;
    }
    return true;
}

bool CFListDoc::checkExportRecipe() const {
    if (!isRecipe_) {
        platform_.message(docmsg::kUseFoodListMenu);
        return false;
    }
    if (!active_.document()) {
        platform_.message(docmsg::kNoActiveList);
        return false;
    }
    return true;
}

bool CFListDoc::checkViewAllNutrients() const {
    if (hasItems()) return true;
    platform_.message(docmsg::kNoItemsNutrients);
    return false;
}

bool CFListDoc::checkViewOneNutrient() const {
    if (hasItems()) return true;
    platform_.message(docmsg::kNoItemsNutrient);
    return false;
}

bool CFListDoc::onRecipeClose() {
    if (!isRecipe_) {
        platform_.message(docmsg::kUseFoodListMenu);
        return false;
    }
    if (!canClose()) return false;
    active_.forget(this);
    return true;
}

bool CFListDoc::canClose() {
    if (!isModified()) return true;
    if (isRecipe_) {
        // Recipes are saved only through their own rules (the Recipe menu),
        // so closing can only confirm that the changes are to be dropped.
        return platform_.messageBox("Close " + title_ + " without saving the changes ?", kAppTitle,
                                    MsgButtons::yesNo) == MsgAnswer::yes;
    }
    switch (platform_.messageBox("Save changes to " + title_ + " ?", kAppTitle, MsgButtons::yesNoCancel)) {
    case MsgAnswer::yes: return saveFoodList();
    case MsgAnswer::no: return true;
    default: return false;
    }
}

} // namespace korva
