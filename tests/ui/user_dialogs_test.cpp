#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/quest_dialog.h"
#include "app/usel_dialog.h"
#include "ui/quest_dialog_widget.h"
#include "ui/usel_dialog_widget.h"

namespace korva {
namespace {

TEST(USelDialogWidgetTest, ShowsUsersAndReturnsTheClickedOne) {
    USelDialog dialog({"default", "Ann", "Bob"}, 1);
    USelDialogWidget widget(dialog);
    EXPECT_EQ(widget.windowTitle(), QStringLiteral("SELECT  USER"));
    auto* name = widget.findChild<QLineEdit*>("selectedName");
    auto* list = widget.findChild<QListWidget*>("userList");
    auto* ok = widget.findChild<QPushButton*>("okButton");
    ASSERT_TRUE(name && list && ok);
    EXPECT_TRUE(name->isReadOnly());
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(name->text(), QStringLiteral("Ann"));
    EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
    EXPECT_EQ(widget.findChild<QPushButton*>("cancelButton")->text(), QStringLiteral("&Cancel"));

    list->setCurrentRow(2);
    EXPECT_EQ(name->text(), QStringLiteral("Bob"));
    ok->click();
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_EQ(widget.result(), QDialog::Accepted);
}

TEST(USelDialogWidgetTest, ModalRunnerCancels) {
    USelDialog dialog({"default", "Ann"}, 0);
    QtUserDialogRunner runner(nullptr);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        seen = true;
        modal->findChild<QPushButton*>("cancelButton")->click();
    });
    runner.runUserSelection(dialog);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(dialog.finished());
    EXPECT_FALSE(dialog.result());
}

TEST(QuestDialogWidgetTest, OpensOnDefaultsAndAcceptsTheClickedAnswers) {
    NutrientRecord label;
    QuestDialog dialog(label);
    QuestDialogWidget widget(dialog);
    EXPECT_EQ(widget.windowTitle(), QStringLiteral("CREATE  NEW  USER"));
    for (const char* on : {"height1", "age1", "sex1", "frame1", "type2"}) {
        auto* b = widget.findChild<QRadioButton*>(on);
        ASSERT_NE(b, nullptr) << on;
        EXPECT_TRUE(b->isChecked()) << on;
    }
    EXPECT_EQ(widget.findChild<QRadioButton*>("age1")->text(), QStringLiteral("&20 - 50"));
    EXPECT_EQ(widget.findChild<QRadioButton*>("type1")->text(),
              QStringLiteral("20% Cal. Fa&t (Custom ODA from settings)"));

    widget.findChild<QRadioButton*>("sex0")->click();
    widget.findChild<QRadioButton*>("height2")->click();
    widget.findChild<QRadioButton*>("type1")->click();
    EXPECT_EQ(dialog.answers().sex, NewUserAnswers::male);
    auto* accept = widget.findChild<QPushButton*>("acceptButton");
    ASSERT_NE(accept, nullptr);
    EXPECT_EQ(accept->text(), QStringLiteral("Acce&pt"));
    accept->click();
    ASSERT_TRUE(dialog.result());
    EXPECT_FLOAT_EQ(dialog.result()->value(0), 3200.0f);
    EXPECT_NEAR(dialog.result()->value(2), 3200.0f * 0.2f / 9.0f, 1e-3);
    EXPECT_EQ(widget.result(), QDialog::Accepted);
}

TEST(QuestDialogWidgetTest, CancelGivesNoResult) {
    QuestDialog dialog(NutrientRecord{});
    QuestDialogWidget widget(dialog);
    widget.findChild<QPushButton*>("cancelButton")->click();
    EXPECT_TRUE(dialog.finished());
    EXPECT_FALSE(dialog.result());
}

} // namespace
} // namespace korva
