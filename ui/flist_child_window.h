#pragma once

#include <QMdiSubWindow>

#include <memory>

namespace korva {

class CFListDoc;
class CFLView;
class DialogFoodPicker;
class FListViewWidget;
class QtPickerDialogs;

// The child window of one food list document: owns the document, its view
// and the view's face.  Closing asks the document whether it may go (a
// modified list offers to be saved first).
class FListChildWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit FListChildWindow(std::unique_ptr<CFListDoc> doc, QWidget* parent = nullptr);
    ~FListChildWindow() override;

    CFListDoc& document() const { return *doc_; }
    CFLView& view() const { return *view_; }
    FListViewWidget& face() const { return *face_; }

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
    std::unique_ptr<CFLView> view_;
    FListViewWidget* face_;
    bool closeApproved_ = false;
};

} // namespace korva
