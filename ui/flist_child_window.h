#pragma once

#include <QMdiSubWindow>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "ui/qt_picker_dialogs.h"

namespace korva {

class CFListDoc;
class CListForm;
class DialogFoodPicker;
class ListFormWidget;
class QtPickerDialogs;

// The child window of one food list or recipe document: owns the document,
// its view (the food list form or the recipe form) and the view's face.
// Closing asks the document whether it may go (a modified list offers to be
// saved first).
class FListChildWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit FListChildWindow(std::unique_ptr<CFListDoc> doc, QWidget* parent = nullptr, FoodViewer viewer = {});
    ~FListChildWindow() override;

    CFListDoc& document() const { return *doc_; }
    // The food list form or the recipe form.
    CListForm& form() const { return *view_; }

    // A food chosen in the finder, added by whichever form this is.
    void addChosenFood(std::size_t position);
    // A food found by the nutrient search, added by whichever form this is.
    void addFromSearch(std::size_t position, std::uint16_t unit);
    // Takes what was typed into a recipe form's fields (before a save from
    // the menu); nothing in a food list window.
    void commitForm();
    // After a command changed the document from outside the form (a merge,
    // a save from the menu): show it afresh.
    void documentChanged();
    // Title and modified mark from the document.
    void updateTitle();
    // Closes once the document's save question has been answered already
    // (the program is ending): it is not asked again.
    void closeWithoutAsking();

signals:
    void titleChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<CFListDoc> doc_;
    std::unique_ptr<QtPickerDialogs> dialogs_;
    std::unique_ptr<DialogFoodPicker> picker_;
    std::unique_ptr<CListForm> view_;
    ListFormWidget* face_ = nullptr;
    bool closeApproved_ = false;
};

} // namespace korva
