#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace korva {

class FindFoodDialog;

// The finder's face: the search field, the category filter and the foods
// found.  Up and Down move through the list from the search field, Enter
// chooses, Escape closes.
class FindFoodWidget : public QDialog {
    Q_OBJECT
public:
    FindFoodWidget(FindFoodDialog& dialog, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void refresh();
    void finishIfDone();

    FindFoodDialog& dialog_;
    QLineEdit* text_;
    QComboBox* category_;
    QListWidget* results_;
    QLabel* note_;
};

} // namespace korva
