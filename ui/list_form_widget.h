#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>

#include "core/nutrient_totals.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace korva {

class CListForm;

// The face of a list form, food list or recipe: makes the controls both
// kinds have, forwards each to one method of the form and then shows the
// form's state again.  Each kind lays the controls out and adds its own.
class ListFormWidget : public QWidget {
    Q_OBJECT
public:
    // The view's initial update, shown, with the focus where it asks.
    void start();
    // Shows the form's state; also after the document changed underneath.
    virtual void refresh();
    // A food chosen outside the form (the finder) is added, and the focus
    // goes where the form asks.
    void addChosenFood(std::size_t position);

signals:
    // Something the user did may have changed the document.
    void documentTouched();

protected:
    // The object names that differ between the kinds.
    struct Names {
        const char* form;
        const char* nameEdit;
        const char* itemList;
        const char* totalsBox;
        const char* clearButton;
        std::array<const char*, kTotalsLines> totals;
    };

    ListFormWidget(CListForm& form, const Names& names, QWidget* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    QPushButton* makeButton(const char* caption, const char* name);
    // A scroll bar that only steps: it never shows a position.
    QScrollBar* makeStepper(const char* name);
    QComboBox* makeCombo(const std::vector<std::string>& labels, const char* name);
    // A grid with the name and amount rows and the item list, `itemRows`
    // lines high, in its first three rows.
    QGridLayout* layOutTop(int itemRows);
    // The keyboard's Tab order, as the face lays its controls out.
    static void chainTabs(std::initializer_list<QWidget*> order);
    // Runs `command` on the form when `button` is clicked, then shows it.
    void onClick(QPushButton* button, std::function<void()> command);
    // Shows the form after a control changed it.
    void after();

    QLabel* nameLabel_ = nullptr;
    QLineEdit* foodName_ = nullptr;
    QLabel* amountLabel_ = nullptr;
    QLineEdit* amount_ = nullptr;
    QLabel* displayLabel_ = nullptr;
    QComboBox* displayUnit_ = nullptr;
    QScrollBar* amountScroll_ = nullptr;
    QPushButton* addFromCategories_ = nullptr;
    QListWidget* items_ = nullptr;
    QGroupBox* totalsBox_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* help_ = nullptr;

private:
    void applyFocusRequest();

    CListForm& form_;
    std::array<QLabel*, kTotalsLines> totals_{};
    bool scrollPending_ = false;
};

} // namespace korva
