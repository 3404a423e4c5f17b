#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "tests/ui/dialog_answer.h"
#include "ui/qt_platform.h"

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
