// The yardstick for start-up: the least a Qt program with our kind of main
// window does before it is on screen (menu bar, document area, status bar).
//   bare_window [--size WIDTHxHEIGHT]
// The size defaults to most of the screen; the start-up comparison gives the
// size of the program's own main window, so both paint as many pixels.

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/first_show_report.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    korva::reportFirstShownMainWindow(std::getenv("KORVA_SHOWN_FD"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    for (const char* title : {"&File", "&Edit", "&View", "&Window", "&Help"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        menu->addAction(QStringLiteral("&Open..."))->setShortcut(QKeySequence::Open);
        menu->addAction(QStringLiteral("&Close"));
    }
    window.setCentralWidget(new QMdiArea);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    int width = 0, height = 0;
    if (argc == 3 && std::strcmp(argv[1], "--size") == 0 && std::sscanf(argv[2], "%dx%d", &width, &height) == 2 &&
        width > 0 && height > 0)
        window.resize(width, height);
    else if (QScreen* s = QGuiApplication::primaryScreen())
        window.resize(s->availableGeometry().size() * 0.8);
    window.show();
    return app.exec();
}
