// The game's window next to bare Qt programs, in a real display server (scripts/bench.sh runs
// it under scripts/with-x.sh): start-up to the first frame and the memory then, on xcb and
// offscreen; CPU while idle; CPU and the tick's regularity while playing, with keys through
// the X server and the other core busy.
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/times.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <memory>
#include <numeric>
#include <utility>

#include "app/frmsnake.h"
#include "benchsupport.h"
#include "playfield/fieldpainter.h"
#include "rules/random.h"

// Xlib's macros (Bool, Status, None) clash with Qt's names: its headers come last.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

extern char** environ;

namespace snake::bench {
namespace {

constexpr const char* kPrograms[] = {"startup_snake", "startup_bare", "startup_button"};
constexpr const char* kPlatforms[] = {"xcb", "offscreen"};
constexpr int kIntervals = 310;

// Starts a program built with the start-up probe and waits for its first frame; ends it then.
// The time from just before the start, in ms, and the resident memory then, in KiB.
std::optional<std::pair<double, double>> LaunchUntilFirstFrame(const char* name,
                                                               const char* platform) {
    const std::string path = QCoreApplication::applicationDirPath().toStdString() + "/" + name;
    setenv("QT_QPA_PLATFORM", platform, 1);
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    const std::int64_t start = MonotonicNs();
    pid_t child = 0;
    const bool spawned = posix_spawn(&child, path.c_str(), &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    pollfd report{fds[0], POLLIN, 0};
    char line[128] = {};
    long long frameNs = 0;
    long long rssKb = 0;
    const bool reported =
        spawned && poll(&report, 1, 20'000) > 0 && read(fds[0], line, sizeof line - 1) > 0 &&
        std::sscanf(line, "first_frame_ns=%lld rss_kb=%lld", &frameNs, &rssKb) == 2;
    close(fds[0]);
    if (spawned) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    setenv("QT_QPA_PLATFORM", kPlatforms[0], 1);
    return reported ? std::optional(std::pair(static_cast<double>(frameNs - start) / 1e6,
                                              static_cast<double>(rssKb)))
                    : std::nullopt;
}

// Program (kPrograms) and platform (kPlatforms); the repetitions of all of them run in turns.
void BM_StartUp(benchmark::State& state) {
    for (auto _ : state) {
        const auto frame =
            LaunchUntilFirstFrame(kPrograms[state.range(0)], kPlatforms[state.range(1)]);
        if (!frame) {
            state.SkipWithError("the program reported no first frame");
            break;
        }
        state.SetIterationTime(frame->first / 1e3);
        state.counters["rss_kb"] = frame->second;
    }
}
BENCHMARK(BM_StartUp)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly()
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void Spin(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Seconds of CPU of the whole process, counted in clock ticks as /proc shows them.
double CpuSeconds() {
    tms times{};
    ::times(&times);
    return static_cast<double>(times.tms_utime + times.tms_stime) / sysconf(_SC_CLK_TCK);
}
// Context switches of all its threads.
long WakeUps() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw + usage.ru_nivcsw;
}

void DismissMessages() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
            box->accept();
        }
    }
}

// 0: the game's window before the first game; 1: after a game that ran into the wall and
// whose message was dismissed; 2: a bare window. 10 s each, after 2 s to settle.
void BM_Idle(benchmark::State& state) {
    ClockRandom random;
    frmSnake game(random);
    QWidget bare;
    QWidget& window = state.range(0) == 2 ? bare : game;
    window.setFixedSize(kClientSize, kClientSize);
    window.show();
    if (state.range(0) == 1) {
        QTimer dismiss;
        QObject::connect(&dismiss, &QTimer::timeout, &DismissMessages);
        dismiss.start(100);
        game.startButton()->click();
        for (int wait = 0; wait < 100 && !game.startButton()->isVisible(); ++wait) {
            Spin(100);
        }
    }
    Spin(2000);
    for (auto _ : state) {
        const double cpu = CpuSeconds();
        const long wakeUps = WakeUps();
        Spin(10'000);
        state.counters["cpu_s"] = CpuSeconds() - cpu;
        state.counters["wake_ups"] = static_cast<double>(WakeUps() - wakeUps);
    }
    if (state.range(0) != 2 && !game.startButton()->isVisible()) {
        state.SkipWithError("the game did not end by itself");
    }
}
BENCHMARK(BM_Idle)->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kSecond);

// The key that sends the snake straight back the way it came.
KeySym KeyBack(const SnakeGame& game) {
    return game.blnLeft != kFalse    ? XK_Right
           : game.blnRight != kFalse ? XK_Left
           : game.blnUp != kFalse    ? XK_Down
                                     : XK_Up;
}

// 0: the game, turned back after every tick by a key through the X server so it never dies;
// 1: a bare window whose 100 ms timer repaints two cells, sent the same keys. kIntervals
// intervals of the tick, CPU over them.
void BM_Play(benchmark::State& state) {
    const bool isGame = state.range(0) == 0;
    ClockRandom random;
    frmSnake game(random);
    QWidget bare;
    QTimer ticker;
    bare.setFixedSize(kClientSize, kClientSize);
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, &bare, [&bare] {
        bare.update(CellRect(IndexOf(22, 22)).united(CellRect(IndexOf(22, 23))));
    });
    QWidget& window = isGame ? static_cast<QWidget&>(game) : bare;
    const QTimer& timer = isGame ? game.tickTimer() : ticker;
    window.show();
    window.activateWindow();
    Spin(1000);

    const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
    std::vector<std::int64_t> times;
    QEventLoop loop;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {  // after the window's own tick
        times.push_back(MonotonicNs());
        const KeyCode key = XKeysymToKeycode(
            display.get(), isGame ? KeyBack(game.game()) : XK_Left + times.size() % 2 * 2);
        XTestFakeKeyEvent(display.get(), key, True, 0);
        XTestFakeKeyEvent(display.get(), key, False, 0);
        XFlush(display.get());
        if (times.size() > kIntervals) {
            loop.quit();
        }
    });
    QTimer::singleShot((kIntervals + 20) * kTickMilliseconds, &loop, [&loop] {
        DismissMessages();  // the game ended after all: its message waits for a key
        loop.quit();
    });
    const pid_t busy = fork();  // a busy loop on the last core: a loaded machine
    if (busy == 0) {
        cpu_set_t cores;
        CPU_ZERO(&cores);
        CPU_SET(static_cast<int>(sysconf(_SC_NPROCESSORS_ONLN)) - 1, &cores);
        sched_setaffinity(0, sizeof cores, &cores);
        for (;;) {
            benchmark::ClobberMemory();
        }
    }
    for (auto _ : state) {
        const double cpu = CpuSeconds();
        const std::int64_t start = MonotonicNs();
        isGame ? game.startButton()->click() : ticker.start(kTickMilliseconds);
        loop.exec();
        state.counters["cpu_pct"] =
            100.0 * (CpuSeconds() - cpu) / (static_cast<double>(MonotonicNs() - start) / 1e9);
    }
    kill(busy, SIGKILL);
    waitpid(busy, nullptr, 0);
    if (times.size() <= kIntervals || (isGame && game.startButton()->isVisible())) {
        state.SkipWithError("the tick stopped: the snake died");
        return;
    }
    std::vector<double> intervals;
    std::vector<double> lateness;
    for (std::size_t i = 1; i < times.size(); ++i) {
        intervals.push_back(static_cast<double>(times[i] - times[i - 1]) / 1e6);
        lateness.push_back(std::max(0.0, intervals.back() - kTickMilliseconds));
    }
    state.counters["mean_ms"] = std::reduce(intervals.begin(), intervals.end()) / kIntervals;
    state.counters["min_ms"] = *std::min_element(intervals.begin(), intervals.end());
    state.counters["max_ms"] = *std::max_element(intervals.begin(), intervals.end());
    state.counters["p99_late_ms"] = Percentile(lateness, 99);
}
BENCHMARK(BM_Play)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

void Rows(const Figures& figures) {
    for (const std::string platform : {"0", "1"}) {
        for (const std::string counter : {"", "rss_kb"}) {
            const auto run = [&](const char* program) {
                return figures.Get("BM_StartUp/" + std::string(program) + "/" + platform, counter);
            };
            const auto bare = run("1");
            const auto versus = [&bare](std::optional<double> value) {
                return value && bare ? std::optional(*value / *bare) : std::nullopt;
            };
            const char* unit = counter.empty() ? "ms" : "KiB";
            const std::string on = std::string(" (") + kPlatforms[platform == "1"] + ")";
            const auto game = versus(run("0"));
            Row((counter.empty() ? "Start-up to first frame" : "Resident memory once shown") + on,
                "≤ 1.15 × bare window", game ? run("0") : std::nullopt, unit, game <= 1.15,
                game ? " vs " + Format(*bare) + " " + unit + ": " + Format(*game) + "×" : "");
            const auto button = versus(run("2"));
            Row("… bare window + one push button" + on, "(yardstick)", button ? run("2") : button,
                unit, std::nullopt, button ? ": " + Format(*button) + "×" : "");
        }
    }
    const char* idle[] = {"before the first game", "after a game"};
    for (int when = 0; when < 2; ++when) {
        const auto wakeUps = [&figures](int run) {
            const auto count = figures.Get("BM_Idle/" + std::to_string(run), "wake_ups");
            return count ? std::to_string(std::lround(*count)) : "?";
        };
        const auto cpu = figures.Get("BM_Idle/" + std::to_string(when), "cpu_s");
        Row(std::string("CPU while idle, ") + idle[when] + " (10 s)", "0 s", cpu, "s", cpu == 0.0,
            ", wake-ups: " + wakeUps(when) + " (a bare window: " + wakeUps(2) + ")");
    }
    const struct {
        const char* figure;
        const char* target;
        const char* counter;
        const char* unit;
        bool (*met)(double);
    } play[] = {
        {"CPU while playing (31 s)", "< 1 % of a core", "cpu_pct", "%",
         [](double v) { return v < 1; }},
        {"Tick interval, mean over 310 intervals", "100 ± 1 ms", "mean_ms", "ms",
         [](double v) { return std::abs(v - 100) <= 1; }},
        {"Shortest tick interval", "≥ 95 ms", "min_ms", "ms", [](double v) { return v >= 95; }},
        {"Lateness, 99th percentile", "< 10 ms", "p99_late_ms", "ms",
         [](double v) { return v < 10; }},
    };
    for (const auto& row : play) {
        const auto game = figures.Get("BM_Play/0", row.counter);
        const auto bare = figures.Get("BM_Play/1", row.counter);
        Row(row.figure, row.target, game, row.unit, game && row.met(*game),
            " (a bare ticker: " + (bare ? Format(*bare) : "?") + " " + row.unit + ")");
    }
}

}  // namespace
}  // namespace snake::bench

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Velmor's Snake"));
    for (const char* program : snake::bench::kPrograms) {  // warm-up: caches, fonts, the server
        for (const char* platform : snake::bench::kPlatforms) {
            snake::bench::LaunchUntilFirstFrame(program, platform);
        }
    }
    return snake::bench::RunAndTabulate(argc, argv, snake::bench::Rows);
}
