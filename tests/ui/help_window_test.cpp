#include <QMessageBox>
#include <QTextBrowser>

#include "app/help_topics.h"
#include "daily/dntr_dialog.h"
#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/temp_root.h"
#include "tests/ui/ui_support.h"
#include "ui/daily_widgets.h"
#include "ui/help_window.h"
#include "ui/qt_platform.h"

namespace korva {
namespace {

const std::filesystem::path kPages = std::filesystem::path(KORVA_SOURCE_DIR) / "help";

QString shownPage(QTextBrowser* browser) { return browser->source().fileName(); }

// F1 in a dialog opens its section beside the modal dialog; Back and
// Contents move through the pages; Escape and Close close the window.
TEST(HelpWindow, F1InADialogShowsItsSection) {
    QtPlatform platform;
    platform.setHelpFolder(kPages);
    test::LogTree tree;
    DNtrDialog dialog(tree.db, platform);
    dialog.open();
    test::KeepingPrinter printer;
    DNtrDialogWidget face(dialog, printer);

    test::DialogAnswer read(QString(), [&](QWidget* modal) {
        QTest::keyClick(test::child(modal, "totalsList"), Qt::Key_F1);
        HelpWindow* help = platform.helpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        QTextBrowser* browser = help->browser();
        EXPECT_EQ(shownPage(browser), QStringLiteral("windows.html"));
        EXPECT_EQ(browser->source().fragment(), QStringLiteral("daily-view"));
        EXPECT_FALSE(test::child(help, "helpNotice")->isVisible());

        test::click(help, "helpContents");
        EXPECT_EQ(shownPage(browser), QStringLiteral("index.html"));
        test::click(help, "helpBack");
        EXPECT_EQ(browser->source().fragment(), QStringLiteral("daily-view"));
        QTest::keyClick(browser, Qt::Key_Escape);
        EXPECT_FALSE(help->isVisible());
        platform.openHelp(help_contexts::kContents);
        test::click(help, "helpClose");
        EXPECT_FALSE(help->isVisible());
        qobject_cast<QDialog*>(modal)->reject();
    });
    face.exec();
}

// A topic without a page shows the contents and says so; a missing help
// folder is reported and opens nothing.
TEST(HelpWindow, TopicWithoutAPageOrFolder) {
    QtPlatform platform;
    platform.setHelpFolder(kPages);
    platform.openHelp(12345);
    HelpWindow* help = platform.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(shownPage(help->browser()), QStringLiteral("index.html"));
    auto* notice = test::child<QLabel>(help, "helpNotice");
    EXPECT_EQ(notice->text(), QString::fromStdString(help_texts::noTopic(12345)));
    platform.openHelp(help_contexts::kReference);
    EXPECT_FALSE(notice->isVisible());

    test::TempRoot empty(test::TempRoot::empty, "korva-help");
    QtPlatform bare;
    bare.setHelpFolder(empty.root());
    test::DialogAnswer ok(QString(), [&](QWidget* modal) {
        EXPECT_EQ(qobject_cast<QMessageBox*>(modal)->text(),
                  QString::fromStdString(help_texts::noFolder(empty.root())));
        qobject_cast<QDialog*>(modal)->accept();
    });
    bare.openHelp(help_contexts::kContents);
    EXPECT_EQ(bare.helpWindow(), nullptr);
}

} // namespace
} // namespace korva
