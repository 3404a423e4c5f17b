#include <QDialog>
#include <QPalette>
#include <gtest/gtest.h>

#include "ui/dialog_look.h"

namespace korva {
namespace {

TEST(DialogLookTest, TheProgramsDialogsAreLightGreyWithBlackText) {
    QDialog dialog;
    DialogLook look({1.0f, 1.0f});
    dialog.installEventFilter(&look);
    dialog.show();
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(dialog.palette().color(QPalette::WindowText), QColor(Qt::black));
}

} // namespace
} // namespace korva
