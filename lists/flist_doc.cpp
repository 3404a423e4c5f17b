#include "lists/flist_doc.h"

#include <cmath>

#include "core/food_data_base.h"
#include "core/platform.h"
#include "lists/active_document.h"

namespace korva {

namespace {

std::string withoutExtension(const std::string& name) {
    return name.size() >= 4 ? name.substr(0, name.size() - 4) : std::string();
}

bool sameFigure(float stored, float summed) {
    return std::fabs(stored - summed) <= 1e-4f * std::max(1.0f, std::fabs(summed));
}

} // namespace

FoodList* ActiveDocument::list() const { return doc_ ? &doc_->list() : nullptr; }

FileDialogRequest foodListFileRequest(const FoodDataBase& db, const char* caption, std::string initialName) {
    FileDialogRequest request;
    request.caption = caption;
    request.filter = docmsg::kFoodListFilter;
    request.defaultExtension = docmsg::kFoodListExtension;
    request.startFolder = db.paths().foodListDir();
    request.initialName = std::move(initialName);
    return request;
}

// ---- Both kinds ----------------------------------------------------------------

CFListDoc::CFListDoc(FoodDataBase& db, Platform& platform, ActiveDocument& active, std::uint16_t listType)
    : db_(db), platform_(platform), active_(active), list_(&db, listDateText(platform.now())) {
    if (listType != FoodList::kFoodList) list_.setListType(listType);
    setModified(false);
}

CFListDoc::~CFListDoc() { active_.forget(this); }

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

void CFListDoc::activate() { active_.set(this); }

bool CFListDoc::refuse(const char* message) const {
    platform_.message(message);
    return false;
}

void CFListDoc::settleAfterRead() {
    const NutrientRecord stored = list_.totals();
    list_.recomputeTotals();
    bool differs = list_.droppedItems() != 0;
    for (int n = 0; n < kNutrientCount && !differs; ++n)
        differs = !sameFigure(stored.value(n), list_.totals().value(n));
    setModified(differs);
}

bool CFListDoc::onSaveFoodList() { return refuse(docmsg::kUseRecipeMenu); }
bool CFListDoc::onSaveFoodListAs() { return refuse(docmsg::kUseRecipeMenu); }
bool CFListDoc::onMergeFoodList() { return refuse(docmsg::kUseRecipeMenuMerge); }
bool CFListDoc::onMergeRecipe(const std::function<std::optional<std::filesystem::path>()>&) {
    return refuse(docmsg::kUseMergeUnderRecipe);
}
bool CFListDoc::checkExportFoodList() const { return refuse(docmsg::kUseRecipeMenu); }
bool CFListDoc::onRecipeMergeFoodList() { return refuse(docmsg::kUseFoodListMenu); }
bool CFListDoc::checkExportRecipe() const { return refuse(docmsg::kUseFoodListMenu); }
bool CFListDoc::onRecipeSave(const RecipeStepHook&) { return refuse(docmsg::kUseFoodListMenu); }
bool CFListDoc::onRecipeSaveAs(const RecipeStepHook&) { return refuse(docmsg::kUseFoodListMenu); }
bool CFListDoc::onRecipeBackup() { return refuse(docmsg::kBackupFoodList); }
bool CFListDoc::onRecipeClose() { return refuse(docmsg::kUseFoodListMenu); }

bool CFListDoc::checkViewAllNutrients() const { return hasItems() || refuse(docmsg::kNoItemsNutrients); }
bool CFListDoc::checkViewOneNutrient() const { return hasItems() || refuse(docmsg::kNoItemsNutrient); }

// ---- A food list ---------------------------------------------------------------

CFoodListDoc::CFoodListDoc(FoodDataBase& db, Platform& platform, ActiveDocument& active)
    : CFListDoc(db, platform, active, FoodList::kFoodList) {}

std::filesystem::path CFoodListDoc::documentDirectory() const { return db_.paths().foodListDir(); }

void CFoodListDoc::setTitle(const std::string& nameWithoutExtension) {
    title_ = "FOODLIST  :  " + nameWithoutExtension;
}

void CFoodListDoc::onNewDocument(const std::string& name) {
    list_.setPath(name);
    setTitle(withoutExtension(name));
    freshName_ = true;
    setModified(false);
    activate();
}

bool CFoodListDoc::onNewDocument() {
    const NewFileName name = db_.numbering().nextFoodListName();
    if (!name) return refuse(name.refusal.c_str());
    onNewDocument(name.name);
    return true;
}

bool CFoodListDoc::onOpenDocument(const std::filesystem::path& file) {
    if (!readFoodList(file, false)) return false;
    setTitle(withoutExtension(list_.fileName()));
    freshName_ = false;
    settleAfterRead();
    activate();
    return true;
}

bool CFoodListDoc::readFoodList(const std::filesystem::path& file, bool merge) {
    const int outcome = list_.readFile(file, merge, platform_);
    if (outcome == kReadNotFound) platform_.message(docmsg::kFoodListNotFound);
    return outcome == kReadOk;
}

bool CFoodListDoc::writeTo(const std::filesystem::path& file) {
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

bool CFoodListDoc::claimFreshName() {
    std::error_code ec;
    if (!freshName_ || !std::filesystem::exists(std::filesystem::symlink_status(pathName(), ec))) return true;
    const NewFileName name = db_.numbering().nextFoodListName();
    if (!name) return refuse(name.refusal.c_str());
    list_.setPath(name.name);
    setTitle(withoutExtension(name.name));
    return true;
}

bool CFoodListDoc::saveFoodList() {
    if (!isModified()) return refuse(docmsg::kNoChanges);
    if (!hasItems()) return refuse(docmsg::kNoFoodItems);
    if (!claimFreshName() || !writeTo(pathName())) return false;
    setModified(false);
    return true;
}

bool CFoodListDoc::onSaveFoodList() {
    if (!saveFoodList()) return false;
    platform_.messageBox(docmsg::kSaved, docmsg::kSavedCaption, MsgButtons::ok);
    return true;
}

bool CFoodListDoc::onSaveFoodListAs() {
    if (!hasItems()) return refuse(docmsg::kNoFoodItems);
    const std::optional<std::filesystem::path> chosen =
        platform_.chooseSaveFile(foodListFileRequest(db_, "Save FoodList As", list_.fileName()));
    if (!chosen || !writeTo(*chosen)) return false;
    db_.numbering().noteFoodListName(list_.fileName());
    title_ = "FOOD  LIST  : " + list_.fileName();
    setModified(false);
    return true;
}

bool CFoodListDoc::onMergeFoodList() {
    const std::optional<std::filesystem::path> chosen =
        platform_.chooseOpenFile(foodListFileRequest(db_, "Merge FoodList"));
    if (!chosen) return false;
    const bool merged = readFoodList(*chosen, true);
    setModified(true);
    return merged;
}

bool CFoodListDoc::onMergeRecipe(const std::function<std::optional<std::filesystem::path>()>& chooseRecipe) {
    if (db_.index().foodCount(kRecipeCategory) == 0) return refuse(docmsg::kNoRecipes);
    const std::optional<std::filesystem::path> chosen = chooseRecipe ? chooseRecipe() : std::nullopt;
    if (!chosen) return false;
    const int outcome = list_.mergeOtherKind(*chosen, platform_);
    if (outcome == kReadNotFound) platform_.message(docmsg::kRecipeNotFoundLower);
    if (outcome != kReadOk) return false;
    setModified(true);
    return true;
}

bool CFoodListDoc::checkExportFoodList() const { return active_.document() || refuse(docmsg::kNoActiveList); }

bool CFoodListDoc::canClose() {
    if (!isModified()) return true;
    switch (platform_.messageBox("Save changes to " + title_ + " ?", kAppTitle, MsgButtons::yesNoCancel)) {
    case MsgAnswer::yes: return saveFoodList();
    case MsgAnswer::no: return true;
    default: return false;
    }
}

} // namespace korva
