#include "benchgame.h"

namespace snake::bench {

float ScriptedRandom::NextSingle() {
    if (script_.empty()) {
        return fallback_;
    }
    const float value = script_.front();
    script_.pop_front();
    return value;
}

float ScriptedRandom::ValueFor(int draw, int n) {
    // RandomDraw gives floor(value * n) + 1: aim at the middle of the draw's slot.
    return static_cast<float>((draw - 0.5) / n);
}

ShuttleGame::ShuttleGame(int length)
    : random(ScriptedRandom::ValueFor(kFarFood, kLastCell)), game(field, controls, random) {
    const int meals = length - kStartLength;
    // NewGame draws the food first, then the heading, then the head's cell.
    random.Push(ScriptedRandom::ValueFor(meals > 0 ? kEast : kFarFood, kLastCell));
    random.Push(ScriptedRandom::ValueFor(1, 4));  // left
    random.Push(ScriptedRandom::ValueFor(kWest, kLastCell));
    // Each meal puts the next food where the head goes after it; the last one falls back
    // to the far cell.
    for (int meal = 1; meal < meals; ++meal) {
        random.Push(ScriptedRandom::ValueFor(meal % 2 == 1 ? kWest : kEast, kLastCell));
    }
    game.Form_Load();
    game.cmdStart_Click();
    for (int meal = 0; meal < meals; ++meal) {
        TurnAndTick();
    }
}

void ShuttleGame::TurnAndTick() {
    game.Form_KeyDown(headingEast_ ? kKeyRight : kKeyLeft, 0);
    headingEast_ = !headingEast_;
    game.tmrMain_Timer();
}

}  // namespace snake::bench
