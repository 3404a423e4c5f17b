#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace korva {

class KeyDialog;
class IndivDlg;
class NutrientChartWidget;
class NutrientViewDialog;
class ReportPrinter;

// The face of NutrientViewDialog: the choices above, the table or the
// chart, and the Key, Print, HELP and CLOSE buttons.
class NutrientViewDialogWidget : public QDialog {
    Q_OBJECT
public:
    NutrientViewDialogWidget(NutrientViewDialog& view, ReportPrinter& printer, QWidget* parent = nullptr);

private:
    void refresh();
    void refreshFoods();
    QComboBox* combo(const char* name, const std::vector<std::string>& labels);

    NutrientViewDialog& view_;
    ReportPrinter& printer_;
    QComboBox* display_;
    QComboBox* page_;
    QGroupBox* foodBox_ = nullptr;
    QComboBox* category_ = nullptr;
    QComboBox* food_ = nullptr;
    QComboBox* basis_ = nullptr;
    QGroupBox* itemBox_ = nullptr;
    QLabel* itemName_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QComboBox* data_ = nullptr;
    QLabel* amountLine_;
    QTableWidget* table_;
    NutrientChartWidget* chart_;
    QLabel* note_;
    int shownCategory_ = -1;
};

// "KEY  to  NUTRIENT  ABBREVIATIONS".
class KeyDialogWidget : public QDialog {
    Q_OBJECT
public:
    KeyDialogWidget(const KeyDialog& key, QWidget* parent = nullptr);
};

// "INDIVIDUAL  NUTRIENT".
class IndivDlgWidget : public QDialog {
    Q_OBJECT
public:
    IndivDlgWidget(IndivDlg& dialog, QWidget* parent = nullptr);

private:
    void refresh();

    IndivDlg& dialog_;
    QLabel* name_;
    QLabel* total_;
    QLabel* percent_;
    QLabel* mark_;
    QLabel* note_;
    QListWidget* items_;
};

} // namespace korva
