// Start-up on the shipped data base, from an empty data base object to the
// first shown main window: preferences, state file, users, the index of
// every shipped food, the window with its menus and the splash picture.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "app/data_root.h"
#include "app/korva_app.h"
#include "core/food_data_base.h"
#include "core/platform.h"
#include "ui/main_window.h"
#include "ui/qt_shell.h"

namespace {

namespace fs = std::filesystem;

// Start-up on the shipped data asks nothing; a question would stall the
// measurement, so any question ends the program.
class SilentPlatform : public korva::Platform {
public:
    korva::MsgAnswer messageBox(const std::string& text, const std::string&, korva::MsgButtons) override {
        std::fprintf(stderr, "unexpected message at start-up: %s\n", text.c_str());
        std::exit(1);
    }
    void beginWaitCursor() override {}
    void endWaitCursor() override {}
    std::optional<fs::path> chooseOpenFile(const korva::FileDialogRequest&) override { return std::nullopt; }
    std::optional<fs::path> chooseSaveFile(const korva::FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> textEntry(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    korva::LocalDateTime now() override { return {}; }
    korva::ScreenSize screenSize() override { return {1280, 1024}; }
    void openHelp(int) override {}
};

fs::path shippedCopy() {
    static const fs::path root = [] {
        fs::path r = fs::temp_directory_path() / ("korva-bench-startup-" + std::to_string(::getpid()));
        fs::remove_all(r);
        if (korva::provideUserData(r, fs::path(KORVA_SOURCE_DIR) / "data") != korva::SetupOutcome::copied) {
            std::fprintf(stderr, "no shipped data tree in %s/data\n", KORVA_SOURCE_DIR);
            std::exit(1);
        }
        return r;
    }();
    return root;
}

void BM_StartupToShownMainWindow(benchmark::State& state) {
    const fs::path root = shippedCopy();
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        SilentPlatform platform;
        korva::FoodDataBase db;
        korva::KorvaApp app(db, platform);
        korva::QtShell shell(app, platform);
        if (!app.initInstance(root, std::nullopt, shell)) {
            state.SkipWithError("start-up failed");
            break;
        }
        QWindow* window = shell.mainWindow()->windowHandle();
        while (!window || !window->isExposed()) {
            QCoreApplication::processEvents();
            window = shell.mainWindow()->windowHandle();
        }
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
        benchmark::DoNotOptimize(db.index().totalFoods());
    }
}
BENCHMARK(BM_StartupToShownMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(shippedCopy(), ec);
    return 0;
}
