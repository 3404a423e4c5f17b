#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/data_root.h"
#include "app/help_topics.h"
#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "lists/food_list.h"
#include "tests/support/scripted_platform.h"

// The program itself, started as a user or the desktop would start it.
namespace korva {
namespace {

namespace fs = std::filesystem;

class RunningProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("korva-run-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "run");
        fs::permissions(dir / "run", fs::perms::owner_all);
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString((dir / "run").string()));
        env.insert(QStringLiteral("HOME"), QString::fromStdString((dir / "home").string()));
        for (const char* name : {"KORVA_HOME", "XDG_DATA_HOME"}) env.remove(QString::fromLatin1(name));
    }
    void TearDown() override {
        for (auto& p : running) {
            p->kill();
            p->waitForFinished(10000);
        }
        fs::remove_all(dir);
    }

    QProcess* start(const QString& program, const QStringList& args) {
        running.push_back(std::make_unique<QProcess>());
        QProcess* p = running.back().get();
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(program, args);
        EXPECT_TRUE(p->waitForStarted(10000));
        return p;
    }
    // A start that must end at once, handing its file to the running program.
    int finished(QProcess* p) {
        EXPECT_TRUE(p->waitForFinished(60000));
        return p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1;
    }

    // A list of the data base's first food, written by the program's writer.
    static fs::path writeList(const fs::path& root, const std::string& name) {
        FoodDataBase db(DataPaths{root});
        EXPECT_TRUE(db.loadIndex());
        const ShortFood* food = db.selection().entryInCurrentCategory(0);
        EXPECT_NE(food, nullptr);
        FoodList list(&db);
        test::ScriptedPlatform platform;
        EXPECT_TRUE(food && list.addFood(*food, 0));
        const fs::path file = root / "kvflist" / name;
        EXPECT_TRUE(list.writeFile(file, platform));
        return file;
    }
    // The running program shows that it opened `file`: the recent files
    // name it.
    static bool opened(const fs::path& root, const fs::path& file) {
        return QTest::qWaitFor(
            [&] {
                const auto bytes = readWholeFile(root / "kvuser/recent.lst");
                return bytes &&
                       std::string(bytes->begin(), bytes->end()).find(file.filename().string()) != std::string::npos;
            },
            60000);
    }

    // Waits until one of `starts` holds the data folder's lock.
    bool holds(const std::vector<QProcess*>& starts) const {
        return QTest::qWaitFor(
            [&] {
                std::error_code ec;
                for (const auto& e : fs::directory_iterator(dir / "run", ec))
                    if (e.path().extension() == ".lock")
                        if (auto bytes = readWholeFile(e.path()))
                            for (QProcess* p : starts)
                                if (std::atoll(std::string(bytes->begin(), bytes->end()).c_str()) == p->processId())
                                    return true;
                return false;
            },
            60000);
    }

    static QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

    fs::path dir;
    QProcessEnvironment env;
    std::vector<std::unique_ptr<QProcess>> running;
};

// Installed with PREFIX=~/.local: several first starts at once find one
// working data folder in the user's own folder; one holds it, and a later
// start hands its file to that one and ends with 0; a lock left by a holder
// that crashed is taken over; the installed tree is never touched.
TEST_F(RunningProgramTest, InstalledStartsShareOneDataFolder) {
    const fs::path prefix = dir / "home/.local";
    QProcess install;
    install.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    install.setStandardOutputFile(QProcess::nullDevice());
    install.start(QStringLiteral(KORVA_CMAKE), {QStringLiteral("--install"), QStringLiteral(KORVA_BUILD_DIR),
                                                QStringLiteral("--prefix"), q(prefix)});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0);
    EXPECT_EQ(findHelpFolder(prefix / "bin"), prefix / "share/korva/help");
    for (const char* file : {"share/man/man1/korva.1", "share/metainfo/org.korvana.korva.metainfo.xml"})
        EXPECT_TRUE(fs::is_regular_file(prefix / file)) << file;
    const QString korva = q(prefix / "bin/korva");
    const fs::path shipped = prefix / "share/korva/data";
    const auto shippedIndex = readWholeFile(shipped / "kvdata/index.ser");
    ASSERT_TRUE(shippedIndex);
    const fs::path root = prefix / "share/korva-user";

    for (int round = 0; round < 2; ++round) {
        std::vector<QProcess*> starts;
        for (int i = 0; i < (round == 0 ? 4 : 1); ++i) starts.push_back(start(korva, {}));
        ASSERT_TRUE(holds(starts));
        EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(root / "kvdata/korva.ini"); }, 60000));
        const fs::path list = writeList(root, "round" + std::to_string(round) + ".fls");
        EXPECT_EQ(finished(start(korva, {q(list)})), 0);
        EXPECT_TRUE(opened(root, list)) << round;
        int holders = 0;
        for (QProcess* p : starts) {
            if (p->state() == QProcess::Running && !p->waitForFinished(3000)) {
                ++holders;
                continue;
            }
            EXPECT_EQ(p->exitCode(), 0);
        }
        EXPECT_EQ(holders, 1);
        for (QProcess* p : starts) p->kill(); // a crash: the lock file and the socket stay behind
        for (QProcess* p : starts) p->waitForFinished(10000);
    }
    EXPECT_EQ(readWholeFile(shipped / "kvdata/index.ser"), shippedIndex);
}

} // namespace
} // namespace korva
