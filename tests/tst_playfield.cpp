// The field's model: the reset pattern, colours read back as written, change notices.
#include <QTest>

#include "playfield/playfield.h"
#include "support/gamefixture.h"

using namespace snake;
using snake::testing::CountCells;
using snake::testing::IsResetPattern;

namespace {
class RecordingObserver final : public PlayfieldObserver {
  public:
    void CellChanged(CellIndex index) override { cells.push_back(index); }
    void FieldChanged() override { ++fieldChanges; }
    std::vector<CellIndex> cells;
    int fieldChanges = 0;
};
}  // namespace

class TestPlayfield : public QObject {
    Q_OBJECT

  private slots:
    void resetPattern_data();
    void resetPattern();
    void resetClearsAnyGame();
    void colorsReadBackUnchanged_data();
    void colorsReadBackUnchanged();
    void outOfFieldIndexes_data();
    void outOfFieldIndexes();
    void observerHearsOnlyChanges();
};

void TestPlayfield::resetPattern_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<uint>("color");
    QTest::newRow("corner top left") << 0 << uint(kRed);
    QTest::newRow("top row") << 1 << uint(kRed);
    QTest::newRow("corner top right") << 44 << uint(kRed);
    QTest::newRow("row 1, column 0") << 45 << uint(kRed);
    QTest::newRow("row 1, column 1") << 46 << uint(kWhite);
    QTest::newRow("row 1, column 43") << 88 << uint(kWhite);
    QTest::newRow("row 1, column 44") << 89 << uint(kRed);
    QTest::newRow("row 2, column 0") << 90 << uint(kRed);
    QTest::newRow("centre") << 1012 << uint(kWhite);
    QTest::newRow("row 42, column 44") << 1934 << uint(kRed);
    QTest::newRow("row 43, column 0") << 1935 << uint(kRed);
    QTest::newRow("row 43, column 43") << 1978 << uint(kWhite);
    QTest::newRow("row 43, column 44") << 1979 << uint(kRed);
    QTest::newRow("corner bottom left") << 1980 << uint(kRed);
    QTest::newRow("bottom row") << 2000 << uint(kRed);
    QTest::newRow("corner bottom right") << 2024 << uint(kRed);
}

void TestPlayfield::resetPattern() {
    QFETCH(int, index);
    QFETCH(uint, color);
    Playfield field;  // a new field already shows the pattern
    QCOMPARE(field.GetCellColor(static_cast<CellIndex>(index)), color);
    field.SetCellColor(static_cast<CellIndex>(index), kGreen);
    field.ResetGrid();
    QCOMPARE(field.GetCellColor(static_cast<CellIndex>(index)), color);
    QCOMPARE(CountCells(field, kRed), 176);
    QCOMPARE(CountCells(field, kWhite), 1849);
}

void TestPlayfield::resetClearsAnyGame() {
    Playfield field;
    // A game's leftovers anywhere, the ring included.
    for (int i = 0; i < kCellCount; i += 7) {
        field.SetCellColor(static_cast<CellIndex>(i), i % 2 == 0 ? kGreen : kBlue);
    }
    QVERIFY(!IsResetPattern(field));
    field.ResetGrid();
    QVERIFY(IsResetPattern(field));
}

void TestPlayfield::colorsReadBackUnchanged_data() {
    QTest::addColumn<uint>("color");
    QTest::newRow("white") << uint(kWhite);
    QTest::newRow("red") << uint(kRed);
    QTest::newRow("green") << uint(kGreen);
    QTest::newRow("blue") << uint(kBlue);
}

void TestPlayfield::colorsReadBackUnchanged() {
    QFETCH(uint, color);
    Playfield field;
    for (const int index : {0, 46, 1012, 2024}) {
        field.SetCellColor(static_cast<CellIndex>(index), color);
        QCOMPARE(field.GetCellColor(static_cast<CellIndex>(index)), color);
    }
    // Other cells keep theirs.
    QCOMPARE(field.GetCellColor(47), kWhite);
    QCOMPARE(field.GetCellColor(1), kRed);
}

void TestPlayfield::outOfFieldIndexes_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("2025") << 2025;
    QTest::newRow("lowest") << -32768;
    QTest::newRow("highest") << 32767;
}

void TestPlayfield::outOfFieldIndexes() {
    QFETCH(int, index);
    Playfield field;
    field.SetCellColor(static_cast<CellIndex>(index), kGreen);  // ignored
    QVERIFY(IsResetPattern(field));
    QCOMPARE(field.GetCellColor(static_cast<CellIndex>(index)), kRed);  // reads as wall
}

void TestPlayfield::observerHearsOnlyChanges() {
    Playfield field;
    RecordingObserver observer;
    field.SetObserver(&observer);
    field.SetCellColor(100, kGreen);
    field.SetCellColor(100, kGreen);  // no change
    field.SetCellColor(101, kWhite);  // already white
    field.SetCellColor(0, kGreen);
    QCOMPARE(observer.cells, (std::vector<CellIndex>{100, 0}));
    field.ResetGrid();
    QCOMPARE(observer.fieldChanges, 1);
    QCOMPARE(observer.cells.size(), std::size_t{2});  // the reset is one notice, not 2025
    field.SetObserver(nullptr);
    field.SetCellColor(100, kBlue);
    QCOMPARE(observer.cells.size(), std::size_t{2});
}

QTEST_GUILESS_MAIN(TestPlayfield)
#include "tst_playfield.moc"
