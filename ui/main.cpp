#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace {

// Qt aborts when it cannot reach a display; say so plainly instead.
bool displayAvailable() {
    if (std::getenv("QT_QPA_PLATFORM")) return true;
    if (const char* w = std::getenv("WAYLAND_DISPLAY"); w && *w) return true;
    const char* d = std::getenv("DISPLAY");
    if (!d || !*d) return false;
    std::string display(d);
    if (display[0] == ':') {
        std::string number = display.substr(1, display.find('.') == std::string::npos ? std::string::npos
                                                                                    : display.find('.') - 1);
        struct stat st;
        std::string socket = "/tmp/.X11-unix/X" + number;
        return ::stat(socket.c_str(), &st) == 0;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fprintf(stderr, "korva: no display found; set DISPLAY (or run under Xvfb) and start again.\n");
        return 2;
    }
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("KORVA"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
