#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "app/help_topics.h"
#include "daily/dntr_dialog.h"
#include "tests/daily/log_tree.h"
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

// A dialog's HELP button opens its section beside the modal dialog; Back,
// Forward and Contents move through the pages.
TEST(HelpWindow, HelpButtonOfADialogShowsItsSection) {
    QtPlatform platform;
    platform.setHelpFolder(kPages);
    test::LogTree tree;
    DNtrDialog dialog(tree.db, platform);
    dialog.open();
    DNtrDialogWidget face(dialog);

    test::DialogAnswer read(QString(), [&](QWidget* modal) {
        modal->findChild<QPushButton*>("helpButton")->click();
        HelpWindow* help = platform.helpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        QTextBrowser* browser = help->browser();
        EXPECT_EQ(shownPage(browser), QStringLiteral("windows.html"));
        EXPECT_EQ(browser->source().fragment(), QStringLiteral("daily-view"));
        EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("NUTRIENTS by DATE")));
        EXPECT_TRUE(hasAnchor(browser, QStringLiteral("daily-view")));
        EXPECT_FALSE(help->findChild<QLabel*>("helpNotice")->isVisible());

        help->findChild<QPushButton*>("helpContents")->click();
        EXPECT_EQ(shownPage(browser), QStringLiteral("index.html"));
        auto* back = help->findChild<QPushButton*>("helpBack");
        ASSERT_TRUE(back->isEnabled());
        back->click();
        EXPECT_EQ(browser->source().fragment(), QStringLiteral("daily-view"));
        help->close();
        qobject_cast<QDialog*>(modal)->reject();
    });
    face.exec();
}

TEST(HelpWindow, TopicWithoutAPageShowsTheContentsAndSaysSo) {
    QtPlatform platform;
    platform.setHelpFolder(kPages);
    platform.openHelp(12345);
    HelpWindow* help = platform.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(shownPage(help->browser()), QStringLiteral("index.html"));
    auto* notice = help->findChild<QLabel*>("helpNotice");
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), QString::fromStdString(help_texts::noTopic(12345)));
    platform.openHelp(help_contexts::kReference);
    EXPECT_FALSE(notice->isVisible());
}

TEST(HelpWindow, MissingHelpFolderIsReported) {
    test::TempRoot empty(test::TempRoot::empty, "korva-help");
    QtPlatform platform;
    platform.setHelpFolder(empty.root());
    test::DialogAnswer ok(QString(), [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QString::fromStdString(help_texts::noFolder(empty.root())));
        box->accept();
    });
    platform.openHelp(help_contexts::kContents);
    EXPECT_EQ(platform.helpWindow(), nullptr);
}

} // namespace
} // namespace korva
