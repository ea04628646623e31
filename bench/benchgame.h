// A game set up for benchmarking: scripted chance, controls that only count, and a snake
// grown to any length by the game's own handlers.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "playfield/playfield.h"
#include "rules/random.h"
#include "rules/snakegame.h"

namespace snake::bench {

// Hands out the queued values, then `fallback` for ever.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(float fallback) : fallback_(fallback) {}
    float NextSingle() override;
    void Push(float value) { script_.push_back(value); }

    // The value that makes RandomDraw(source, n) return `draw`.
    static float ValueFor(int draw, int n);

  private:
    std::deque<float> script_;
    float fallback_;
};

class CountingControls final : public GameControls {
  public:
    void SetStartVisible(bool visible) override { startVisible = visible; }
    void SetTimerInterval(int milliseconds) override { timerInterval = milliseconds; }
    void ShowGameOver(int /*length*/) override { ++messages; }

    bool startVisible = true;
    int timerInterval = 0;
    int messages = 0;  // games over
};

// Counts notifications; the window would repaint one cell for each CellChanged.
class CountingObserver final : public PlayfieldObserver {
  public:
    void CellChanged(CellIndex /*index*/) override { ++cellsChanged; }
    void FieldChanged() override { ++fieldsChanged; }

    long long cellsChanged = 0;
    long long fieldsChanged = 0;
};

// A game whose snake shuttles between two cells in the middle of the field, turning back
// every tick, so it lives for ever. Growing it to `length` pieces takes length - 8 ticks:
// the script puts the food on the cell the head enters next, until the last piece, and
// then on a cell the snake never reaches.
class ShuttleGame {
  public:
    explicit ShuttleGame(int length);

    // Turns the snake back, as the player's key would, then runs one tick.
    void TurnAndTick();
    // Runs one tick, without a key.
    void Tick() { game.tmrMain_Timer(); }

    Playfield field;
    CountingControls controls;
    ScriptedRandom random;
    SnakeGame game;

    static constexpr CellIndex kWest = IndexOf(22, 22);  // where the head starts, heading left
    static constexpr CellIndex kEast = IndexOf(22, 23);  // the first piece behind it
    static constexpr CellIndex kFarFood = IndexOf(5, 5);

  private:
    bool headingEast_ = true;
};

}  // namespace snake::bench
