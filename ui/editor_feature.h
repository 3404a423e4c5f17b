#pragma once

#include <functional>
#include <memory>

#include "app/editor_commands.h"
#include "ui/usel_dialog_widget.h"

class QWidget;

namespace korva {

class CMainFrame;
class FoodDataBase;
class MainWindow;
class Platform;

// The editor's modal windows over `parent`.
class QtEditorWindows : public EditorWindows {
public:
    explicit QtEditorWindows(QWidget* parent) : parent_(parent), users_(parent) {}
    void runUserSelection(USelDialog& dialog) override { users_.runUserSelection(dialog); }
    void runCategoryChoice(CSetDialog& dialog) override;
    void runQuestionnaire(QuestDialog& dialog) override;
    void runFoodEditor(FoodEditor& editor) override;
    void runProfileEditor(ProfileEditor& editor) override;

private:
    QWidget* parent_;
    QtUserDialogRunner users_;
};

// Foods "&New" and "&Modify", User "&New", "&Modify" and "&View": the food
// editor and the profile editor in the main window.  `documentsOpen` says whether any
// FoodList or recipe window is open.
class EditorFeature {
public:
    EditorFeature(MainWindow& window, CMainFrame& frame, FoodDataBase& db, Platform& platform,
                  std::function<bool()> documentsOpen);

private:
    MainWindow& window_;
    CMainFrame& frame_;
    FoodDataBase& db_;
    Platform& platform_;
    std::function<bool()> documentsOpen_;
};

} // namespace korva
