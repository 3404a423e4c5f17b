#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/platform.h"

namespace korva {

class ActiveDocument;
class CFListDoc;
class FoodDataBase;
class PickerDialogs;
class RecentFiles;

// The document area as the food list commands see it.  The Qt face gives
// each document a child window; tests keep the documents in a list.
class DocumentWindows {
public:
    virtual ~DocumentWindows() = default;
    // The open documents, in the order of their windows.
    virtual std::vector<CFListDoc*> documents() const = 0;
    // The document whose window has the focus; null when none has.
    virtual CFListDoc* focusedDocument() const = 0;
    // Gives a new document a window of its own, in front of the others.
    virtual CFListDoc& show(std::unique_ptr<CFListDoc> doc) = 0;
    // Brings the window of an open document to the front.
    virtual void bringToFront(CFListDoc& doc) = 0;
    // A command changed the document's items from outside its form.
    virtual void documentChanged(CFListDoc& doc) = 0;
    // A save changed its title or its modified mark only: what is typed in
    // the form stays.
    virtual void documentRetitled(CFListDoc& doc) = 0;
};

// The food list commands of the main window: new, open (or bring forward
// the window of a list that is open already), the recent files, save, save
// as and merge of the focused list, the category picker in browse-only mode,
// and the save questions before the program ends.
class FoodListCommands {
public:
    // The FoodList document type: "FoodLists (*.fls)", with the chooser's
    // own "All Files" after it.
    static constexpr const char* kOpenFilter = "FoodLists (*.fls)|*.fls|All Files (*.*)|*.*||";
    static constexpr const char* kOpenExtension = "fls";
    static constexpr const char* kOpenCaption = "Open FoodList";

    FoodListCommands(FoodDataBase& db, Platform& platform, ActiveDocument& active, RecentFiles& recent,
                     DocumentWindows& windows);

    // Null when no list was made or opened (the user was told why, or
    // cancelled).
    CFListDoc* onNewFoodList();
    CFListDoc* onOpenFoodList();
    // A bare name is resolved by resolveDocumentName.
    CFListDoc* openFoodList(const std::filesystem::path& named);
    // A file of the recent list; one that can no longer be read leaves it.
    CFListDoc* onRecentFile(std::size_t i);
    void onSaveFoodList();
    void onSaveFoodListAs();
    void onMergeFoodList();
    void onCategories(PickerDialogs& dialogs);

    // Asks about every modified document, in window order, before any
    // window closes: false as soon as the user cancels one, and then nothing
    // may close.  Lists answered Yes have been saved.
    bool confirmCloseAll();

    FileDialogRequest openRequest() const;
    // Save, Save As and Merge act on the focused list, so they need one.
    bool documentCommandsEnabled() const { return windows_.focusedDocument() != nullptr; }
    // The File menu's recent entries and the Window menu's document entries.
    std::vector<std::string> recentFileTexts() const;
    std::vector<std::string> windowListTexts() const;

private:
    void remember(const std::filesystem::path& file);

    FoodDataBase& db_;
    Platform& platform_;
    ActiveDocument& active_;
    RecentFiles& recent_;
    DocumentWindows& windows_;
};

} // namespace korva
