#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace korva {

class DNtrDialog;
class ReportPrinter;
class TdayDialog;

// The face of TdayDialog: the day's FoodLists and its nutrient totals.
class TdayDialogWidget : public QDialog {
    Q_OBJECT
public:
    TdayDialogWidget(TdayDialog& dialog, ReportPrinter& printer, QWidget* parent = nullptr);
    // "&Close", Escape and the close box: the day's unsaved changes ask first.
    void reject() override;

private:
    void refresh();

    TdayDialog& dialog_;
    QPushButton* dateButton_;
    QScrollBar* dateScroll_;
    QLabel* dateLabel_;
    QLineEdit* fileName_;
    QListWidget* foodLists_;
    QListWidget* totals_;
};

// The face of DNtrDialog: modes, date fields with their scroll bars, the
// delete range and the totals.
class DNtrDialogWidget : public QDialog {
    Q_OBJECT
public:
    DNtrDialogWidget(DNtrDialog& dialog, ReportPrinter& printer, QWidget* parent = nullptr);

private:
    void refresh();
    QWidget* dateRow(int field);

    DNtrDialog& dialog_;
    std::array<QRadioButton*, 4> modes_{};
    std::array<QLineEdit*, 5> fields_{};
    std::array<QScrollBar*, 5> scrolls_{};
    QListWidget* totals_;
};

} // namespace korva
