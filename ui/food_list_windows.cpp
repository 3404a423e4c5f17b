#include "ui/food_list_windows.h"

#include <QMdiArea>

#include "lists/flist_doc.h"
#include "lists/flist_view.h"
#include "lists/recipe_view.h"
#include "ui/flist_child_window.h"
#include "ui/help_window.h"

namespace korva {

FoodListWindows::FoodListWindows(QMdiArea* area, QObject* parent) : QObject(parent), area_(area) {
    // Closing a window activates another, or none after the last: either
    // way the area says so, and the commands that need a list follow.
    connect(area_, &QMdiArea::subWindowActivated, this, &FoodListWindows::onActivated);
}

std::vector<CFListDoc*> FoodListWindows::documents() const {
    std::vector<CFListDoc*> out;
    for (FListChildWindow* w : windows()) out.push_back(&w->document());
    return out;
}

CFListDoc* FoodListWindows::focusedDocument() const {
    FListChildWindow* w = activeWindow();
    return w ? &w->document() : nullptr;
}

CFListDoc& FoodListWindows::show(std::unique_ptr<CFListDoc> doc) {
    auto* window = new FListChildWindow(std::move(doc), nullptr, viewer_);
    area_->addSubWindow(window);
    setHelp(window, [window] { window->document().platform().openHelp(window->form().texts().helpContext); });
    connect(window, &FListChildWindow::titleChanged, this, &FoodListWindows::documentsChanged);
    window->show();
    window->adjustSize();
    area_->setActiveSubWindow(window);
    window->document().activate();
    emit documentsChanged();
    return window->document();
}

void FoodListWindows::bringToFront(CFListDoc& doc) {
    if (FListChildWindow* w = windowOf(doc)) area_->setActiveSubWindow(w);
}

void FoodListWindows::documentChanged(CFListDoc& doc) {
    if (FListChildWindow* w = windowOf(doc)) w->documentChanged();
}

void FoodListWindows::documentRetitled(CFListDoc& doc) {
    if (FListChildWindow* w = windowOf(doc)) w->updateTitle();
}

FListChildWindow* FoodListWindows::activeWindow() const {
    return qobject_cast<FListChildWindow*>(area_->currentSubWindow());
}

std::vector<FListChildWindow*> FoodListWindows::windows() const {
    std::vector<FListChildWindow*> out;
    for (QMdiSubWindow* w : area_->subWindowList())
        if (auto* f = qobject_cast<FListChildWindow*>(w); f && !f->isHidden()) out.push_back(f);
    return out;
}

void FoodListWindows::closeAnswered() {
    for (FListChildWindow* w : windows()) w->closeWithoutAsking();
}

FListChildWindow* FoodListWindows::windowOf(const CFListDoc& doc) const {
    for (FListChildWindow* w : windows())
        if (&w->document() == &doc) return w;
    return nullptr;
}

void FoodListWindows::onActivated(QMdiSubWindow* window) {
    if (auto* w = qobject_cast<FListChildWindow*>(window)) w->document().activate();
    emit documentsChanged();
}

} // namespace korva
