#pragma once

#include <filesystem>

#include "core/platform.h"
#include "lists/recipe_book.h"

namespace korva {

class ActiveDocument;
class CFListDoc;
class DocumentWindows;
class FoodDataBase;
class RecipeChooser;

// The Recipe menu of the main window (New Recipe, Open Recipe, Restore), the
// recipe commands of a document window (Save, Save As, Backup, Merge
// Foodlist, Close) and Merge Recipe of the File menu, each on the focused
// document.
class RecipeCommands {
public:
    static constexpr const char* kNoRecipes = "... no recipes in data base, can't open ..";
    static constexpr const char* kConsolidateFirst = "... you must CONSOLIDATE before restoring a RECIPE ...";
    static constexpr const char* kNoBackups = "... no recipes have been backed-up, can't restore ..";
    static constexpr const char* kRestoreFilter = "Recipe Files(*.RCP)|*.RCP|All Files(*.*)|*.*||";

    RecipeCommands(FoodDataBase& db, Platform& platform, ActiveDocument& active, DocumentWindows& windows);

    // Null when no recipe window was made (the user was told why, or
    // cancelled).
    CFListDoc* onNewRecipe();
    CFListDoc* onOpenRecipe(RecipeChooser& chooser);
    // A recipe file named on the command line or handed over by the shell
    // (a bare name is resolved by resolveDocumentName); an open recipe of
    // that file comes to the front instead.
    CFListDoc* openRecipe(const std::filesystem::path& file);
    bool onRestore(const RecipeStepHook& hook = {});

    void onSave();
    void onSaveAs();
    void onBackup();
    void onMergeFoodList();
    void onMergeRecipe(RecipeChooser& chooser);
    // True when the focused document was closed.
    bool onClose();

private:
    CFListDoc* focused() const;

    FoodDataBase& db_;
    Platform& platform_;
    ActiveDocument& active_;
    DocumentWindows& windows_;
};

} // namespace korva
