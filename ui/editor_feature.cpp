#include "ui/editor_feature.h"

#include "app/cset_dialog.h"
#include "app/main_frame.h"
#include "app/quest_dialog.h"
#include "ui/cset_dialog_widget.h"
#include "ui/food_editor_widget.h"
#include "ui/main_window.h"
#include "ui/profile_editor_widget.h"
#include "ui/quest_dialog_widget.h"

namespace korva {

void QtEditorWindows::runCategoryChoice(CSetDialog& dialog) { CSetDialogWidget(dialog, parent_).run(); }

void QtEditorWindows::runQuestionnaire(QuestDialog& dialog) {
    QuestDialogWidget face(dialog, parent_);
    face.exec();
}

void QtEditorWindows::runFoodEditor(FoodEditor& editor) {
    FoodEditorWidget face(editor, parent_);
    face.exec();
    if (!editor.finished()) editor.onClose();
}

void QtEditorWindows::runProfileEditor(ProfileEditor& editor) {
    ProfileEditorWidget face(editor, parent_);
    face.exec();
    if (!editor.finished()) editor.onClose();
}

EditorFeature::EditorFeature(MainWindow& window, CMainFrame& frame, FoodDataBase& db, Platform& platform,
                             std::function<bool()> documentsOpen)
    : window_(window), frame_(frame), db_(db), platform_(platform), documentsOpen_(std::move(documentsOpen)) {
    // Each command builds its commands object afresh: the hook may be set
    // after the menu was made.
    auto run = [this](const std::function<void(EditorCommands&)>& command) {
        QtEditorWindows windows(&window_);
        EditorCommands commands(db_, platform_, windows);
        command(commands);
        window_.refresh();
    };
    auto open = [this] { return documentsOpen_ && documentsOpen_(); };
    window.addCommand(kCmdNewFood, [run, open] { run([&](EditorCommands& c) { c.newFood(open()); }); });
    window.addCommand(kCmdModifyFood, [run, open] { run([&](EditorCommands& c) { c.modifyFood(open()); }); });
    window.addCommand(kCmdUserNew,
                      [this, run] { run([this](EditorCommands& c) { frame_.takeUserOutcome(c.userNew()); }); });
    window.addCommand(kCmdUserModify,
                      [this, run] { run([this](EditorCommands& c) { frame_.takeUserOutcome(c.userModify()); }); });
    window.addCommand(kCmdUserView, [run] { run([](EditorCommands& c) { c.userView(); }); });
}

} // namespace korva
