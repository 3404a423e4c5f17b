// The yardstick for start-up: the least a Qt program with our kind of main
// window does before it is on screen (menu bar, document area, status bar).

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <cstdlib>

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
    if (QScreen* s = QGuiApplication::primaryScreen()) window.resize(s->availableGeometry().size() * 0.8);
    window.show();
    return app.exec();
}
