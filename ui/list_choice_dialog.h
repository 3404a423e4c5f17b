#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QVBoxLayout;

namespace korva {

// The shape shared by the program's list-plus-OK/Cancel dialogs: whatever a
// face puts above, a list of rows, then OK and Cancel.  Each control goes to
// one hook, which the face forwards to its behaviour class; the dialog ends
// as soon as the behaviour says it has finished.
class ListChoiceDialog : public QDialog {
    Q_OBJECT
public:
    void reject() override;
    // Runs modally; a dialog that ends some other way counts as cancelled.
    void run();

protected:
    // Texts come from the behaviour class; names are the controls' object
    // names.
    struct Look {
        const char* dialogName;
        const char* caption;
        const char* listName;
        const char* okText;
        const char* cancelText;
        int listWidthChars; // least width of the list, in average characters
    };

    ListChoiceDialog(const Look& look, const std::vector<std::string>& rows, int selectedRow, QWidget* parent);

    // Puts `widget` above the list, below what was added before.
    void addAbove(QWidget* widget);

    virtual void rowSelected(int row) = 0;
    virtual void rowDoubleClicked(int row) = 0;
    virtual void okPressed() = 0;
    virtual void cancelled() = 0;
    virtual bool finished() const = 0;
    virtual bool chosen() const = 0;

private:
    void finishIfDone();

    QVBoxLayout* layout_;
    QListWidget* list_;
    int above_ = 0;
};

// A chooser of several rows (the nutrient and category choosers): a list
// where a click or Space on a row turns its choice on or off, OK (also
// Enter), Clear when `clear` is given, and Cancel.  Every change goes to the
// behaviour, whose choice the list then shows.
struct MultiChoice {
    const char* dialogName;
    const char* caption;
    std::vector<std::string> rows;
    std::function<bool(int)> isChosen;
    std::function<void(int row, bool chosen)> toggled;
    std::function<void()> ok;
    std::function<void()> cancel;
    std::function<void()> clear;
    std::function<bool()> finished;
};
// Runs modally; a dialog that ends without OK counts as cancelled.
void runMultiChoice(const MultiChoice& choice, QWidget* parent);

} // namespace korva
