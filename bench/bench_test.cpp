// What the reported figures rest on: the arithmetic, the /proc reading, and the scripted game
// the rules benchmarks time.
#include <QTest>

#include "benchgame.h"
#include "benchsupport.h"

using snake::bench::AnalyseTicks;
using snake::bench::Median;
using snake::bench::ParseProcStat;
using snake::bench::ParseVmRssKb;
using snake::bench::Percentile;
using snake::bench::ScriptedRandom;
using snake::bench::ShuttleGame;

class BenchTest : public QObject {
    Q_OBJECT

  private slots:
    void parsesProcStat_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qlonglong>("utime");
        QTest::addColumn<qlonglong>("stime");
        QTest::addColumn<qlonglong>("starttime");

        // Fields 3..22 after the name: utime is the 12th of them, stime the 13th, starttime the
        // 20th.
        const QString tail =
            QStringLiteral("S 1 2 3 4 5 6 7 8 9 10 111 222 13 14 15 16 17 18 9999 20 21\n");
        QTest::newRow("plain name")
            << QStringLiteral("4242 (velmors-snake) ") + tail << true << 111LL << 222LL << 9999LL;
        QTest::newRow("name with spaces and parentheses")
            << QStringLiteral("7 (a) b (c)) ") + tail << true << 111LL << 222LL << 9999LL;
        QTest::newRow("cut short") << QStringLiteral("7 (x) S 1 2 3") << false << 0LL << 0LL << 0LL;
        QTest::newRow("no name") << QStringLiteral("") << false << 0LL << 0LL << 0LL;
    }
    void parsesProcStat() {
        QFETCH(QString, line);
        QFETCH(bool, ok);
        QFETCH(qlonglong, utime);
        QFETCH(qlonglong, stime);
        QFETCH(qlonglong, starttime);
        const auto stat = ParseProcStat(line.toStdString());
        QCOMPARE(stat.has_value(), ok);
        if (ok) {
            QCOMPARE(stat->utime, utime);
            QCOMPARE(stat->stime, stime);
            QCOMPARE(stat->starttime, starttime);
        }
    }

    void parsesVmRss_data() {
        QTest::addColumn<QString>("status");
        QTest::addColumn<qlonglong>("kb");  // -1: none

        QTest::newRow("among other lines")
            << QStringLiteral(
                   "Name:\tx\nVmHWM:\t  50000 kB\nVmRSS:\t   41236 kB\nRssAnon:\t 1 kB\n")
            << 41236LL;
        QTest::newRow("key only inside another line")
            << QStringLiteral("Name:\tVmRSS: 5 kB\nVmRSS:\t7 kB\n") << 7LL;
        QTest::newRow("kernel thread, no VmRSS") << QStringLiteral("Name:\tkthreadd\n") << -1LL;
    }
    void parsesVmRss() {
        QFETCH(QString, status);
        QFETCH(qlonglong, kb);
        QCOMPARE(ParseVmRssKb(status.toStdString()).value_or(-1), kb);
    }

    void ranksValues_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("median");
        QTest::addColumn<double>("p99");

        QTest::newRow("none") << QList<double>{} << 0.0 << 0.0;
        QTest::newRow("one") << QList<double>{5} << 5.0 << 5.0;
        QTest::newRow("odd count, unsorted") << QList<double>{9, 1, 5} << 5.0 << 9.0;
        QTest::newRow("even count") << QList<double>{4, 1, 3, 2} << 2.5 << 4.0;
        QList<double> hundred;
        for (int i = 100; i >= 1; --i) {
            hundred.append(i);
        }
        QTest::newRow("1 to 100: p99 is the 99th") << hundred << 50.5 << 99.0;
        hundred.append(101);
        QTest::newRow("1 to 101: p99 is the 100th") << hundred << 51.0 << 100.0;
    }
    void ranksValues() {
        QFETCH(QList<double>, values);
        QFETCH(double, median);
        QFETCH(double, p99);
        const std::vector<double> v(values.begin(), values.end());
        QCOMPARE(Median(v), median);
        QCOMPARE(Percentile(v, 99), p99);
    }

    void analysesTicks_data() {
        QTest::addColumn<QList<double>>("timesMs");
        QTest::addColumn<int>("intervals");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("p99Late");
        QTest::addColumn<int>("lateOver10");
        QTest::addColumn<int>("early");
        QTest::addColumn<int>("earlyAfterLate");

        QTest::newRow("one time: no interval")
            << QList<double>{0} << 0 << 0.0 << 0.0 << 0.0 << 0 << 0 << 0;
        QTest::newRow("on time") << QList<double>{0, 100, 200, 300} << 3 << 100.0 << 100.0 << 0.0
                                 << 0 << 0 << 0;
        // A tick 12 ms late, and the next one back on the schedule: 112 then 88 ms.
        QTest::newRow("late, then catching up")
            << QList<double>{0, 100, 212, 300} << 3 << 100.0 << 88.0 << 12.0 << 1 << 1 << 1;
        // An early tick out of the blue is not a catch-up.
        QTest::newRow("early on its own")
            << QList<double>{0, 100, 190, 290} << 3 << (290.0 / 3) << 90.0 << 0.0 << 0 << 1 << 0;
        QTest::newRow("steadily slow")
            << QList<double>{0, 103, 206} << 2 << 103.0 << 103.0 << 3.0 << 0 << 0 << 0;
    }
    void analysesTicks() {
        QFETCH(QList<double>, timesMs);
        QFETCH(int, intervals);
        QFETCH(double, mean);
        QFETCH(double, min);
        QFETCH(double, p99Late);
        QFETCH(int, lateOver10);
        QFETCH(int, early);
        QFETCH(int, earlyAfterLate);
        std::vector<std::int64_t> times;
        for (double ms : timesMs) {
            times.push_back(static_cast<std::int64_t>(ms * 1e6) + 5'000'000'000);
        }
        const auto stats = AnalyseTicks(times, 100);
        QCOMPARE(stats.intervals, intervals);
        QCOMPARE(stats.meanMs, mean);
        QCOMPARE(stats.minMs, min);
        QCOMPARE(stats.p99LatenessMs, p99Late);
        QCOMPARE(stats.lateOver10Ms, lateOver10);
        QCOMPARE(stats.early, early);
        QCOMPARE(stats.earlyAfterLate, earlyAfterLate);
        QCOMPARE(stats.intervalsMs.size(), static_cast<std::size_t>(intervals));
    }

    // The script must hit exactly the draw it aims at, at both ends and in the middle.
    void scriptedValueGivesTheDraw_data() {
        QTest::addColumn<int>("draw");
        QTest::addColumn<int>("n");

        QTest::newRow("first of 4") << 1 << 4;
        QTest::newRow("last of 4") << 4 << 4;
        QTest::newRow("first cell") << 1 << int{snake::kLastCell};
        QTest::newRow("middle cell") << int{ShuttleGame::kWest} << int{snake::kLastCell};
        QTest::newRow("last cell") << int{snake::kLastCell} << int{snake::kLastCell};
    }
    void scriptedValueGivesTheDraw() {
        QFETCH(int, draw);
        QFETCH(int, n);
        ScriptedRandom random(0.0F);
        random.Push(ScriptedRandom::ValueFor(draw, n));
        QCOMPARE(snake::RandomDraw(random, static_cast<std::int16_t>(n)), draw);
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
        QCOMPARE(shuttle.controls.messages, 0);
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
