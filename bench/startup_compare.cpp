// Whole-process start-up: the program on a copy of the shipped data against
// a bare Qt window, started alternately, each timed from spawn to its first
// shown and painted main window (reported on KORVA_SHOWN_FD), with the peak
// memory of each run.  Prints the medians and the ratios.
//
//   startup_compare [--runs N] [--settle MS] [--program PATH]
//
// --program measures another build of the program against the same window.
//
// Each child is left running for the settle time after it reports, so work
// put off to the idle loop counts in its peak memory, then terminated.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kShownFd = 3;
constexpr int kReportTimeoutMs = 30000;

struct Run {
    double millis = 0;
    double peakMiB = 0;
    std::string report; // "shown WIDTHxHEIGHT"
};

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "startup_compare: %s\n", what.c_str());
    std::exit(1);
}

// Starts `argv`, waits for its report, lets it settle and ends it.
Run startOnce(const std::vector<std::string>& argv, int settleMs) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) fail(std::string("pipe: ") + std::strerror(errno));

    std::vector<std::string> envText;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "KORVA_SHOWN_FD=", 15) != 0) envText.emplace_back(*e);
    envText.push_back("KORVA_SHOWN_FD=" + std::to_string(kShownFd));
    std::vector<char*> envp, args;
    for (auto& s : envText) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::vector<std::string> argText = argv;
    for (auto& s : argText) args.push_back(s.data());
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // dup2 leaves the copy open across exec; the original closes with it.
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], kShownFd);
    // Qt's chatter about the platform would bury the table.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto begin = Clock::now();
    pid_t pid;
    const int rc = ::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (rc != 0) fail("cannot start " + argv[0] + ": " + std::strerror(rc));

    pollfd p{pipeFds[0], POLLIN, 0};
    int ready;
    do ready = ::poll(&p, 1, kReportTimeoutMs);
    while (ready < 0 && errno == EINTR);
    char line[64];
    const ssize_t got = ready == 1 ? ::read(pipeFds[0], line, sizeof line - 1) : -1;
    const auto end = Clock::now();
    const bool shown = got > 0;
    ::close(pipeFds[0]);

    if (shown && settleMs > 0) ::usleep(static_cast<useconds_t>(settleMs) * 1000);
    ::kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {}
    if (!shown) fail(argv[0] + " ended or stalled before showing its main window; start it by hand to see why");

    Run run;
    run.millis = std::chrono::duration<double, std::milli>(end - begin).count();
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0; // KiB on Linux
    run.report.assign(line, static_cast<std::size_t>(got));
    return run;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Summary {
    double millis, fastest, slowest, peakMiB;
};

Summary summarise(const std::vector<Run>& runs) {
    std::vector<double> t, m;
    for (const Run& r : runs) {
        t.push_back(r.millis);
        m.push_back(r.peakMiB);
    }
    return {median(t), *std::min_element(t.begin(), t.end()), *std::max_element(t.begin(), t.end()), median(m)};
}

int positiveArgument(const char* text, const char* name) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (*end || v < 0 || v > 100000) fail(std::string("bad value for ") + name + ": " + text);
    return static_cast<int>(v);
}

} // namespace

int main(int argc, char** argv) {
    int runs = 15;
    int settleMs = 300;
    std::string programPath = KORVA_PROGRAM;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--runs" && i + 1 < argc)
            runs = std::max(1, positiveArgument(argv[++i], "--runs"));
        else if (a == "--settle" && i + 1 < argc)
            settleMs = positiveArgument(argv[++i], "--settle");
        else if (a == "--program" && i + 1 < argc)
            programPath = argv[++i];
        else
            fail("usage: startup_compare [--runs N] [--settle MS] [--program PATH]");
    }

    // The program gets its own copy of the shipped data, so a run never
    // touches the tree beside the build.
    const fs::path home = fs::temp_directory_path() / ("korva-startup-" + std::to_string(::getpid()));
    std::error_code ec;
    fs::remove_all(home, ec);
    fs::copy(fs::path(KORVA_SOURCE_DIR) / "data", home, fs::copy_options::recursive, ec);
    if (ec) fail("cannot copy the shipped data to " + home.string() + ": " + ec.message());

    const std::vector<std::string> program{programPath, "--home", home.string()};
    // One unmeasured start of each fills the file cache for both; the
    // program's tells the size of its main window, which the bare window
    // takes, so both paint as many pixels.
    std::string size;
    {
        const std::string report = startOnce(program, 0).report;
        const auto at = report.find(' ');
        if (at == std::string::npos) fail("the program reported no window size: " + report);
        size = report.substr(at + 1, report.find_first_of("\n", at) - at - 1);
    }
    const std::vector<std::string> bare{KORVA_BARE_WINDOW, "--size", size};
    startOnce(bare, 0);
    std::vector<Run> programRuns, bareRuns;
    for (int i = 0; i < runs; ++i) {
        programRuns.push_back(startOnce(program, settleMs));
        bareRuns.push_back(startOnce(bare, settleMs));
    }
    fs::remove_all(home, ec);

    const Summary p = summarise(programRuns), b = summarise(bareRuns);
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("start-up from spawn to the first shown main window (%s), %d runs each, platform %s\n", size.c_str(),
                runs, platform && *platform ? platform : "(default)");
    std::printf("%-16s %10s %8s %8s %14s\n", "", "median ms", "min ms", "max ms", "peak RSS MiB");
    std::printf("%-16s %10.1f %8.1f %8.1f %14.1f\n", "korva", p.millis, p.fastest, p.slowest, p.peakMiB);
    std::printf("%-16s %10.1f %8.1f %8.1f %14.1f\n", "bare Qt window", b.millis, b.fastest, b.slowest, b.peakMiB);
    std::printf("ratio korva / bare: time %.2f, peak memory %.2f\n", p.millis / b.millis, p.peakMiB / b.peakMiB);
    return 0;
}
