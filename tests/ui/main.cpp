#include <QApplication>
#include <QLocale>
#include <QTemporaryFile>
#include <clocale>
#include <gtest/gtest.h>

#include "tests/ui/window_fit_check.h"

// Widget tests run offscreen, in a fixed locale, with one QApplication.
// The screen is 2560 x 1600 pixels; QT_SCALE_FACTOR scales it.
int main(int argc, char** argv) {
    QTemporaryFile screens;
    if (screens.open()) {
        screens.write(R"({"windowFrameMargins": false, "screens": [{"name": "wide", "x": 0, "y": 0,)"
                      R"( "width": 2560, "height": 1600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // as the program does after Qt starts
    korva::test::installWindowFitCheck();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
