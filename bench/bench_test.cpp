// What the reported figures rest on: the percentile and the game
// the rules benchmarks time.
#include <QTest>

#include "benchgame.h"
#include "benchsupport.h"

using snake::bench::Percentile;
using snake::bench::ShuttleGame;

class BenchTest : public QObject {
    Q_OBJECT

  private slots:
    void ranksValues_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("p99");

        QTest::newRow("none") << QList<double>{} << 0.0;
        QTest::newRow("one") << QList<double>{5} << 5.0;
        QTest::newRow("unsorted") << QList<double>{9, 1, 5} << 9.0;
        QList<double> hundred;
        for (int i = 100; i >= 1; --i) {
            hundred.append(i);
        }
        QTest::newRow("1 to 100: p99 is the 99th") << hundred << 99.0;
        hundred.append(101);
        QTest::newRow("1 to 101: p99 is the 100th") << hundred << 100.0;
    }
    void ranksValues() {
        QFETCH(QList<double>, values);
        QFETCH(double, p99);
        QCOMPARE(Percentile(std::vector<double>(values.begin(), values.end()), 99), p99);
    }

    // The timed snake has the length asked for, and turning back every tick keeps it alive
    // on its two cells with the food out of its way.
    void shuttleGameGrowsAndLives_data() {
        QTest::addColumn<int>("length");

        QTest::newRow("start length") << int{snake::kStartLength};
        QTest::newRow("one meal") << snake::kStartLength + 1;
        QTest::newRow("200") << 200;
        QTest::newRow("longest") << int{snake::kMaxLength};
    }
    void shuttleGameGrowsAndLives() {
        QFETCH(int, length);
        ShuttleGame shuttle(length);
        for (int tick = 0; tick < 3000; ++tick) {
            shuttle.TurnAndTick();
        }
        QCOMPARE(int{shuttle.game.intLength}, length);
        QVERIFY(shuttle.controls.messages.empty());
        QVERIFY(shuttle.game.intHead == ShuttleGame::kWest ||
                shuttle.game.intHead == ShuttleGame::kEast);
        QCOMPARE(shuttle.game.intFood, ShuttleGame::kFarFood);
        QCOMPARE(shuttle.field.GetCellColor(ShuttleGame::kFarFood), snake::kBlue);
        QCOMPARE(shuttle.field.GetCellColor(ShuttleGame::kWest), snake::kGreen);
        QCOMPARE(shuttle.field.GetCellColor(ShuttleGame::kEast), snake::kGreen);
    }
};

QTEST_APPLESS_MAIN(BenchTest)
#include "bench_test.moc"
