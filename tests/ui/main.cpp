#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// Widget tests run offscreen, in a fixed locale, with one QApplication.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
