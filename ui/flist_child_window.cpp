#include "ui/flist_child_window.h"

#include <QCloseEvent>

#include "lists/flist_doc.h"
#include "lists/flist_view.h"
#include "lists/recipe_view.h"
#include "search/dialog_food_picker.h"
#include "ui/flist_view_widget.h"
#include "ui/qt_picker_dialogs.h"
#include "ui/qt_text.h"
#include "ui/recipe_view_widget.h"

namespace korva {

FListChildWindow::FListChildWindow(std::unique_ptr<CFListDoc> doc, QWidget* parent, FoodViewer viewer)
    : QMdiSubWindow(parent), doc_(std::move(doc)) {
    setObjectName(doc_->isRecipe() ? "recipeChildWindow" : "flistChildWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    dialogs_ = std::make_unique<QtPickerDialogs>(this, std::move(viewer));
    picker_ = std::make_unique<DialogFoodPicker>(doc_->dataBase(), doc_->platform(), *dialogs_);
    if (doc_->isRecipe()) {
        auto view = std::make_unique<CRecipeView>(*doc_, *picker_);
        face_ = new RecipeViewWidget(*view, this);
        view_ = std::move(view);
    } else {
        auto view = std::make_unique<CFLView>(*doc_, *picker_);
        face_ = new FListViewWidget(*view, this);
        view_ = std::move(view);
    }
    setWidget(face_);
    connect(face_, &ListFormWidget::documentTouched, this, &FListChildWindow::updateTitle);
    face_->start();
    updateTitle();
}

// The face refers to the view: it goes first, with the window's widgets.
FListChildWindow::~FListChildWindow() { delete widget(); }

void FListChildWindow::addFromSearch(std::size_t position, std::uint16_t unit) {
    view_->addFromSearch(position, unit);
    face_->refresh();
    updateTitle();
}

void FListChildWindow::addChosenFood(std::size_t position) {
    face_->addChosenFood(position);
    updateTitle();
}

void FListChildWindow::commitForm() {
    doc_->commitForm();
    face_->refresh();
}

void FListChildWindow::documentChanged() {
    view_->refreshAll();
    face_->refresh();
    updateTitle();
}

void FListChildWindow::updateTitle() {
    setWindowTitle(pathToQt(doc_->title()) + QStringLiteral("[*]"));
    setWindowModified(doc_->isModified());
    emit titleChanged();
}

void FListChildWindow::closeWithoutAsking() {
    closeApproved_ = true;
    close();
}

void FListChildWindow::closeEvent(QCloseEvent* event) {
    // Typed recipe fields count as changes when the window is to go.
    if (!closeApproved_) commitForm();
    if (!closeApproved_ && !doc_->canClose()) {
        updateTitle();
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

} // namespace korva
