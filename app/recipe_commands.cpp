#include "app/recipe_commands.h"

#include <memory>
#include <system_error>

#include "app/document_path.h"
#include "app/food_list_commands.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/rcsl_dialog.h"

namespace korva {

RecipeCommands::RecipeCommands(FoodDataBase& db, Platform& platform, ActiveDocument& active, DocumentWindows& windows)
    : db_(db), platform_(platform), active_(active), windows_(windows) {}

CFListDoc* RecipeCommands::focused() const { return windows_.focusedDocument(); }

CFListDoc* RecipeCommands::onNewRecipe() {
    ensureRecipeCatalogue(db_);
    auto doc = std::make_unique<CRecipeDoc>(db_, platform_, active_);
    doc->onNewDocument(db_.nextRecipeTitle());
    return &windows_.show(std::move(doc));
}

CFListDoc* RecipeCommands::onOpenRecipe(RecipeChooser& chooser) {
    if (db_.recipeCount() == 0) {
        platform_.message(kNoRecipes);
        return nullptr;
    }
    const std::optional<std::filesystem::path> chosen = chooseRecipe(db_, chooser);
    return chosen ? openRecipe(*chosen) : nullptr;
}

CFListDoc* RecipeCommands::openRecipe(const std::filesystem::path& file) {
    // Two windows on one recipe would each save over the other.
    const std::filesystem::path where = resolveDocumentName(file, db_.paths().recipeDir());
    for (CFListDoc* doc : windows_.documents()) {
        if (doc->isRecipe() && sameFile(doc->pathName(), where)) {
            windows_.bringToFront(*doc);
            return doc;
        }
    }
    ensureRecipeCatalogue(db_);
    auto doc = std::make_unique<CRecipeDoc>(db_, platform_, active_);
    if (!doc->onOpenRecipe(where)) return nullptr;
    return &windows_.show(std::move(doc));
}

bool RecipeCommands::onRestore(const RecipeStepHook& hook) {
    if (db_.state().unconsolidated >= 32) {
        platform_.message(kConsolidateFirst);
        return false;
    }
    ensureRecipeCatalogue(db_);
    const std::filesystem::path folder = db_.paths().recipeDir() / "backup";
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        platform_.message(kNoBackups);
        return false;
    }
    FileDialogRequest request;
    request.caption = "Restore Recipe";
    request.filter = kRestoreFilter;
    request.defaultExtension = "RCP";
    request.startFolder = folder;
    const std::optional<std::filesystem::path> chosen = platform_.chooseOpenFile(request);
    if (!chosen) return false;
    WaitCursor wait(platform_);
    if (!restoreRecipeFile(db_, *chosen, platform_, hook)) return false;
    platform_.message(recipemsg::kRestored);
    return true;
}

void RecipeCommands::onSave() {
    CFListDoc* doc = focused();
    if (!doc) return;
    doc->onRecipeSave();
    windows_.documentRetitled(*doc);
}

void RecipeCommands::onSaveAs() {
    CFListDoc* doc = focused();
    if (!doc) return;
    doc->onRecipeSaveAs();
    windows_.documentRetitled(*doc);
}

void RecipeCommands::onBackup() {
    if (CFListDoc* doc = focused()) doc->onRecipeBackup();
}

void RecipeCommands::onMergeRecipe(RecipeChooser& chooser) {
    CFListDoc* doc = focused();
    if (!doc) return;
    if (doc->onMergeRecipe([&] { return chooseRecipe(db_, chooser); })) windows_.documentChanged(*doc);
    windows_.documentRetitled(*doc);
}

void RecipeCommands::onMergeFoodList() {
    CFListDoc* doc = focused();
    if (!doc) return;
    if (doc->onRecipeMergeFoodList()) windows_.documentChanged(*doc);
}

bool RecipeCommands::onClose() {
    CFListDoc* doc = focused();
    return doc && doc->onRecipeClose();
}

} // namespace korva
