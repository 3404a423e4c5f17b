#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/qt_platform.h"

// A Yes/No question answered by clicking the real "No" button.
TEST(QtPlatform, QuestionReturnsTheButtonClicked) {
    korva::QtPlatform platform;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("CAPTION"));
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(platform.messageBox("Save?", "CAPTION", korva::MsgButtons::yesNo), korva::MsgAnswer::no);
    EXPECT_TRUE(seen);
}
