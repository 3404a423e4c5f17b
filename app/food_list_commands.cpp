#include "app/food_list_commands.h"

#include <system_error>

#include "app/command_table.h"
#include "app/document_path.h"
#include "app/recent_files.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "search/category_food_picker.h"
#include "search/picker_dialogs.h"

namespace korva {

FoodListCommands::FoodListCommands(FoodDataBase& db, Platform& platform, ActiveDocument& active, RecentFiles& recent,
                                   DocumentWindows& windows)
    : db_(db), platform_(platform), active_(active), recent_(recent), windows_(windows) {}

CFListDoc* FoodListCommands::onNewFoodList() {
    const NewFileName name = db_.numbering().nextFoodListName();
    if (!name) {
        platform_.message(name.refusal);
        return nullptr;
    }
    auto doc = std::make_unique<CFoodListDoc>(db_, platform_, active_);
    doc->onNewDocument(name.name);
    return &windows_.show(std::move(doc));
}

CFListDoc* FoodListCommands::onOpenFoodList() {
    const auto chosen = platform_.chooseOpenFile(openRequest());
    return chosen ? openFoodList(*chosen) : nullptr;
}

CFListDoc* FoodListCommands::openFoodList(const std::filesystem::path& named) {
    const std::filesystem::path file = resolveDocumentName(named, db_.paths().foodListDir());
    // A list has one window: opening it again brings that window forward
    // rather than showing a second copy that could overwrite the first.
    for (CFListDoc* doc : windows_.documents()) {
        if (!doc->isRecipe() && sameFile(doc->pathName(), file)) {
            windows_.bringToFront(*doc);
            remember(file);
            return doc;
        }
    }
    // A failed open leaves no document behind; the active one stays so.
    auto doc = std::make_unique<CFoodListDoc>(db_, platform_, active_);
    if (!doc->onOpenDocument(file)) return nullptr;
    db_.numbering().noteFoodListName(file.filename().string());
    remember(file);
    return &windows_.show(std::move(doc));
}

CFListDoc* FoodListCommands::onRecentFile(std::size_t i) {
    if (i >= recent_.entries().size()) return nullptr;
    const std::filesystem::path file = recent_.entries()[i];
    if (CFListDoc* doc = openFoodList(file)) return doc;
    recent_.remove(file);
    recent_.save();
    return nullptr;
}

void FoodListCommands::onSaveFoodList() {
    CFListDoc* doc = windows_.focusedDocument();
    if (!doc) return;
    if (doc->onSaveFoodList()) remember(doc->pathName());
    windows_.documentRetitled(*doc);
}

void FoodListCommands::onSaveFoodListAs() {
    CFListDoc* doc = windows_.focusedDocument();
    if (!doc) return;
    if (doc->onSaveFoodListAs()) remember(doc->pathName());
    windows_.documentRetitled(*doc);
}

void FoodListCommands::onMergeFoodList() {
    CFListDoc* doc = windows_.focusedDocument();
    if (!doc) return;
    doc->onMergeFoodList();
    windows_.documentChanged(*doc);
}

void FoodListCommands::onCategories(PickerDialogs& dialogs) {
    CategoryFoodPicker picker(db_, platform_, categoryNameList(), false, active_.document() != nullptr);
    dialogs.run(picker);
}

bool FoodListCommands::confirmCloseAll() {
    for (CFListDoc* doc : windows_.documents()) {
        if (!doc->isModified()) continue;
        windows_.bringToFront(*doc); // the question names it; let the user see it
        const bool mayClose = doc->canClose();
        windows_.documentRetitled(*doc);
        if (!mayClose) return false;
    }
    return true;
}

FileDialogRequest FoodListCommands::openRequest() const {
    FileDialogRequest request;
    request.caption = kOpenCaption;
    request.filter = kOpenFilter;
    request.defaultExtension = kOpenExtension;
    request.startFolder = db_.paths().foodListDir();
    return request;
}

std::vector<std::string> FoodListCommands::recentFileTexts() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < recent_.entries().size(); ++i) out.push_back(recent_.menuText(i));
    return out;
}

std::vector<std::string> FoodListCommands::windowListTexts() const {
    std::vector<std::string> out;
    std::size_t n = 0;
    for (const CFListDoc* doc : windows_.documents()) out.push_back(numberedMenuText(++n, doc->title()));
    return out;
}

void FoodListCommands::remember(const std::filesystem::path& file) {
    recent_.add(std::filesystem::absolute(file).lexically_normal());
    recent_.save();
}

} // namespace korva
