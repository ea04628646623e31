// The rules without a display: one tick for snakes of several lengths, clearing the field,
// and starting a game.
#include <benchmark/benchmark.h>

#include "benchgame.h"
#include "playfield/playfield.h"
#include "rules/random.h"
#include "rules/snakegame.h"

namespace snake::bench {
namespace {

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

    if (shuttle.game.intLength != length || shuttle.controls.messages != 0) {
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

// A new game as the shipped game starts one: chance from the clock-seeded generator.
// The field is not cleared between games; only walls make NewGame draw again, so that
// does not change the cost.
void BM_NewGame(benchmark::State& state) {
    Playfield field;
    CountingControls controls;
    ClockRandom random;
    SnakeGame game(field, controls, random);
    game.Form_Load();
    for (auto _ : state) {
        game.NewGame();
        benchmark::DoNotOptimize(game.intHead);
    }
}
BENCHMARK(BM_NewGame)->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace snake::bench

BENCHMARK_MAIN();
