// The field without a display: one tick of the rules for snakes of several lengths, clearing
// the field, starting a game; and painting it into an image the size of the window's client
// area, on the offscreen platform, after an ordinary tick and whole.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <cstdlib>

#include "benchgame.h"
#include "benchsupport.h"
#include "playfield/fieldpainter.h"
#include "rules/random.h"

namespace snake::bench {
namespace {

// Counts notifications; the window would repaint one cell for each CellChanged.
class CountingObserver final : public PlayfieldObserver {
  public:
    void CellChanged(CellIndex /*index*/) override { ++cellsChanged; }
    void FieldChanged() override { ++fieldsChanged; }

    long long cellsChanged = 0;
    long long fieldsChanged = 0;
};

// One tick: move, wall check, food check. The snake turns back before every tick so it never
// reaches the wall; the key handler only sets a flag, a few nanoseconds of the figure.
void BM_Tick(benchmark::State& state) {
    const auto length = static_cast<int>(state.range(0));
    ShuttleGame shuttle(length);
    CountingObserver observer;
    shuttle.field.SetObserver(&observer);

    for (auto _ : state) {
        shuttle.TurnAndTick();
    }

    if (shuttle.game.intLength != length || !shuttle.controls.messages.empty()) {
        state.SkipWithError("the snake did not keep its length or hit the wall");
    }
    state.counters["cells_changed"] = benchmark::Counter(static_cast<double>(observer.cellsChanged),
                                                         benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Tick)->Arg(8)->Arg(200)->Arg(kMaxLength)->Unit(benchmark::kNanosecond);

void BM_ResetGrid(benchmark::State& state) {
    Playfield field;
    CountingObserver observer;
    field.SetObserver(&observer);
    for (auto _ : state) {
        field.ResetGrid();
        benchmark::ClobberMemory();
    }
    if (observer.fieldsChanged != static_cast<long long>(state.iterations())) {
        state.SkipWithError("ResetGrid did not tell the observer once per call");
    }
}
BENCHMARK(BM_ResetGrid)->Unit(benchmark::kNanosecond);

class NoControls final : public GameControls {
  public:
    void SetStartVisible(bool /*visible*/) override {}
    void SetTimerInterval(int /*milliseconds*/) override {}
    void ShowGameOver(int /*length*/) override {}
};

// A new game as the shipped game starts one, with the clock-seeded generator. The field is not
// cleared between games: only walls make NewGame draw again, which does not change the cost.
void BM_NewGame(benchmark::State& state) {
    Playfield field;
    NoControls controls;
    ClockRandom random;
    SnakeGame game(field, controls, random);
    game.Form_Load();
    for (auto _ : state) {
        game.NewGame();
        benchmark::DoNotOptimize(game.intHead);
    }
}
BENCHMARK(BM_NewGame)->Unit(benchmark::kNanosecond);

// Gathers the cells a tick changes into one region, as the window's update() calls do.
class RegionObserver final : public PlayfieldObserver {
  public:
    void CellChanged(CellIndex index) override { region += CellRect(index); }
    void FieldChanged() override { region += QRect(0, 0, kClientSize, kClientSize); }
    QRegion region;
};

QImage ClientImage() {
    QImage image(kClientSize, kClientSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool ShowsColor(const QImage& image, CellIndex cell, CellColor color) {
    const QPoint middle = CellRect(cell).center();
    return image.pixelColor(middle) == ToQColor(color);
}

// An 8-piece snake heading left moves one cell: the tail's cell turns white and the new
// head's green. The paint event gets those two cells' region, and so does PaintField here.
void BM_PaintTick(benchmark::State& state) {
    ShuttleGame shuttle(kStartLength);
    QImage image = ClientImage();
    {
        QPainter painter(&image);
        PaintField(painter, shuttle.field, image.rect());
    }
    RegionObserver observer;
    shuttle.field.SetObserver(&observer);
    shuttle.Ticks(1);
    const QRegion changed = observer.region;

    for (auto _ : state) {
        QPainter painter(&image);
        painter.setClipRegion(changed);  // the widget's paint event is clipped to its region
        for (const QRect& area : changed) {
            PaintField(painter, shuttle.field, area);
        }
    }

    const CellIndex head = shuttle.game.intHead;
    const CellIndex tail = static_cast<CellIndex>(head + kStartLength);
    if (changed.rectCount() != 2 || !ShowsColor(image, head, kGreen) ||
        !ShowsColor(image, tail, kWhite)) {
        state.SkipWithError("the tick's repaint did not show the moved snake");
    }
    state.counters["rects"] = changed.rectCount();
}
BENCHMARK(BM_PaintTick)->Unit(benchmark::kMicrosecond);

void BM_PaintFullField(benchmark::State& state) {
    ShuttleGame shuttle(kStartLength);
    QImage image = ClientImage();
    for (auto _ : state) {
        QPainter painter(&image);
        PaintField(painter, shuttle.field, image.rect());
    }
    if (!ShowsColor(image, shuttle.game.intHead, kGreen) || !ShowsColor(image, 0, kRed)) {
        state.SkipWithError("the full repaint did not show the field");
    }
}
BENCHMARK(BM_PaintFullField)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace snake::bench

int main(int argc, char** argv) {
    // The figures are for unscaled pixels, with no display needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QT_SCALE_FACTOR", "1", 1);
    QGuiApplication app(argc, argv);
    using snake::bench::Row;
    return snake::bench::RunAndTabulate(argc, argv, [](const snake::bench::Figures& figures) {
        const auto tick8 = figures.Get("BM_Tick/8");
        Row("Tick, 8-piece snake", "< 1 µs", tick8, "ns", tick8 < 1000.0);
        Row("Tick, 200-piece snake", "—", figures.Get("BM_Tick/200"), "ns", std::nullopt);
        const auto tickLongest = figures.Get("BM_Tick/2025");
        Row("Tick, 2025-piece snake", "< 50 µs", tickLongest, "ns", tickLongest < 50'000.0);
        const auto reset = figures.Get("BM_ResetGrid");
        Row("Playfield::ResetGrid", "< 20 µs", reset, "ns", reset < 20'000.0);
        Row("SnakeGame::NewGame", "—", figures.Get("BM_NewGame"), "ns", std::nullopt);
        const auto paintTick = figures.Get("BM_PaintTick");
        Row("Repaint after a tick (2 cells)", "< 100 µs", paintTick, "µs", paintTick < 100.0);
        const auto full = figures.Get("BM_PaintFullField");
        Row("Repaint of the whole field", "< 2 ms", full, "µs", full < 2000.0);
    });
}
