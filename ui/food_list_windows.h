#pragma once

#include <QObject>

#include <vector>

#include "app/food_list_commands.h"
#include "ui/qt_picker_dialogs.h"

class QMdiArea;
class QMdiSubWindow;

namespace korva {

class FListChildWindow;

// The food list documents in the document area, each in its own child
// window.  What the commands do with them lives in FoodListCommands.
class FoodListWindows : public QObject, public DocumentWindows {
    Q_OBJECT
public:
    explicit FoodListWindows(QMdiArea* area, QObject* parent = nullptr);

    std::vector<CFListDoc*> documents() const override;
    CFListDoc* focusedDocument() const override;
    CFListDoc& show(std::unique_ptr<CFListDoc> doc) override;
    void bringToFront(CFListDoc& doc) override;
    void documentChanged(CFListDoc& doc) override;
    void documentRetitled(CFListDoc& doc) override;

    // How list windows and the dialogs over them show a food's nutrients.
    void setFoodViewer(FoodViewer viewer) { viewer_ = std::move(viewer); }
    const FoodViewer& foodViewer() const { return viewer_; }

    // The food list window that has the focus, if any.
    FListChildWindow* activeWindow() const;
    std::vector<FListChildWindow*> windows() const;
    // Closes every window without asking again: the save questions have
    // been answered.
    void closeAnswered();

signals:
    // A document was opened, closed, activated or renamed: the main window
    // title and the commands that need a list may follow it.
    void documentsChanged();

private:
    FListChildWindow* windowOf(const CFListDoc& doc) const;
    void onActivated(QMdiSubWindow* window);

    QMdiArea* area_;
    FoodViewer viewer_;
};

} // namespace korva
