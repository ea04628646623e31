// The game's rules, driven through its handlers with every draw scripted.
#include <QTest>
#include <cmath>
#include <limits>
#include <set>

#include "support/gamefixture.h"

using namespace snake;
using namespace snake::testing;

Q_DECLARE_METATYPE(Heading)

namespace {

int Heads(const SnakeGame& game) {
    return (game.blnLeft != 0) + (game.blnRight != 0) + (game.blnUp != 0) + (game.blnDown != 0);
}

}  // namespace

class TestRules : public QObject {
    Q_OBJECT

  private slots:
    // Draws and headings
    void randomDraw_data();
    void randomDraw();
    void randomDrawHasEqualChances();
    void randomDirection_data();
    void randomDirection();
    void keysSetOneHeading_data();
    void keysSetOneHeading();
    void startReplacesHeadingChosenBefore();

    // A new snake
    void snakeLaidBehindHead_data();
    void snakeLaidBehindHead();
    void startCells_data();
    void startCells();
    void startCellsOverManyGames();
    void snakeLaidOverFood();

    // Movement
    void straightMove();
    void growthMoveKeepsTail();
    void turningBackFoldsSnake();
    void foldedSnakeShowsNoGap();
    void headEntersCellTailLeaves();
    void foodShowsAgainWhenTailLeaves();
    void lastKeyInATickCounts();

    // Food
    void foodRefusesOnlyWalls_data();
    void foodRefusesOnlyWalls();
    void foodReachesEveryCellButWalls();
    void eatingGrows_data();
    void eatingGrows();
    void foodDrawnOnHeadIsEatenOnReturn();
    void oldBodyEntriesDoNotLeak_data();
    void oldBodyEntriesDoNotLeak();
    void oldBodyEntriesOfLongerGameDoNotLeak();
    void growthStopsAtFullArrays();

    // Walls and game over
    void wallEndsGame_data();
    void wallEndsGame();
    void cellsBesideWallAreSafe();
    void gameOverLeavesIdleField();
    void secondGameAfterFirst();
};

// ---------------------------------------------------------------- draws and headings

void TestRules::randomDraw_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expected");
    const float belowOne = std::nextafter(1.0F, 0.0F);
    QTest::newRow("zero, cells") << 0.0F << 2024 << 1;
    QTest::newRow("largest below one, cells") << belowOne << 2024 << 2024;
    QTest::newRow("largest below one, headings") << belowOne << 4 << 4;
    QTest::newRow("exactly one") << 1.0F << 2024 << 2024;
    QTest::newRow("above one") << 1.5F << 4 << 4;
    QTest::newRow("negative") << -0.25F << 4 << 1;
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 4 << 1;
    QTest::newRow("just below a quarter") << std::nextafter(0.25F, 0.0F) << 4 << 1;
    QTest::newRow("a quarter") << 0.25F << 4 << 2;
    QTest::newRow("three quarters") << 0.75F << 4 << 4;
    QTest::newRow("half, cells") << 0.5F << 2024 << 1013;
}

void TestRules::randomDraw() {
    QFETCH(float, value);
    QFETCH(int, n);
    QFETCH(int, expected);
    ScriptedRandom random;
    random.Push(value);
    QCOMPARE(int(RandomDraw(random, static_cast<std::int16_t>(n))), expected);
}

void TestRules::randomDrawHasEqualChances() {
    // Values spread evenly over [0, 1) fall evenly on 1..4.
    std::array<int, 5> counts{};
    ScriptedRandom random;
    for (int i = 0; i < 1000; ++i) {
        random.Push(static_cast<float>(i) / 1000.0F);
        ++counts[static_cast<std::size_t>(RandomDraw(random, 4))];
    }
    QCOMPARE(counts, (std::array<int, 5>{0, 250, 250, 250, 250}));
}

void TestRules::randomDirection_data() {
    QTest::addColumn<int>("draw");
    QTest::addColumn<Heading>("heading");
    QTest::newRow("1 left") << 1 << &SnakeGame::blnLeft;
    QTest::newRow("2 right") << 2 << &SnakeGame::blnRight;
    QTest::newRow("3 up") << 3 << &SnakeGame::blnUp;
    QTest::newRow("4 down") << 4 << &SnakeGame::blnDown;
}

void TestRules::randomDirection() {
    QFETCH(int, draw);
    QFETCH(Heading, heading);
    GameRig rig;
    rig.Key(kKeyUp);
    rig.random.PushDraw(draw, 4);
    rig.game.RandomDirection();
    QCOMPARE(rig.game.*heading, kTrue);
    QCOMPARE(Heads(rig.game), 1);
}

void TestRules::keysSetOneHeading_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Heading>("heading");
    QTest::newRow("left") << int(kKeyLeft) << &SnakeGame::blnLeft;
    QTest::newRow("up") << int(kKeyUp) << &SnakeGame::blnUp;
    QTest::newRow("right") << int(kKeyRight) << &SnakeGame::blnRight;
    QTest::newRow("down") << int(kKeyDown) << &SnakeGame::blnDown;
}

void TestRules::keysSetOneHeading() {
    QFETCH(int, key);
    QFETCH(Heading, heading);
    GameRig rig;
    for (const std::int16_t before : {kKeyLeft, kKeyUp, kKeyRight, kKeyDown}) {
        rig.Key(before);
        rig.Key(static_cast<std::int16_t>(key));
        QCOMPARE(rig.game.*heading, kTrue);
        QCOMPARE(Heads(rig.game), 1);
        // Other keys leave the heading alone.
        for (const std::int16_t other : {0, 13, 27, 32, 36, 41, 65, -1}) {
            rig.game.Form_KeyDown(other, 1);
            QCOMPARE(rig.game.*heading, kTrue);
            QCOMPARE(Heads(rig.game), 1);
        }
    }
}

void TestRules::startReplacesHeadingChosenBefore() {
    GameRig rig;
    rig.Key(kKeyLeft);
    rig.Start(kQuietFood, &SnakeGame::blnDown, IndexOf(20, 20));
    QCOMPARE(rig.game.blnDown, kTrue);
    QCOMPARE(Heads(rig.game), 1);
    rig.Ticks(1);
    QCOMPARE(int(rig.game.intHead), IndexOf(21, 20));
}

// ---------------------------------------------------------------- a new snake

void TestRules::snakeLaidBehindHead_data() {
    QTest::addColumn<Heading>("heading");
    QTest::addColumn<int>("head");
    QTest::addColumn<int>("tail");
    QTest::newRow("down from row 8, column 8") << &SnakeGame::blnDown << 368 << 53;
    QTest::newRow("up from row 36")
        << &SnakeGame::blnUp << int(IndexOf(36, 20)) << int(IndexOf(43, 20));
    QTest::newRow("left from column 36")
        << &SnakeGame::blnLeft << int(IndexOf(20, 36)) << int(IndexOf(20, 43));
    QTest::newRow("right from column 8")
        << &SnakeGame::blnRight << int(IndexOf(20, 8)) << int(IndexOf(20, 1));
    QTest::newRow("right from the last start cell")
        << &SnakeGame::blnRight << int(IndexOf(36, 36)) << int(IndexOf(36, 29));
}

void TestRules::snakeLaidBehindHead() {
    QFETCH(Heading, heading);
    QFETCH(int, head);
    QFETCH(int, tail);
    GameRig rig;
    rig.Start(kQuietFood, heading, head);

    QCOMPARE(int(rig.game.intHead), head);
    QCOMPARE(int(rig.game.intLength), 8);
    const int step = (tail - head) / 7;
    for (int piece = 0; piece < 8; ++piece) {
        const int cell = head + step * piece;
        QCOMPARE(int(rig.game.intBody[static_cast<std::size_t>(piece)]), cell);
        QCOMPARE(int(rig.game.intPrevBody[static_cast<std::size_t>(piece)]), cell);
    }
    QCOMPARE(FieldFault(rig.field, rig.game, false), QString());
    QCOMPARE(rig.controls.interval, kTickMilliseconds);
    QVERIFY(!rig.controls.startVisible);
    QCOMPARE(rig.random.Left(), std::size_t{0});
}

void TestRules::startCells_data() {
    QTest::addColumn<Heading>("heading");
    QTest::addColumn<int>("cell");
    QTest::addColumn<bool>("accepted");
    const struct {
        const char* name;
        int cell;
        bool accepted;
    } candidates[] = {
        {"1, top row", 1, false},
        {"359, row 7", 359, false},
        {"360, row 8 column 0", 360, false},
        {"367, row 8 column 7", 367, false},
        {"368, row 8 column 8", 368, true},
        {"396, row 8 column 36", 396, true},
        {"397, row 8 column 37", 397, false},
        {"404, row 8 column 44", 404, false},
        {"1012, centre", 1012, true},
        {"1627, row 36 column 7", 1627, false},
        {"1628, row 36 column 8", 1628, true},
        {"1656, row 36 column 36", 1656, true},
        {"1657, row 36 column 37", 1657, false},
        {"1673, row 37 column 8", 1673, false},
        {"2024, last cell", 2024, false},
    };
    const struct {
        const char* name;
        Heading heading;
    } headings[] = {{"left", &SnakeGame::blnLeft},
                    {"right", &SnakeGame::blnRight},
                    {"up", &SnakeGame::blnUp},
                    {"down", &SnakeGame::blnDown}};
    for (const auto& c : candidates) {
        for (const auto& h : headings) {
            QTest::addRow("%s, %s", c.name, h.name) << h.heading << c.cell << c.accepted;
        }
    }
}

void TestRules::startCells() {
    QFETCH(Heading, heading);
    QFETCH(int, cell);
    QFETCH(bool, accepted);
    const int fallback = IndexOf(22, 22);
    GameRig rig;
    rig.random.PushCell(kQuietFood);
    rig.random.PushHeading(heading);
    rig.random.PushCell(cell);
    rig.random.PushCell(fallback);  // drawn only when the first is refused
    rig.game.NewGame();
    QCOMPARE(int(rig.game.intHead), accepted ? cell : fallback);
    QCOMPARE(rig.random.Left(), std::size_t{accepted ? 1U : 0U});
}

void TestRules::startCellsOverManyGames() {
    Playfield field;
    FakeControls controls;
    SeededRandom random(20261208);
    SnakeGame game(field, controls, random);
    std::set<int> rows;
    std::set<int> columns;
    for (int i = 0; i < 5000; ++i) {
        game.NewGame();
        const int head = game.intHead;
        QVERIFY2(
            RowOf(head) >= 8 && RowOf(head) <= 36 && ColumnOf(head) >= 8 && ColumnOf(head) <= 36,
            qPrintable(QString::number(head)));
        rows.insert(RowOf(head));
        columns.insert(ColumnOf(head));
        for (int piece = 0; piece < 8; ++piece) {
            QVERIFY(!IsBorderCell(game.intBody[static_cast<std::size_t>(piece)]));
        }
    }
    // Every row and column of the square is used.
    QCOMPARE(rows.size(), std::size_t{29});
    QCOMPARE(columns.size(), std::size_t{29});
}

void TestRules::snakeLaidOverFood() {
    GameRig rig;
    const int food = IndexOf(20, 17);  // under the fourth piece
    rig.Start(food, &SnakeGame::blnRight, IndexOf(20, 20));
    QCOMPARE(int(rig.game.intFood), food);
    QCOMPARE(rig.field.GetCellColor(static_cast<CellIndex>(food)), kGreen);
    QCOMPARE(CountCells(rig.field, kBlue), 0);

    // Turn back over the body: the head eats it only by entering its cell.
    rig.Key(kKeyLeft);
    rig.NextFood(kQuietFood);
    rig.Ticks(2);
    QCOMPARE(int(rig.game.intLength), 8);
    rig.Ticks(1);
    QCOMPARE(int(rig.game.intHead), food);
    QCOMPARE(int(rig.game.intLength), 9);
    QCOMPARE(int(rig.game.intFood), kQuietFood);
}

// ---------------------------------------------------------------- movement

void TestRules::straightMove() {
    GameRig rig;
    rig.Start(kQuietFood, &SnakeGame::blnRight, IndexOf(10, 20));
    QCOMPARE(Picture(rig.field, 10, 11, 1, 12), QStringList{"..oooooooo.."});
    const auto before = rig.game.intBody;

    rig.Ticks(1);
    QCOMPARE(Picture(rig.field, 10, 11, 1, 12), QStringList{"...oooooooo."});
    QCOMPARE(int(rig.game.intHead), IndexOf(10, 21));
    QCOMPARE(int(rig.game.intBody[0]), IndexOf(10, 21));
    for (std::size_t piece = 1; piece < 8; ++piece) {
        QCOMPARE(rig.game.intBody[piece], before[piece - 1]);
        QCOMPARE(rig.game.intPrevBody[piece], rig.game.intBody[piece]);
    }
    QCOMPARE(rig.game.intBody[8], std::int16_t{0});  // beyond the snake: untouched
}

void TestRules::growthMoveKeepsTail() {
    GameRig rig;
    rig.Start(IndexOf(10, 21), &SnakeGame::blnRight, IndexOf(10, 20));
    QCOMPARE(Picture(rig.field, 10, 11, 1, 12), QStringList{"..oooooooo*."});
    rig.NextFood(kQuietFood);
    rig.Ticks(1);  // eats
    QCOMPARE(int(rig.game.intLength), 9);
    QCOMPARE(Picture(rig.field, 10, 11, 1, 12), QStringList{"...oooooooo."});
    rig.Ticks(1);  // the tail stays for this move
    QCOMPARE(Picture(rig.field, 10, 11, 1, 14), QStringList{"...ooooooooo.."});
    QCOMPARE(int(rig.game.intBody[8]), IndexOf(10, 14));
    rig.Ticks(1);
    QCOMPARE(Picture(rig.field, 10, 11, 1, 14), QStringList{"....ooooooooo."});
    QCOMPARE(FieldFault(rig.field, rig.game, false), QString());
}

void TestRules::turningBackFoldsSnake() {
    GameRig rig;
    rig.Start(kQuietFood, &SnakeGame::blnRight, IndexOf(10, 20));
    rig.Key(kKeyLeft);
    rig.Ticks(1);
    QCOMPARE(int(rig.game.intHead), IndexOf(10, 19));  // onto the piece behind the head
    QCOMPARE(int(rig.game.intBody[1]), IndexOf(10, 20));
    QCOMPARE(int(rig.game.intBody[2]), IndexOf(10, 19));
    QCOMPARE(Picture(rig.field, 10, 11, 1, 12), QStringList{"...ooooooo.."});
    QCOMPARE(rig.controls.interval, kTickMilliseconds);
    QVERIFY(rig.controls.messages.empty());
}

void TestRules::foldedSnakeShowsNoGap() {
    // Back and forth over its own body, the snake's cells stay green wherever pieces
    // still lie, even where the tail leaves a cell another piece covers.
    GameRig rig;
    rig.Start(kQuietFood, &SnakeGame::blnRight, IndexOf(10, 20));
    const std::int16_t keys[] = {kKeyLeft,  kKeyLeft,  kKeyLeft, kKeyLeft, kKeyLeft, kKeyLeft,
                                 kKeyRight, kKeyRight, kKeyDown, kKeyLeft, kKeyUp,   kKeyRight,
                                 kKeyRight, kKeyLeft,  kKeyLeft, kKeyLeft};
    for (const std::int16_t key : keys) {
        rig.Key(key);
        rig.Ticks(1);
        QCOMPARE(FieldFault(rig.field, rig.game, false), QString());
    }
    QVERIFY(rig.controls.messages.empty());
}

void TestRules::headEntersCellTailLeaves() {
    // Eight pieces chasing each other round a 2 x 4 loop: every move the head enters the
    // cell the tail leaves, and all eight cells stay green.
    GameRig rig;
    rig.Start(kQuietFood, &SnakeGame::blnRight, IndexOf(10, 12));
    const std::int16_t lap[] = {kKeyDown, kKeyLeft,  kKeyLeft,  kKeyLeft,
                                kKeyUp,   kKeyRight, kKeyRight, kKeyRight};
    for (int round = 0; round < 3; ++round) {
        for (const std::int16_t key : lap) {
            rig.Key(key);
            rig.Ticks(1);
            QCOMPARE(FieldFault(rig.field, rig.game, false), QString());
        }
    }
    QCOMPARE(Picture(rig.field, 9, 8, 4, 6), (QStringList{"......", ".oooo.", ".oooo.", "......"}));
}

void TestRules::foodShowsAgainWhenTailLeaves() {
    GameRig rig;
    rig.Start(IndexOf(10, 21), &SnakeGame::blnRight, IndexOf(10, 20));
    const int tail = IndexOf(10, 14);
    rig.NextFood(tail);  // the meal's new food lands on the tail
    rig.Ticks(1);
    QCOMPARE(rig.field.GetCellColor(static_cast<CellIndex>(tail)), kBlue);
    rig.Ticks(1);  // the grown snake still covers it
    QCOMPARE(rig.field.GetCellColor(static_cast<CellIndex>(tail)), kGreen);
    rig.Ticks(1);  // the tail has left it: the food shows again
    QCOMPARE(rig.field.GetCellColor(static_cast<CellIndex>(tail)), kBlue);
    QCOMPARE(int(rig.game.intFood), tail);
    QCOMPARE(FieldFault(rig.field, rig.game, false), QString());
}

void TestRules::lastKeyInATickCounts() {
    GameRig rig;
    rig.Start(kQuietFood, &SnakeGame::blnRight, IndexOf(20, 20));
    rig.Key(kKeyUp);
    rig.Key(kKeyLeft);
    rig.Key(kKeyDown);
    rig.Ticks(1);
    QCOMPARE(int(rig.game.intHead), IndexOf(21, 20));  // one cell, the last key's way
}

// ---------------------------------------------------------------- food

void TestRules::foodRefusesOnlyWalls_data() {
    QTest::addColumn<int>("cell");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("top row") << 1 << false;
    QTest::newRow("corner top right") << 44 << false;
    QTest::newRow("left column") << 45 << false;
    QTest::newRow("right column") << 89 << false;
    QTest::newRow("corner bottom left") << 1980 << false;
    QTest::newRow("last cell") << 2024 << false;
    QTest::newRow("row 1, column 1") << 46 << true;
    QTest::newRow("row 43, column 43") << 1978 << true;
    QTest::newRow("snake's head") << int(IndexOf(20, 20)) << true;
    QTest::newRow("snake's tail") << int(IndexOf(20, 13)) << true;
    QTest::newRow("where the food already is") << int(kQuietFood) << true;
}

void TestRules::foodRefusesOnlyWalls() {
    QFETCH(int, cell);
    QFETCH(bool, accepted);
    const int fallback = IndexOf(30, 30);
    GameRig rig;
    rig.Start(kQuietFood, &SnakeGame::blnRight, IndexOf(20, 20));
    rig.NextFood(cell);
    rig.NextFood(fallback);
    rig.game.PlaceFood();
    const int placed = accepted ? cell : fallback;
    QCOMPARE(int(rig.game.intFood), placed);
    QCOMPARE(rig.field.GetCellColor(static_cast<CellIndex>(placed)), kBlue);
    QCOMPARE(CountCells(rig.field, kRed), 176);
}

void TestRules::foodReachesEveryCellButWalls() {
    Playfield field;
    FakeControls controls;
    SeededRandom random(7);
    SnakeGame game(field, controls, random);
    std::set<int> cells;
    for (int i = 0; i < 40000; ++i) {
        game.PlaceFood();
        QVERIFY(!IsBorderCell(game.intFood));
        cells.insert(game.intFood);
    }
    QCOMPARE(cells.size(), std::size_t{1849});
}

void TestRules::eatingGrows_data() {
    QTest::addColumn<int>("meals");
    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("four") << 4;
    QTest::newRow("twenty") << 20;
}

void TestRules::eatingGrows() {
    // Food laid one cell ahead, meal after meal, along row 20; then into the right wall.
    QFETCH(int, meals);
    GameRig rig;
    const int head = IndexOf(20, 8);
    rig.Start(meals > 0 ? head + 1 : kQuietFood, &SnakeGame::blnRight, head);
    for (int meal = 1; meal <= meals; ++meal) {
        rig.NextFood(meal < meals ? head + meal + 1 : kQuietFood);
        rig.Ticks(1);
        QCOMPARE(int(rig.game.intLength), 8 + meal);
        QCOMPARE(FieldFault(rig.field, rig.game, true), QString());
    }
    rig.random.PushDraw(1, 4);  // the heading drawn at game over
    rig.Ticks(44 - 8 - meals);
    QCOMPARE(rig.controls.messages, std::vector<int>{8 + meals});
}

void TestRules::foodDrawnOnHeadIsEatenOnReturn() {
    GameRig rig;
    const int food = IndexOf(20, 21);
    rig.Start(food, &SnakeGame::blnRight, IndexOf(20, 20));
    rig.NextFood(food);  // the new food falls where the head stands
    rig.Ticks(1);
    QCOMPARE(int(rig.game.intLength), 9);
    QCOMPARE(int(rig.game.intFood), food);
    QCOMPARE(rig.field.GetCellColor(static_cast<CellIndex>(food)), kBlue);
    rig.Ticks(1);  // not eaten again while the head moves on
    QCOMPARE(int(rig.game.intLength), 9);
    QCOMPARE(rig.field.GetCellColor(static_cast<CellIndex>(food)), kGreen);
    rig.Key(kKeyLeft);
    rig.NextFood(kQuietFood);
    rig.Ticks(1);  // back onto it
    QCOMPARE(int(rig.game.intHead), food);
    QCOMPARE(int(rig.game.intLength), 10);
}

void TestRules::oldBodyEntriesDoNotLeak_data() {
    // Entries past the snake's length hold what an earlier, longer game left, or zero in
    // a window that never had a snake that long. The move after a meal must not show them.
    QTest::addColumn<int>("leftover");
    QTest::newRow("never written: cell 0") << -1;
    QTest::newRow("today's new food") << int(IndexOf(30, 30));
    QTest::newRow("today's snake") << int(IndexOf(20, 17));
    QTest::newRow("an empty cell") << int(IndexOf(5, 5));
    QTest::newRow("a wall cell") << int(IndexOf(0, 20));
}

void TestRules::oldBodyEntriesDoNotLeak() {
    QFETCH(int, leftover);
    GameRig rig;
    if (leftover >= 0) {
        for (std::size_t entry = 8; entry < 12; ++entry) {
            rig.game.intBody[entry] = static_cast<std::int16_t>(leftover);
            rig.game.intPrevBody[entry] = static_cast<std::int16_t>(leftover);
        }
    }
    rig.Start(IndexOf(20, 21), &SnakeGame::blnRight, IndexOf(20, 20));
    rig.NextFood(IndexOf(30, 30));
    rig.Ticks(1);  // eats
    QCOMPARE(FieldFault(rig.field, rig.game, true), QString());
    for (int move = 0; move < 3; ++move) {
        rig.Ticks(1);
        QCOMPARE(FieldFault(rig.field, rig.game, false), QString());
        QCOMPARE(CountCells(rig.field, kRed), 176);
        QCOMPARE(rig.field.GetCellColor(IndexOf(30, 30)), kBlue);
    }
}

void TestRules::oldBodyEntriesOfLongerGameDoNotLeak() {
    // A first game grows to 12 along row 20 and dies at the right wall: body entries 8 to 11
    // keep columns 36 to 33. The second game's snake lies over them, eating three times in a
    // row, so each move after a meal reaches one entry further.
    GameRig rig;
    rig.Start(IndexOf(20, 9), &SnakeGame::blnRight, IndexOf(20, 8));
    for (int column = 10; column <= 13; ++column) {
        rig.NextFood(column < 13 ? IndexOf(20, column) : kQuietFood);
        rig.Ticks(1);
    }
    QCOMPARE(int(rig.game.intLength), 12);
    rig.random.PushDraw(1, 4);
    rig.Ticks(32);
    QCOMPARE(rig.controls.messages.size(), std::size_t{1});
    QCOMPARE(int(rig.game.intBody[10]), IndexOf(20, 34));

    rig.Start(IndexOf(20, 29), &SnakeGame::blnLeft, IndexOf(20, 30));
    for (const int food : {IndexOf(20, 28), IndexOf(20, 27), IndexOf(30, 30)}) {
        rig.NextFood(food);
        rig.Ticks(1);
        QCOMPARE(FieldFault(rig.field, rig.game, true), QString());
    }
    QCOMPARE(int(rig.game.intLength), 11);
    for (int move = 0; move < 4; ++move) {
        rig.Ticks(1);
        QCOMPARE(FieldFault(rig.field, rig.game, false), QString());
    }
}

void TestRules::growthStopsAtFullArrays() {
    // The snake shuttles between two cells, eating at each: food is always drawn where
    // the head goes next. It fills the body arrays on tick kMaxLength - 9 and eats on: the
    // next food is drawn on every tick after that too.
    GameRig rig;
    const int a = IndexOf(20, 20);
    const int b = IndexOf(20, 21);
    rig.Start(b, &SnakeGame::blnRight, a);
    for (int tick = 0; tick < kMaxLength; ++tick) {
        const bool toB = tick % 2 == 0;
        rig.Key(toB ? kKeyRight : kKeyLeft);
        rig.NextFood(toB ? a : b);
        rig.Ticks(1);
        QCOMPARE(int(rig.game.intLength), std::min(9 + tick, int(kMaxLength)));
        QCOMPARE(int(rig.game.intFood), toB ? a : b);
    }
    QCOMPARE(rig.controls.interval, kTickMilliseconds);
    QVERIFY(rig.controls.messages.empty());
    QCOMPARE(rig.random.Overdrawn(), 0);
    QCOMPARE(FieldFault(rig.field, rig.game, true), QString());

    // And on to the wall: the full-length snake dies like any other.
    rig.Key(kKeyDown);
    rig.random.PushDraw(1, 4);
    rig.Ticks(24);
    QCOMPARE(rig.controls.messages, std::vector<int>{kMaxLength});
    QVERIFY(IsResetPattern(rig.field));
}

// ---------------------------------------------------------------- walls and game over

void TestRules::wallEndsGame_data() {
    QTest::addColumn<Heading>("heading");
    QTest::addColumn<int>("head");
    QTest::addColumn<int>("ticks");
    for (const int line : {8, 20, 36}) {
        QTest::addRow("top, column %d", line) << &SnakeGame::blnUp << int(IndexOf(8, line)) << 8;
        QTest::addRow("bottom, column %d", line)
            << &SnakeGame::blnDown << int(IndexOf(36, line)) << 8;
        QTest::addRow("left, row %d", line) << &SnakeGame::blnLeft << int(IndexOf(line, 8)) << 8;
        QTest::addRow("right, row %d", line) << &SnakeGame::blnRight << int(IndexOf(line, 36)) << 8;
    }
    QTest::newRow("left from the far side") << &SnakeGame::blnLeft << int(IndexOf(20, 36)) << 36;
    QTest::newRow("down from the top") << &SnakeGame::blnDown << int(IndexOf(8, 20)) << 36;
}

void TestRules::wallEndsGame() {
    QFETCH(Heading, heading);
    QFETCH(int, head);
    QFETCH(int, ticks);
    GameRig rig;
    rig.Start(kQuietFood, heading, head);
    rig.Ticks(ticks - 1);
    QVERIFY(rig.controls.messages.empty());
    QVERIFY(!IsBorderCell(rig.game.intHead));

    rig.random.PushDraw(3, 4);
    rig.Ticks(1);
    QVERIFY(IsBorderCell(rig.game.intHead));
    QCOMPARE(rig.controls.messages, std::vector<int>{8});
}

void TestRules::cellsBesideWallAreSafe() {
    // A lap along rows 1 and 43 and columns 1 and 43, then out through the top.
    GameRig rig;
    rig.Start(kQuietFood, &SnakeGame::blnUp, IndexOf(8, 22));
    rig.Ticks(7);
    const struct {
        std::int16_t key;
        int ticks;
    } legs[] = {{kKeyRight, 21}, {kKeyDown, 42}, {kKeyLeft, 42}, {kKeyUp, 42}, {kKeyRight, 20}};
    for (const auto& leg : legs) {
        rig.Key(leg.key);
        rig.Ticks(leg.ticks);
        QVERIFY(rig.controls.messages.empty());
        QCOMPARE(FieldFault(rig.field, rig.game, false), QString());
    }
    QCOMPARE(int(rig.game.intHead), IndexOf(1, 21));
    rig.Key(kKeyUp);
    rig.random.PushDraw(1, 4);
    rig.Ticks(1);
    QCOMPARE(rig.controls.messages.size(), std::size_t{1});
}

void TestRules::gameOverLeavesIdleField() {
    GameRig rig;
    rig.Start(kQuietFood, &SnakeGame::blnLeft, IndexOf(20, 8));
    rig.random.PushDraw(3, 4);
    rig.controls.whileMessageShown = [&] {
        // The tick is stopped before the player is asked; the dead snake is still shown.
        QCOMPARE(rig.controls.interval, 0);
        QVERIFY(!rig.controls.startVisible);
        QCOMPARE(rig.field.GetCellColor(IndexOf(20, 0)), kGreen);
    };
    rig.Ticks(8);
    QCOMPARE(rig.controls.messages.size(), std::size_t{1});
    QCOMPARE(rig.controls.interval, 0);
    QVERIFY(rig.controls.startVisible);
    QVERIFY(IsResetPattern(rig.field));
    QCOMPARE(rig.game.blnUp, kTrue);  // a fresh heading was drawn
    QCOMPARE(Heads(rig.game), 1);
    QCOMPARE(rig.random.Left(), std::size_t{0});
    // The tick that ended the game ran its food check on the reset field; nothing more.
    QCOMPARE(rig.random.Overdrawn(), 0);
}

void TestRules::secondGameAfterFirst() {
    GameRig rig;
    rig.Start(kQuietFood, &SnakeGame::blnLeft, IndexOf(20, 8));
    rig.random.PushDraw(1, 4);
    rig.Ticks(8);
    QCOMPARE(rig.controls.messages.size(), std::size_t{1});

    rig.Start(IndexOf(30, 30), &SnakeGame::blnDown, IndexOf(10, 30));
    QVERIFY(!rig.controls.startVisible);
    QCOMPARE(rig.controls.interval, kTickMilliseconds);
    QCOMPARE(FieldFault(rig.field, rig.game, false), QString());
    rig.NextFood(kQuietFood);
    rig.Ticks(20);  // eats at row 30
    QCOMPARE(int(rig.game.intLength), 9);
    QCOMPARE(FieldFault(rig.field, rig.game, false), QString());
    rig.random.PushDraw(1, 4);
    rig.Ticks(14);
    QCOMPARE(rig.controls.messages.size(), std::size_t{2});
    QCOMPARE(rig.controls.messages.back(), 9);
}

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
