#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

#include "tests/support/data_tree.h"
#include "tests/ui/ui_support.h"
#include "ui/qt_platform.h"
#include "ui/qt_report_printer.h"

// A Yes/No question answered by clicking the real "No" button.
TEST(QtPlatform, QuestionReturnsTheButtonClicked) {
    korva::QtPlatform platform;
    korva::test::DialogAnswer no(QString(), [](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("CAPTION"));
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(platform.messageBox("Save?", "CAPTION", korva::MsgButtons::yesNo), korva::MsgAnswer::no);
}

// The one-line entry: caption, prompt, the given text selected, "&OK" takes
// what was typed.
TEST(QtPlatform, TextEntryOffersItsTextAndTakesTheTypedOne) {
    korva::QtPlatform platform;
    korva::test::DialogAnswer typed(QStringLiteral("entDialog"), [](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("RECIPE  NAME"));
        auto* label = modal->findChild<QLabel*>();
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QStringLiteral("Enter  Name  for  new  Recipe :      "));
        auto* edit = modal->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->selectedText(), QStringLiteral("Soup"));
        edit->setText(QStringLiteral("Stew"));
        QPushButton* ok = nullptr;
        for (QPushButton* b : modal->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("&OK")) ok = b;
        ASSERT_NE(ok, nullptr);
        ok->click();
    });
    EXPECT_EQ(platform.textEntry("Enter  Name  for  new  Recipe :      ", "RECIPE  NAME", "Soup"),
              std::optional<std::string>("Stew"));
}

TEST(QtPlatform, SetupAndPrintDialogsChooseThePrinterAndCancelPrintsNothing) {
    korva::QtReportPrinter printer;
    {
        korva::test::DialogAnswer setup(QString(), [](QWidget* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("Print Setup"));
            qobject_cast<QDialog*>(d)->reject();
        });
        printer.setup(nullptr);
    }
    korva::test::DialogAnswer cancel(QString(), [](QWidget* d) {
        auto* dialog = qobject_cast<QPrintDialog*>(d);
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        dialog->reject();
    });
    EXPECT_FALSE(printer.choosePrinter());
}

// File names are bytes in the file system's encoding, not Latin-1 texts: in a
// folder named with non-ASCII letters the chooser opens there and hands back
// the file chosen.
TEST(QtPlatform, SaveChooserServesANonAsciiFolder) {
    korva::test::DataTree tree({{5, "Lentils", "1 cup", 200.0f, 50.0f}}, "Gem\xc3\xbcse");
    const std::filesystem::path lists = tree.paths().foodListDir();
    korva::QtPlatform qt;
    korva::FileDialogRequest request;
    request.caption = "Save FoodList As";
    request.filter = "FoodLists (*.fls)";
    request.defaultExtension = "fls";
    request.startFolder = lists;
    korva::test::DialogAnswer save(QString(), [&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->directory().absolutePath(), QFile::decodeName(QByteArray::fromStdString(lists.native())));
        dialog->selectFile(QString::fromUtf8("M\xc3\xbcsli.fls"));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(qt.chooseSaveFile(request), lists / "M\xc3\xbcsli.fls");
}
