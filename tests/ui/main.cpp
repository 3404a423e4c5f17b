#include <QApplication>
#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

// Widget tests run offscreen, in a fixed locale, with one QApplication.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // as the program does after Qt starts
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
