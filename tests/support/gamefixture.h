// Helpers for driving the game without a window: scripted draws, a stand-in for the
// window's button, timer and message box, and ASCII pictures of the field.
#pragma once

#include <QString>
#include <QStringList>
#include <QTest>
#include <array>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "playfield/playfield.h"
#include "rules/snakegame.h"

namespace snake::testing {

// One of the game's four heading flags, as the tests name them.
using Heading = Flag SnakeGame::*;

// A cell away from every path the tests steer along.
inline constexpr int kQuietFood = IndexOf(2, 2);

// The value that makes RandomDraw(n) come out as k.
inline float ValueFor(int k, int n) {
    return static_cast<float>((static_cast<double>(k) - 0.5) / n);
}

// Hands out the values it was given, in order. Running dry is a test fault.
class ScriptedRandom final : public RandomSource {
  public:
    float NextSingle() override {
        if (values_.empty()) {
            ++overdrawn_;
            return 0.5F;
        }
        const float value = values_.front();
        values_.pop_front();
        return value;
    }
    void Push(float value) { values_.push_back(value); }
    void PushDraw(int k, int n) { Push(ValueFor(k, n)); }
    void PushCell(int index) { PushDraw(index, kLastCell); }
    void PushHeading(Heading heading) { PushDraw(HeadingDraw(heading), 4); }
    std::size_t Left() const { return values_.size(); }
    int Overdrawn() const { return overdrawn_; }

    // The draw of 1..4 that picks each heading.
    static int HeadingDraw(Heading heading) {
        if (heading == &SnakeGame::blnLeft) {
            return 1;
        }
        if (heading == &SnakeGame::blnRight) {
            return 2;
        }
        return heading == &SnakeGame::blnUp ? 3 : 4;
    }

  private:
    std::deque<float> values_;
    int overdrawn_ = 0;
};

// A repeatable stream of draws, for the tests that need many.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    float NextSingle() override { return unit_(engine_); }

  private:
    std::mt19937 engine_;
    std::uniform_real_distribution<float> unit_{0.0F, 1.0F};
};

// Records what the game asks of the window.
class FakeControls final : public GameControls {
  public:
    void SetStartVisible(bool visible) override { startVisible = visible; }
    void SetTimerInterval(int milliseconds) override { interval = milliseconds; }
    void ShowGameOver(int length) override {
        messages.push_back(length);
        if (whileMessageShown) {
            whileMessageShown();
        }
    }

    bool startVisible = true;
    int interval = 0;
    std::vector<int> messages;  // the length told by each game over
    std::function<void()> whileMessageShown;
};

// A field, a game on it and its inputs, as the window would wire them.
struct GameRig {
    Playfield field;
    FakeControls controls;
    ScriptedRandom random;
    SnakeGame game{field, controls, random};

    // Starts a game with its food, heading and head cell scripted.
    void Start(int food, Heading heading, int head) {
        random.PushCell(food);
        random.PushHeading(heading);
        random.PushCell(head);
        game.cmdStart_Click();
    }
    void Key(std::int16_t code) { game.Form_KeyDown(code, 0); }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            game.tmrMain_Timer();
        }
    }
    // Holds the food for the next PlaceFood.
    void NextFood(int cell) { random.PushCell(cell); }
};

// One character a cell: '#' wall, '.' empty, 'o' snake, '*' food.
inline char CellChar(CellColor color) {
    switch (color) {
        case kRed:
            return '#';
        case kWhite:
            return '.';
        case kGreen:
            return 'o';
        case kBlue:
            return '*';
        default:
            return '?';
    }
}

// The cells of rows [row, row + rows) and columns [column, column + columns), one line a row.
inline QStringList Picture(const Playfield& field, int row, int column, int rows, int columns) {
    QStringList lines;
    for (int r = row; r < row + rows; ++r) {
        QString line;
        for (int c = column; c < column + columns; ++c) {
            line += QLatin1Char(CellChar(field.GetCellColor(IndexOf(r, c))));
        }
        lines << line;
    }
    return lines;
}

// How many cells of the whole field show `color`.
inline int CountCells(const Playfield& field, CellColor color) {
    int count = 0;
    for (int i = 0; i < kCellCount; ++i) {
        count += field.GetCellColor(static_cast<CellIndex>(i)) == color ? 1 : 0;
    }
    return count;
}

// True when the field shows exactly the reset pattern.
inline bool IsResetPattern(const Playfield& field) {
    for (int i = 0; i < kCellCount; ++i) {
        if (field.GetCellColor(static_cast<CellIndex>(i)) != ResetColorOf(i)) {
            return false;
        }
    }
    return true;
}

// What the field should show for the game's state: the ring red, the snake green, the food
// blue where no piece covers it (or wherever it was just drawn), every other cell white.
// Returns a description of the first cell that differs, or an empty string.
inline QString FieldFault(const Playfield& field, const SnakeGame& game, bool foodJustPlaced) {
    std::array<CellColor, kCellCount> expected{};
    for (int i = 0; i < kCellCount; ++i) {
        expected[static_cast<std::size_t>(i)] = ResetColorOf(i);
    }
    for (int piece = 0; piece < game.intLength; ++piece) {
        const int cell = game.intBody[static_cast<std::size_t>(piece)];
        if (!IsOnField(cell)) {
            return QStringLiteral("piece %1 is off the field at %2").arg(piece).arg(cell);
        }
        expected[static_cast<std::size_t>(cell)] = kGreen;
    }
    if (!IsOnField(game.intFood) || IsBorderCell(game.intFood)) {
        return QStringLiteral("food at %1").arg(game.intFood);
    }
    auto& food = expected[static_cast<std::size_t>(game.intFood)];
    if (food != kGreen || foodJustPlaced) {
        food = kBlue;
    }
    for (int i = 0; i < kCellCount; ++i) {
        const CellColor shown = field.GetCellColor(static_cast<CellIndex>(i));
        if (shown != expected[static_cast<std::size_t>(i)]) {
            return QStringLiteral("cell %1 (row %2, column %3) shows '%4', expected '%5'")
                .arg(i)
                .arg(RowOf(i))
                .arg(ColumnOf(i))
                .arg(QLatin1Char(CellChar(shown)))
                .arg(QLatin1Char(CellChar(expected[static_cast<std::size_t>(i)])));
        }
    }
    return {};
}

}  // namespace snake::testing
