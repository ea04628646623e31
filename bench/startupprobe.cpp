// Start-up figures for any Qt Widgets program this file is compiled into, with no change to
// its main(): once the program's first window has been painted and the frame has reached the
// display server, one line goes to standard output and the program quits:
//   first_frame_ns=<CLOCK_MONOTONIC> rss_kb=<VmRSS> since_stat_ms=<ms since the kernel's start
//   time>
// startup_compare takes the time just before it starts the program.
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <cstdio>

#include "benchsupport.h"

namespace snake::bench {
namespace {

class FirstFrameProbe final : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            seen_ = true;
            // The paint event comes before the backing store is flushed; a queued call
            // runs once the whole repaint, flush included, is done.
            QMetaObject::invokeMethod(this, &FirstFrameProbe::Report, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    void Report() {
        QGuiApplication::sync();  // the display server has the frame, not just the socket
        const std::int64_t now = MonotonicNs();
        const std::int64_t boottime = BoottimeNs();
        const auto rss = ParseVmRssKb(ReadSmallFile("/proc/self/status"));
        const auto stat = ParseProcStat(ReadSmallFile("/proc/self/stat"));
        const auto ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
        const double sinceStatMs =
            stat ? static_cast<double>(boottime) / 1e6 -
                       static_cast<double>(stat->starttime) * 1e3 / ticksPerSecond
                 : -1;
        std::printf("first_frame_ns=%lld rss_kb=%lld since_stat_ms=%.1f\n",
                    static_cast<long long>(now), rss.value_or(-1), sinceStatMs);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool seen_ = false;
};

// Runs inside the application's constructor, before main() creates any window.
void InstallProbe() {
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstFrameProbe(app));
}

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)

}  // namespace
}  // namespace snake::bench
