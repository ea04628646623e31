// Painting the field into an image the size of the window's client area, on the offscreen
// platform: what the window paints after an ordinary tick, and the whole field.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <cstdlib>

#include "benchgame.h"
#include "playfield/fieldpainter.h"

namespace snake::bench {
namespace {

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
    shuttle.Tick();
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
    // The figures are for unscaled pixels, with no display needed; the caller may choose
    // another platform.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_SCALE_FACTOR", "1", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
