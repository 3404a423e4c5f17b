#pragma once

#include <QDialog>

#include "app/search_commands.h"
#include "ui/qt_picker_dialogs.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace korva {

class FoodListWindows;

// The face of SrchDlg: type and basis radio buttons, the three chosen lists
// with their buttons, the results list with its tab stops and the serving
// line, and the dialog's buttons.
class SrchDlgWidget : public QDialog {
    Q_OBJECT
public:
    // With a viewer, "&View" shows the selected food's nutrients.
    SrchDlgWidget(SrchDlg& dialog, QWidget* parent = nullptr, FoodViewer viewer = {});
    void reject() override;

private:
    QPushButton* button(const char* text, const char* name);
    QListWidget* chosenList(const char* name, void (ChosenSets::*remove)(int));
    void act(void (SrchDlg::*control)());
    void refresh();

    SrchDlg& dialog_;
    FoodViewer viewer_;
    QButtonGroup* types_;
    QButtonGroup* bases_;
    QPushButton* minimize_;
    QPushButton* maximize_;
    QPushButton* add_;
    QListWidget* minimizeList_;
    QListWidget* maximizeList_;
    QListWidget* categoryList_;
    QLabel* resultsCaption_;
    QListWidget* results_;
    QLabel* servingLine_;
    QLabel* coverageNote_;
};

// The search dialogs over the main window, and the way a found food reaches
// the active food list window.
class QtSearchWindows : public SearchWindows, public SearchChoosers {
public:
    QtSearchWindows(QWidget* parent, FoodListWindows& lists) : parent_(parent), lists_(lists) {}

    SearchChoosers& choosers() override { return *this; }
    void run(SrchDlg& dialog) override;
    std::optional<int> askSearchSize(int current) override;
    bool addToActiveView(std::size_t position, std::uint16_t unit) override;
    void run(NtrDialog& dialog) override;
    void run(CtlDialog& dialog) override;

private:
    QWidget* parent_;
    FoodListWindows& lists_;
};

} // namespace korva
