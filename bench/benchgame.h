// A game for benchmarking: a snake of any length, grown by the game's own handlers, that
// shuttles between two cells in the middle of the field, turning back every tick, so it lives
// for ever. Growing it to `length` pieces takes length - 8 ticks: the script puts the food on
// the cell the head enters next, until the last piece, and then on a cell it never reaches.
#pragma once

#include "support/gamefixture.h"

namespace snake::bench {

struct ShuttleGame : testing::GameRig {
    static constexpr CellIndex kWest = IndexOf(22, 22);  // where the head starts, heading left
    static constexpr CellIndex kEast = IndexOf(22, 23);  // the first piece behind it
    static constexpr CellIndex kFarFood = IndexOf(5, 5);

    explicit ShuttleGame(int length) {
        const int meals = length - kStartLength;
        Start(meals > 0 ? kEast : kFarFood, &SnakeGame::blnLeft, kWest);
        for (int meal = 1; meal <= meals; ++meal) {
            NextFood(meal == meals ? kFarFood : meal % 2 == 1 ? kWest : kEast);
            TurnAndTick();
        }
    }

    // Turns the snake back, as the player's key would, then runs one tick.
    void TurnAndTick() {
        Key(headingEast_ ? kKeyRight : kKeyLeft);
        headingEast_ = !headingEast_;
        game.tmrMain_Timer();
    }

  private:
    bool headingEast_ = true;
};

}  // namespace snake::bench
