#include "rules/snakegame.h"

#include <cassert>

namespace snake {

namespace {
// Start cells: rows and columns 8 to 36, so that an 8-piece body laid behind the head
// in any direction stays off the border.
constexpr int kStartMin = 8;
constexpr int kStartMax = 36;
}  // namespace

SnakeGame::SnakeGame(Playfield& field, GameControls& controls, RandomSource& random)
    : field_(field), controls_(controls), random_(random) {}

std::int16_t& SnakeGame::Body(int piece) {
    assert(piece >= 0 && piece < kCellCount);
    return intBody[static_cast<std::size_t>(piece)];
}

std::int16_t& SnakeGame::PrevBody(int piece) {
    assert(piece >= 0 && piece < kCellCount);
    return intPrevBody[static_cast<std::size_t>(piece)];
}

void SnakeGame::Form_Load() {
    random_.Randomize();
}

void SnakeGame::cmdStart_Click() {
    NewGame();
    controls_.SetTimerInterval(kTickMilliseconds);
}

void SnakeGame::NewGame() {
    controls_.SetStartVisible(false);
    PlaceFood();
    intLength = kStartLength;
    RandomDirection();
    PlaceSnake();
    controls_.SetTimerInterval(1);  // the caller sets the real tick before any can run
}

void SnakeGame::tmrMain_Timer() {
    if (blnLeft != kFalse) {
        intHead = static_cast<std::int16_t>(intHead + kStepLeft);
        MoveSnake();
    } else if (blnRight != kFalse) {
        intHead = static_cast<std::int16_t>(intHead + kStepRight);
        MoveSnake();
    } else if (blnUp != kFalse) {
        intHead = static_cast<std::int16_t>(intHead + kStepUp);
        MoveSnake();
    } else if (blnDown != kFalse) {
        intHead = static_cast<std::int16_t>(intHead + kStepDown);
        MoveSnake();
    }
    CheckWalls();
    CheckFood();
}

void SnakeGame::SetHeading(Flag& heading) {
    blnLeft = kFalse;
    blnRight = kFalse;
    blnUp = kFalse;
    blnDown = kFalse;
    heading = kTrue;
}

void SnakeGame::Form_KeyDown(std::int16_t KeyCode, std::int16_t /*Shift*/) {
    // Any heading may follow any other, even straight back over the body.
    switch (KeyCode) {
        case kKeyDown:
            SetHeading(blnDown);
            break;
        case kKeyUp:
            SetHeading(blnUp);
            break;
        case kKeyRight:
            SetHeading(blnRight);
            break;
        case kKeyLeft:
            SetHeading(blnLeft);
            break;
        default:
            break;
    }
}

void SnakeGame::RandomDirection() {
    switch (RandomDraw(random_, 4)) {
        case 1:
            SetHeading(blnLeft);
            break;
        case 2:
            SetHeading(blnRight);
            break;
        case 3:
            SetHeading(blnUp);
            break;
        default:
            SetHeading(blnDown);
            break;
    }
}

void SnakeGame::PlaceSnake() {
    std::int16_t start = 0;
    do {
        start = RandomDraw(random_, kLastCell);
    } while (RowOf(start) < kStartMin || RowOf(start) > kStartMax || ColumnOf(start) < kStartMin ||
             ColumnOf(start) > kStartMax);
    intHead = start;

    // The body trails behind the head, opposite to the heading.
    int behind = -kStepRight;
    if (blnDown != kFalse) {
        behind = -kStepDown;
    } else if (blnUp != kFalse) {
        behind = -kStepUp;
    } else if (blnLeft != kFalse) {
        behind = -kStepLeft;
    }
    for (int piece = 0; piece < intLength; ++piece) {
        const auto cell = static_cast<std::int16_t>(start + behind * piece);
        field_.SetCellColor(cell, kGreen);
        Body(piece) = cell;
        PrevBody(piece) = Body(piece);
    }
}

void SnakeGame::MoveSnake() {
    const int n = intLength;

    // The cell the tail leaves is empty again, or shows the food again if it lay there.
    // Then every cell the snake covers is green, the new head last, so a snake lying
    // across itself or chasing its own tail shows no gap.
    const std::int16_t vacated = Body(n - 1);
    field_.SetCellColor(vacated, vacated == intFood ? kBlue : kWhite);
    for (int piece = 0; piece < n - 1; ++piece) {
        field_.SetCellColor(Body(piece), kGreen);
    }
    field_.SetCellColor(intHead, kGreen);

    for (int piece = 1; piece < n; ++piece) {
        Body(piece) = PrevBody(piece - 1);
    }
    Body(0) = intHead;
    for (int piece = 0; piece < n; ++piece) {
        PrevBody(piece) = Body(piece);
    }
}

void SnakeGame::PlaceFood() {
    std::int16_t cell = 0;
    do {
        cell = RandomDraw(random_, kLastCell);
    } while (field_.GetCellColor(cell) == kRed);
    intFood = cell;
    field_.SetCellColor(cell, kBlue);
}

void SnakeGame::CheckFood() {
    if (intFood != intHead) {
        return;
    }
    PlaceFood();
    if (intLength >= kMaxLength) {
        return;  // the body arrays are full: the snake eats on without growing
    }
    ++intLength;
    // The new last piece starts on the tail's cell, so the next move leaves the tail
    // where it is rather than reading an entry this game never wrote.
    Body(intLength - 1) = Body(intLength - 2);
    PrevBody(intLength - 1) = PrevBody(intLength - 2);
}

void SnakeGame::CheckWalls() {
    if (IsBorderCell(intHead)) {
        GameOver();
    }
}

void SnakeGame::GameOver() {
    // The tick stops before the message goes up: the box waits for the player in an
    // event loop of its own, and no tick may move the dead snake meanwhile.
    controls_.SetTimerInterval(0);
    controls_.ShowGameOver(intLength);
    controls_.SetStartVisible(true);
    field_.ResetGrid();
    RandomDirection();
}

}  // namespace snake
