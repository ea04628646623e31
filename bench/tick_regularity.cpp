// How evenly the game ticks in a real display server: the game's window, created as
// app/main.cpp creates it, plays a game while this records when its tick timer fires.
// After every tick the snake is turned back, as a key press would, so it never dies.
//   tick_regularity [INTERVALS]   (default 310)
// Prints: ticks=N mean_ms=.. min_ms=.. max_ms=.. p99_late_ms=.. late_over_10=N early=N
//         early_after_late=N alive=0|1
// and then every interval: intervals_ms=.. .. ..
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/frmsnake.h"
#include "benchsupport.h"
#include "rules/random.h"
#include "rules/snakegame.h"

namespace {

// The key that sends the snake straight back the way it came.
Qt::Key KeyBack(const snake::SnakeGame& game) {
    if (game.blnLeft != snake::kFalse) {
        return Qt::Key_Right;
    }
    if (game.blnRight != snake::kFalse) {
        return Qt::Key_Left;
    }
    if (game.blnUp != snake::kFalse) {
        return Qt::Key_Down;
    }
    return Qt::Key_Up;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmors-snake"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmor's Snake"));

    snake::ClockRandom random;
    snake::frmSnake window(random);
    window.show();

    const int intervals = argc > 1 ? std::max(1, std::atoi(argv[1])) : 310;
    std::vector<std::int64_t> times;
    times.reserve(static_cast<std::size_t>(intervals) + 1);
    bool alive = true;

    // Connected after the window's own connection, so this runs right after the game's tick.
    QObject::connect(&window.tickTimer(), &QTimer::timeout, &window, [&] {
        times.push_back(snake::bench::MonotonicNs());
        if (window.startButton()->isVisible()) {
            alive = false;  // the game is over: the figures would be of an idle window
        }
        QKeyEvent back(QEvent::KeyPress, KeyBack(window.game()), Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &back);
        if (!alive || times.size() > static_cast<std::size_t>(intervals)) {
            QCoreApplication::exit(0);
        }
    });

    // Start once the window is up and has settled, as a player would.
    QTimer::singleShot(1000, &window, [&window] { window.startButton()->click(); });
    // Should the game end anyway, its message box waits in an event loop of its own;
    // exit() ends that one too.
    QTimer::singleShot((intervals + 20) * snake::kTickMilliseconds + 5000, &window, [&alive] {
        alive = false;
        QCoreApplication::exit(1);
    });
    const int status = QApplication::exec();

    const auto stats = snake::bench::AnalyseTicks(times, snake::kTickMilliseconds);
    std::printf(
        "ticks=%d mean_ms=%.3f min_ms=%.3f max_ms=%.3f p99_late_ms=%.3f late_over_10=%d "
        "early=%d early_after_late=%d alive=%d\n",
        stats.intervals, stats.meanMs, stats.minMs, stats.maxMs, stats.p99LatenessMs,
        stats.lateOver10Ms, stats.early, stats.earlyAfterLate, alive ? 1 : 0);
    std::printf("intervals_ms=");
    for (const double ms : stats.intervalsMs) {
        std::printf("%.3f ", ms);
    }
    std::printf("\n");
    return status;
}
