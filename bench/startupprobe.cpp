// Start-up figures for any Qt Widgets program this file is compiled into, with no change to
// its main(): once the program's first window has been painted and the frame has reached the
// display server, one line goes to standard output and the program quits:
//   first_frame_ns=<CLOCK_MONOTONIC> rss_kb=<resident memory>
// window_bench takes the time just before it starts the program.
#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <cstdio>

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
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        long pages = -1;  // statm's second field is VmRSS, in pages
        if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
            std::fscanf(statm, "%*d %ld", &pages);
            std::fclose(statm);
        }
        std::printf("first_frame_ns=%lld rss_kb=%ld\n", now.tv_sec * 1'000'000'000LL + now.tv_nsec,
                    pages * sysconf(_SC_PAGESIZE) / 1024);
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
