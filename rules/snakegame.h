// The game: its state, its handlers and its rules. It needs no display: the window
// hands it events and gives it a button, a timer and a message box through GameControls.
#pragma once

#include <array>
#include <cstdint>

#include "playfield/playfield.h"
#include "rules/random.h"

namespace snake {

// A 16-bit truth value, as the heading flags hold it.
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

// Virtual key codes of the four arrows.
inline constexpr std::int16_t kKeyLeft = 37;
inline constexpr std::int16_t kKeyUp = 38;
inline constexpr std::int16_t kKeyRight = 39;
inline constexpr std::int16_t kKeyDown = 40;

inline constexpr std::int16_t kStartLength = 8;
inline constexpr std::int16_t kMaxLength = kCellCount;  // one piece per entry of the body arrays
inline constexpr int kTickMilliseconds = 100;

// What the game needs of the window around it.
class GameControls {
  public:
    virtual ~GameControls() = default;
    virtual void SetStartVisible(bool visible) = 0;       // the "Start!" button
    virtual void SetTimerInterval(int milliseconds) = 0;  // the tick; 0 stops it
    // The game-over message for a snake of `length` pieces; returns once it is dismissed.
    virtual void ShowGameOver(int length) = 0;
};

class SnakeGame {
  public:
    SnakeGame(Playfield& field, GameControls& controls, RandomSource& random);

    // Handlers, one per event of the window.
    void Form_Load();
    void cmdStart_Click();
    void tmrMain_Timer();
    void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift);

    // Starts a game on the field the last game over left (or the window opened with).
    void NewGame();

    // The rules.
    void RandomDirection();
    void PlaceSnake();
    void MoveSnake();
    void PlaceFood();
    void CheckFood();
    void CheckWalls();
    void GameOver();

    // Game state.
    std::int16_t intHead = 0;    // cell of the head
    std::int16_t intLength = 0;  // pieces, head included
    Flag blnLeft = kFalse;
    Flag blnRight = kFalse;
    Flag blnUp = kFalse;
    Flag blnDown = kFalse;
    std::int16_t intFood = 0;                            // cell of the food
    std::array<std::int16_t, kCellCount> intBody{};      // pieces as of the last move, head first
    std::array<std::int16_t, kCellCount> intPrevBody{};  // copy taken at the end of every move

  private:
    void SetHeading(Flag& heading);
    std::int16_t& Body(int piece);
    std::int16_t& PrevBody(int piece);

    Playfield& field_;
    GameControls& controls_;
    RandomSource& random_;
};

}  // namespace snake
