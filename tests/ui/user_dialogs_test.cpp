#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "app/quest_dialog.h"
#include "app/usel_dialog.h"
#include "tests/ui/dialog_answer.h"
#include "ui/quest_dialog_widget.h"
#include "ui/usel_dialog_widget.h"

namespace korva {
namespace {

TEST(USelDialogWidgetTest, ShowsUsersAndReturnsTheClickedOne) {
    USelDialog dialog({"default", "Ann", "Bob"}, 1);
    USelDialogWidget widget(dialog);
    auto* name = widget.findChild<QLineEdit*>("selectedName");
    auto* list = widget.findChild<QListWidget*>("userList");
    auto* ok = widget.findChild<QPushButton*>("okButton");
    ASSERT_TRUE(name && list && ok);
    EXPECT_TRUE(name->isReadOnly());
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(name->text(), QStringLiteral("Ann"));

    list->setCurrentRow(2);
    EXPECT_EQ(name->text(), QStringLiteral("Bob"));
    ok->click();
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_EQ(widget.result(), QDialog::Accepted);
}

TEST(USelDialogWidgetTest, ModalRunnerCancels) {
    USelDialog dialog({"default", "Ann"}, 0);
    QtUserDialogRunner runner(nullptr);
    test::DialogAnswer cancel(QStringLiteral("uselDialog"), [](QWidget* modal) {
        modal->findChild<QPushButton*>("cancelButton")->click();
    });
    runner.runUserSelection(dialog);
    EXPECT_TRUE(dialog.finished());
    EXPECT_FALSE(dialog.result());
}

TEST(QuestDialogWidgetTest, OpensOnDefaultsAndAcceptsTheClickedAnswers) {
    NutrientRecord label;
    QuestDialog dialog(label);
    QuestDialogWidget widget(dialog);
    for (const char* on : {"height1", "age1", "sex1", "frame1", "type2"}) {
        auto* b = widget.findChild<QRadioButton*>(on);
        ASSERT_NE(b, nullptr) << on;
        EXPECT_TRUE(b->isChecked()) << on;
    }

    widget.findChild<QRadioButton*>("sex0")->click();
    widget.findChild<QRadioButton*>("height2")->click();
    widget.findChild<QRadioButton*>("type1")->click();
    auto* accept = widget.findChild<QPushButton*>("acceptButton");
    ASSERT_NE(accept, nullptr);
    accept->click();
    ASSERT_TRUE(dialog.result());
    // A tall man of 20 - 50 with a medium frame, 20 % of calories from fat.
    EXPECT_FLOAT_EQ(dialog.result()->value(0), 3200.0f);
    EXPECT_NEAR(dialog.result()->value(2), 71.11f, 0.01f);
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
