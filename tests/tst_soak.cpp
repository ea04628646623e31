// A long run of the rules: game after game with random keys, every tick checked.
#include <QTest>

#include "support/gamefixture.h"

using namespace snake;
using namespace snake::testing;

namespace {

// Ticks to run; a sanitizer build may ask for fewer through the environment.
long SoakTicks() {
    const QByteArray wanted = qgetenv("SNAKE_SOAK_TICKS");
    bool ok = false;
    const long ticks = wanted.toLong(&ok);
    return ok && ticks > 0 ? ticks : 1'000'000;
}

}  // namespace

class TestSoak : public QObject {
    Q_OBJECT

  private slots:
    void randomKeysOverManyGames();
};

void TestSoak::randomKeysOverManyGames() {
    Playfield field;
    FakeControls controls;
    SeededRandom random(0x5AA5);
    SnakeGame game(field, controls, random);
    std::mt19937 player(42);

    std::vector<CellIndex> ring;
    for (int i = 0; i < kCellCount; ++i) {
        if (IsBorderCell(i)) {
            ring.push_back(static_cast<CellIndex>(i));
        }
    }
    const long ticks = SoakTicks();
    long games = 0;
    long longestGame = 0;
    int longestSnake = 0;
    int meals = 0;
    long gameTicks = 0;
    game.cmdStart_Click();
    for (long tick = 0; tick < ticks; ++tick) {
        // Mostly straight on, sometimes a turn, a burst of keys, or a key that is no arrow;
        // the length of a straight run decides how far games get.
        const unsigned roll = player() % 100;
        if (roll < 12) {
            game.Form_KeyDown(static_cast<std::int16_t>(kKeyLeft + player() % 4), 0);
        } else if (roll < 14) {
            for (int burst = 0; burst < 3; ++burst) {
                game.Form_KeyDown(static_cast<std::int16_t>(kKeyLeft + player() % 4), 0);
            }
        } else if (roll < 15) {
            game.Form_KeyDown(static_cast<std::int16_t>(player() % 128), 0);
        }

        const int foodBefore = game.intFood;
        const std::size_t messagesBefore = controls.messages.size();
        game.tmrMain_Timer();
        ++gameTicks;

        if (controls.messages.size() != messagesBefore) {
            // Game over: one message with the right length, the field idle, a new game.
            QCOMPARE(controls.messages.size(), messagesBefore + 1);
            QCOMPARE(controls.messages.back(), 8 + meals);
            QCOMPARE(controls.interval, 0);
            QVERIFY(controls.startVisible);
            QVERIFY(IsResetPattern(field));
            ++games;
            longestGame = std::max(longestGame, gameTicks);
            longestSnake = std::max(longestSnake, int(game.intLength));
            meals = 0;
            gameTicks = 0;
            game.cmdStart_Click();
            continue;
        }

        const bool ate = game.intHead == foodBefore;
        meals += ate ? 1 : 0;
        QVERIFY(IsOnField(game.intHead) && !IsBorderCell(game.intHead));
        QCOMPARE(int(game.intLength), std::min(8 + meals, int(kMaxLength)));
        QCOMPARE(controls.interval, kTickMilliseconds);
        // The whole field now and then; the cells a tick touches on every tick.
        if (tick % 512 == 0) {
            const QString fault = FieldFault(field, game, ate);
            QVERIFY2(fault.isEmpty(),
                     qPrintable(QStringLiteral("tick %1: %2").arg(tick).arg(fault)));
        } else {
            for (int piece = 0; piece < game.intLength; ++piece) {
                const CellIndex cell = game.intBody[static_cast<std::size_t>(piece)];
                QVERIFY(IsOnField(cell) && !IsBorderCell(cell));
                const CellColor shown = field.GetCellColor(cell);
                QVERIFY(shown == kGreen || (ate && cell == game.intFood && shown == kBlue));
            }
            QVERIFY(!IsBorderCell(game.intFood));
            QVERIFY(field.GetCellColor(game.intFood) != kWhite);
        }
        for (const CellIndex cell : ring) {
            QCOMPARE(field.GetCellColor(cell), kRed);
        }
    }
    QCOMPARE(CountCells(field, kRed), 176);
    qInfo("%ld ticks, %ld games, longest %ld ticks, longest snake %d pieces", ticks, games,
          longestGame, longestSnake);
    QVERIFY(games > 100);
}

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"
