#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "app/help_topics.h"
#include "daily/dntr_dialog.h"
#include "tests/support/data_tree.h"
#include "tests/support/recording_surface.h"
#include "tests/support/temp_root.h"
#include "tests/ui/dialog_answer.h"
#include "ui/daily_widgets.h"
#include "ui/help_window.h"
#include "ui/qt_platform.h"

namespace korva {
namespace {

const std::filesystem::path kPages = std::filesystem::path(KORVA_SOURCE_DIR) / "help";

// Whether the shown page has a section of that name.
bool hasAnchor(QTextBrowser* browser, const QString& name) {
    for (QTextBlock b = browser->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(name)) return true;
    return false;
}

QString shownPage(QTextBrowser* browser) { return browser->source().fileName(); }

// F1 in a dialog opens its section beside the modal dialog; Back, Forward
// and Contents move through the pages; Escape and Close close the window.
TEST(HelpWindow, F1InADialogShowsItsSection) {
    QtPlatform platform;
    platform.setHelpFolder(kPages);
    test::LogTree tree;
    DNtrDialog dialog(tree.db, platform);
    dialog.open();
    test::KeepingPrinter printer;
    DNtrDialogWidget face(dialog, printer);

    test::DialogAnswer read(QString(), [&](QWidget* modal) {
        QTest::keyClick(modal->findChild<QWidget*>("totalsList"), Qt::Key_F1);
        HelpWindow* help = platform.helpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        QTextBrowser* browser = help->browser();
        EXPECT_EQ(shownPage(browser), QStringLiteral("windows.html"));
        EXPECT_EQ(browser->source().fragment(), QStringLiteral("daily-view"));
        EXPECT_TRUE(hasAnchor(browser, QStringLiteral("daily-view")));
        EXPECT_FALSE(help->findChild<QLabel*>("helpNotice")->isVisible());

        help->findChild<QPushButton*>("helpContents")->click();
        EXPECT_EQ(shownPage(browser), QStringLiteral("index.html"));
        auto* back = help->findChild<QPushButton*>("helpBack");
        ASSERT_TRUE(back->isEnabled());
        back->click();
        EXPECT_EQ(browser->source().fragment(), QStringLiteral("daily-view"));
        QTest::keyClick(browser, Qt::Key_Escape);
        EXPECT_FALSE(help->isVisible());
        platform.openHelp(help_contexts::kContents);
        help->findChild<QPushButton*>("helpClose")->click();
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
    auto* notice = help->findChild<QLabel*>("helpNotice");
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
