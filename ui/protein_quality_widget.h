#pragma once

#include <QDialog>

namespace korva {

class ProteinQualityDialog;
class ReportPrinter;

// The face of ProteinQualityDialog: its rows, Print, Close and Help.
class ProteinQualityWidget : public QDialog {
    Q_OBJECT
public:
    ProteinQualityWidget(ProteinQualityDialog& dialog, ReportPrinter& printer, QWidget* parent = nullptr);
};

} // namespace korva
