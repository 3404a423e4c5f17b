#include <QApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "app/command_line.h"
#include "app/data_root.h"
#include "app/korva_app.h"
#include "app/shell_texts.h"
#include "app/single_instance.h"
#include "core/food_data_base.h"
#include "lists/active_document.h"
#include "ui/daily_feature.h"
#include "ui/editor_feature.h"
#include "ui/first_show_report.h"
#include "ui/food_list_feature.h"
#include "ui/food_list_windows.h"
#include "ui/instance_guard.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"
#include "ui/qt_report_printer.h"
#include "ui/qt_shell.h"
#include "ui/recipe_feature.h"
#include "ui/search_feature.h"
#include "ui/shop_feature.h"

namespace {

// How often a later start looks for the running program while that one is
// still starting or just ending.
constexpr int kClaimAttempts = 40;

// Qt aborts when it cannot reach a display; say so plainly instead.
bool displayAvailable() {
    if (std::getenv("QT_QPA_PLATFORM")) return true;
    if (const char* w = std::getenv("WAYLAND_DISPLAY"); w && *w) return true;
    const char* d = std::getenv("DISPLAY");
    if (!d || !*d) return false;
    std::string display(d);
    if (display[0] == ':') {
        std::string number =
            display.substr(1, display.find('.') == std::string::npos ? std::string::npos : display.find('.') - 1);
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
        std::fputs(korva::shell_texts::kNoDisplay, stderr);
        return 2;
    }

    QApplication qtApp(argc, argv);
    korva::reportFirstShownMainWindow(std::getenv("KORVA_SHOWN_FD"));
    // Qt adopts the user's locale for the C library; our texts and files are
    // written with printf-style formats and must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("korva"));
    QApplication::setDesktopFileName(QStringLiteral("korva"));
    // Qt has taken its own options out of the arguments by now.
    const korva::CommandLine commandLine = readArguments(argc, argv);

    korva::QtPlatform platform;
    if (commandLine.printTo) korva::QtReportPrinter::shared().sendJobsTo(*commandLine.printTo);
    const auto choice = korva::chooseDataRoot(commandLine.home, korva::RootEnvironment::fromProcess(),
                                              korva::executableDirectory(argv[0]));

    // One program per data folder: a later start hands its file to the
    // running one and ends.
    std::error_code ec;
    korva::InstanceGuard guard(choice.root);
    const std::string handoff =
        korva::encodeHandoff(korva::handoffNames(commandLine.document, std::filesystem::current_path(ec)));
    switch (korva::claimDataRoot(guard, handoff, kClaimAttempts)) {
    case korva::ClaimOutcome::handedOver: return 0;
    case korva::ClaimOutcome::noAnswer:
        platform.message(korva::shell_texts::runningProgramSilent(choice.root.string()));
        return 1;
    case korva::ClaimOutcome::holder: break;
    }

    korva::FoodDataBase db;
    korva::KorvaApp app(db, platform);
    // The document shared by the commands, and the food list windows; both
    // outlive the shell and its main window.
    korva::ActiveDocument activeDocument;
    std::unique_ptr<korva::FoodListFeature> foodLists;
    std::unique_ptr<korva::SearchFeature> search;
    std::unique_ptr<korva::DailyFeature> dailyLog;
    std::unique_ptr<korva::EditorFeature> editor;
    std::unique_ptr<korva::RecipeFeature> recipes;
    korva::QtShell shell(app, platform, &platform);
    shell.addWindowExtension([&](korva::MainWindow& window) {
        foodLists = std::make_unique<korva::FoodListFeature>(window, db, platform, activeDocument);
        window.setCloseGuard([&] { return foodLists->closeAll(); });
        search = std::make_unique<korva::SearchFeature>(window, db, platform, activeDocument, foodLists->windows());
        dailyLog = std::make_unique<korva::DailyFeature>(window, db, platform);
        editor = std::make_unique<korva::EditorFeature>(
            window, app.frame(), db, platform, [&] { return foodLists && !foodLists->windows().documents().empty(); });
        korva::installShoppingLists(window, db, platform);
        recipes = std::make_unique<korva::RecipeFeature>(window, db, platform, activeDocument, foodLists->windows());
    });
    shell.setDocumentOpener([&](const korva::DocumentRequest& request) {
        if (request.kind == korva::DocumentKind::recipe) return recipes && recipes->openDocument(request);
        return foodLists && foodLists->openDocument(request);
    });

    // Files handed over while this start is still on its way wait for the
    // main window.
    bool started = false;
    std::vector<korva::DocumentRequest> waiting;
    guard.listen([&](const std::vector<std::string>& files) {
        for (const std::string& file : files)
            if (auto request = korva::documentRequestFor(file)) {
                if (started)
                    app.openDocument(*request, shell);
                else
                    waiting.push_back(*request);
            }
        if (started) shell.bringToFront();
    });

    if (choice.shippedTree) {
        std::string error;
        if (korva::provideUserData(choice.root, *choice.shippedTree, &error) == korva::SetupOutcome::failed) {
            platform.message(korva::shell_texts::setupFailed(choice.root.string(), error));
            return 1;
        }
    }

    if (!app.initInstance(choice.root, commandLine.document, shell)) return 1;
    started = true;
    for (const auto& request : waiting) app.openDocument(request, shell);

    const int rc = qtApp.exec();
    if (!app.endedAtOnce()) app.exitInstance();
    return rc;
}
