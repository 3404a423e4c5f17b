#include <QApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "app/command_line.h"
#include "app/data_root.h"
#include "app/korva_app.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "ui/daily_feature.h"
#include "ui/food_list_feature.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"
#include "ui/qt_shell.h"

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

korva::CommandLine readArguments(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return korva::parseCommandLine(args);
}

} // namespace

int main(int argc, char** argv) {
    const korva::CommandLine early = readArguments(argc, argv);
    if (early.help) {
        std::fputs(korva::usageText("korva").c_str(), stdout);
        return 0;
    }
    if (!early.error.empty()) {
        std::fprintf(stderr, "korva: %s\n\n%s", early.error.c_str(), korva::usageText("korva").c_str());
        return 2;
    }
    if (!displayAvailable()) {
        std::fprintf(stderr, "korva: no display found; set DISPLAY (or run under Xvfb) and start again.\n");
        return 2;
    }

    QApplication qtApp(argc, argv);
    // Qt adopts the user's locale for the C library; our texts and files are
    // written with printf-style formats and must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("korva"));
    QApplication::setDesktopFileName(QStringLiteral("korva"));
    // Qt has taken its own options out of the arguments by now.
    const korva::CommandLine commandLine = readArguments(argc, argv);

    korva::QtPlatform platform;
    const auto choice = korva::chooseDataRoot(commandLine.home, korva::RootEnvironment::fromProcess(),
                                              korva::executableDirectory(argv[0]));
    if (choice.shippedTree) {
        std::string error;
        if (korva::provideUserData(choice.root, *choice.shippedTree, &error) == korva::SetupOutcome::failed) {
            platform.message("... could not set up the data folder " + choice.root.string() + " ...\n" + error);
            return 1;
        }
    }

    korva::FoodDataBase db;
    korva::KorvaApp app(db, platform);
    // The document shared by the commands, and the food list windows; both
    // outlive the shell and its main window.
    korva::ActiveDocument activeDocument;
    std::unique_ptr<korva::FoodListFeature> foodLists;
    std::unique_ptr<korva::DailyFeature> dailyLog;
    korva::QtShell shell(app, platform, &platform);
    shell.addWindowExtension([&](korva::MainWindow& window) {
        foodLists = std::make_unique<korva::FoodListFeature>(window, db, platform, activeDocument);
        window.setCloseGuard([&] { return foodLists->closeAll(); });
        dailyLog = std::make_unique<korva::DailyFeature>(window, db, platform);
    });
    shell.setDocumentOpener([&](const korva::DocumentRequest& request) {
        return foodLists && foodLists->openDocument(request);
    });
    if (!app.initInstance(choice.root, commandLine.document, shell)) return 1;

    const int rc = qtApp.exec();
    if (!app.endedAtOnce()) app.exitInstance();
    return rc;
}
