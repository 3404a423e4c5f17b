#pragma once

#include <QDialog>

#include <filesystem>
#include <optional>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace korva {

class FoodDataBase;
class Platform;
class ReportPrinter;
class ShopDialog;

// The face of ShopDialog: the entries with their factor, the shopping list
// text and the extra text.
class ShopDialogWidget : public QDialog {
    Q_OBJECT
public:
    ShopDialogWidget(ShopDialog& dialog, ReportPrinter& printer, QWidget* parent = nullptr);
    // "&Close", Escape and the close box: a changed list asks first.
    void reject() override;

private:
    void refresh();
    void showEntry();

    ShopDialog& dialog_;
    QLineEdit* currentEntry_;
    QListWidget* entries_;
    QLineEdit* factor_;
    QPlainTextEdit* shopText_;
    QPlainTextEdit* extraText_;
};

// File > Shopping List: a new list, or the list of `file`.  A file that is
// not a shopping list shows why and opens nothing.
void runShopDialog(FoodDataBase& db, Platform& platform, ReportPrinter& printer,
                   const std::optional<std::filesystem::path>& file, QWidget* parent);

} // namespace korva
