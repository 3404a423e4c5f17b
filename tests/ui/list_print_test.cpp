#include <QPrintDialog>
#include <QProcess>

#include "app/korva_app.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "lists/flist_doc.h"
#include "lists/list_report.h"
#include "lists/report_writer.h"
#include "tests/support/food_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/ui_support.h"
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
    test::FoodTree tree({{5, "Lentils", "1 cup", 200.0f, 50.0f}, {9, "Pears", "1 medium", 170.0f, 57.0f}});
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
    for (const char* food : {"lent", "pear"}) test::typeInto(w, "foodNameEdit", QString::fromLatin1(food), true);
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

TEST(ListPrinting, SetupAndPrintDialogsChooseThePrinterAndCancelPrintsNothing) {
    QtReportPrinter printer;
    {
        test::DialogAnswer setup(QString(), [](QWidget* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("Print Setup"));
            qobject_cast<QDialog*>(d)->reject();
        });
        printer.setup(nullptr);
    }
    test::DialogAnswer cancel(QString(), [](QWidget* d) {
        auto* dialog = qobject_cast<QPrintDialog*>(d);
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        dialog->reject();
    });
    EXPECT_FALSE(printer.choosePrinter());
}

} // namespace
} // namespace korva
