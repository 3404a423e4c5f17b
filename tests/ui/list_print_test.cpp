#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/korva_app.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/list_report.h"
#include "lists/report_writer.h"
#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"
#include "ui/flist_child_window.h"
#include "ui/food_list_feature.h"
#include "ui/food_list_windows.h"
#include "ui/main_window.h"
#include "ui/qt_report_printer.h"

namespace korva {
namespace {

namespace fs = std::filesystem;

// The PDF's lines with blanks and tabs in a row as one blank: a PDF keeps
// positions, not tab characters.
std::vector<std::string> pdfLines(const fs::path& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-raw"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(20000)) << "pdftotext (poppler-utils) is needed";
    std::vector<std::string> out;
    for (const QByteArray& line : p.readAllStandardOutput().replace('\f', '\n').split('\n'))
        if (QString s = QString::fromLatin1(line).simplified(); !s.isEmpty()) out.push_back(s.toStdString());
    return out;
}

TEST(ListPrinting, FoodListPrintsToNumberedPdfFilesWithTheReportsLines) {
    test::DataTree tree({{5, "Lentils", "1 cup", 200.0f, 50.0f}, {9, "Pears", "1 medium", 170.0f, 57.0f}});
    FoodDataBase db;
    ASSERT_TRUE(tree.load(db));
    test::ScriptedPlatform platform;
    ActiveDocument active;
    KorvaApp app(db, platform);
    MainWindow window(app, platform);
    FoodListFeature feature(window, db, platform, active);
    const fs::path out = tree.paths().root / "pdf out";
    QtReportPrinter::shared().sendJobsTo(out);

    QAction* print = window.action(kCmdPrintFoodList);
    ASSERT_NE(print, nullptr);
    EXPECT_FALSE(print->isEnabled());
    // A run of blanks in a job name is one '_' in the file's name.
    EXPECT_EQ(QtReportPrinter::fileStem("SHOPPING  LIST"), "SHOPPING_LIST");

    window.action(kCmdNewFoodList)->trigger();
    EXPECT_TRUE(print->isEnabled());
    print->trigger(); // an empty list is refused before any job
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{printmsg::kNoFoodItems});
    EXPECT_FALSE(fs::exists(out));

    FListChildWindow* w = feature.windows().activeWindow();
    auto* name = w->findChild<QLineEdit*>(QStringLiteral("foodNameEdit"));
    for (const char* food : {"lent", "pear"}) {
        name->clear();
        QTest::keyClicks(name, QString::fromLatin1(food));
        QTest::keyClick(name, Qt::Key_Return);
    }
    ASSERT_EQ(w->document().list().itemCount(), 2u);
    print->trigger();
    print->trigger();
    EXPECT_TRUE(fs::exists(out / "FOOD_LIST_TOTALS-002.pdf"));
    const fs::path pdf = out / "FOOD_LIST_TOTALS-001.pdf";
    ASSERT_TRUE(fs::exists(pdf));

    test::RecordingSurface expected;
    ReportWriter layout(expected);
    layout.begin();
    writeFoodListReport(layout, w->document().list(), {db.users().current().name, db.users().current().profile});
    layout.end();
    std::vector<std::string> wanted;
    for (const std::string& line : expected.textLines())
        wanted.push_back(QString::fromStdString(line).simplified().toStdString());
    EXPECT_EQ(pdfLines(pdf), wanted);

    QtReportPrinter::shared().printOnPrinter();
    platform.answer(MsgAnswer::no);
    EXPECT_TRUE(feature.closeAll());
}

// Closes the next print dialog with Cancel and tells what it offered.
struct PrintDialogCanceller {
    PrintDialogCanceller() {
        QTimer::singleShot(0, [this] {
            QPrintDialog* d = nullptr;
            (void)QTest::qWaitFor([&] { return d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()); },
                                  5000);
            if (!d) return;
            title = d->windowTitle();
            pageRange = d->testOption(QAbstractPrintDialog::PrintPageRange);
            d->reject();
        });
    }
    QString title;
    bool pageRange = true;
};

TEST(ListPrinting, SetupAndPrintDialogsChooseThePrinterAndCancelPrintsNothing) {
    QtReportPrinter printer;
    {
        PrintDialogCanceller setup;
        printer.setup(nullptr);
        EXPECT_EQ(setup.title, QStringLiteral("Print Setup"));
    }
    PrintDialogCanceller dialog;
    EXPECT_FALSE(printer.choosePrinter());
    EXPECT_FALSE(dialog.title.isEmpty());
    EXPECT_FALSE(dialog.pageRange);
}

} // namespace
} // namespace korva
