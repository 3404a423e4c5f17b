#include "app/editor_commands.h"

#include "app/quest_dialog.h"
#include "core/food_data_base.h"
#include "core/platform.h"
#include "core/record_store.h"
#include "lists/recipe_book.h"

namespace korva {

std::string newUserTitle(const std::string& name) { return "Korvana  :  USER " + name; }

EditorCommands::EditorCommands(FoodDataBase& db, Platform& platform, EditorWindows& windows,
                               RecipeFoodRemoved recipeFoodRemoved)
    : db_(db), platform_(platform), windows_(windows), recipeFoodRemoved_(std::move(recipeFoodRemoved)) {}

bool EditorCommands::runFoodEditor(FoodEditor::Mode mode) {
    FoodEditor editor(db_, platform_, windows_, mode);
    if (recipeFoodRemoved_)
        editor.setRecipeFoodRemoved(recipeFoodRemoved_);
    else
        editor.setRecipeFoodRemoved(
            [this](std::uint16_t id, bool deleted) { dropRecipeFood(db_, id, deleted, platform_); });
    editor.open();
    windows_.runFoodEditor(editor);
    return editor.succeeded();
}

bool EditorCommands::runProfileEditor(ProfileEditor::Mode mode, const NutrientRecord& profile) {
    ProfileEditor editor(db_, platform_, windows_, mode, profile);
    windows_.runProfileEditor(editor);
    return editor.succeeded();
}

void EditorCommands::newFood(bool documentsOpen) {
    if (documentsOpen) return platform_.message(kCloseListsBeforeNewFood);
    if (db_.state().unconsolidated >= kUnconsolidatedSlots) return platform_.message(kTooManyNewFoods);
    runFoodEditor(FoodEditor::newFood);
}

void EditorCommands::modifyFood(bool documentsOpen) {
    if (documentsOpen) return platform_.message(kCloseListsBeforeEdit);
    // Recipe foods that are moved or deleted leave the catalogue, which must
    // list them first.
    ensureRecipeCatalogue(db_);
    runFoodEditor(FoodEditor::modifyFood);
}

UserCommandOutcome EditorCommands::afterUserEditor(bool saved) {
    UserSet& users = db_.users();
    if (!saved) {
        // Nothing was saved: the targets in use are those of the file.
        users.readCurrentProfile(platform_);
        return {};
    }
    if (!users.current().changed) return {};
    // A user made by a save is current now: the title names it and the
    // state file will.
    users.current().changed = false;
    db_.state().setStateDirty(true);
    return {true, newUserTitle(users.current().name)};
}

UserCommandOutcome EditorCommands::userNew() {
    QuestDialog quest(db_.users().defaultProfile());
    windows_.runQuestionnaire(quest);
    if (!quest.result()) return {};
    return afterUserEditor(runProfileEditor(ProfileEditor::newUser, *quest.result()));
}

UserCommandOutcome EditorCommands::userModify() {
    if (db_.users().current().name == UserSet::kDefaultName) {
        platform_.message(kCannotModifyDefault);
        return {};
    }
    return afterUserEditor(runProfileEditor(ProfileEditor::modifyUser, db_.users().current().profile));
}

void EditorCommands::userView() { runProfileEditor(ProfileEditor::viewUser, db_.users().current().profile); }

} // namespace korva
