// The window as a player meets it: pixels from a grab, keys and clicks through the
// window's own event path, the real timer and the real message box.
#include <libintl.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "app/frmsnake.h"
#include "app/platform.h"
#include "app/tickschedule.h"
#include "app/translations.h"
#include "playfield/fieldpainter.h"
#include "support/gamefixture.h"

using namespace snake;
using namespace snake::testing;

Q_DECLARE_METATYPE(Qt::Key)

namespace {

// The field's pixels from the window system's copy of the window, as the player sees it.
QImage Grab(QWidget& window) {
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The colour a pixel of the client area should have for the field's state.
QRgb ExpectedPixel(const Playfield& field, int x, int y) {
    const int last = kGridOrigin + kCellPitch * kColumns;  // 368: the grid's last line
    if (x <= kGridOrigin || y <= kGridOrigin || x >= last || y >= last) {
        return qRgb(0, 0, 0);  // the frame, over the outer cells' outline
    }
    if ((x - kGridOrigin) % kCellPitch == 0 || (y - kGridOrigin) % kCellPitch == 0) {
        return qRgb(0, 0, 0);  // a grid line
    }
    const int column = (x - kGridOrigin - 1) / kCellPitch;
    const int row = (y - kGridOrigin - 1) / kCellPitch;
    return ToQColor(field.GetCellColor(IndexOf(row, column))).rgb();
}

// The first pixel that differs from the field's state, outside `skip`; empty when none.
QString PixelFault(const QImage& image, const Playfield& field, const QRect& skip) {
    if (image.size() != QSize(kClientSize, kClientSize)) {
        return QStringLiteral("image is %1 x %2").arg(image.width()).arg(image.height());
    }
    for (int y = 0; y < kClientSize; ++y) {
        for (int x = 0; x < kClientSize; ++x) {
            if (skip.contains(x, y)) {
                continue;
            }
            const QRgb want = ExpectedPixel(field, x, y);
            const QRgb got = image.pixel(x, y) | 0xFF000000U;
            if (got != want) {
                return QStringLiteral("pixel %1,%2 is #%3, expected #%4")
                    .arg(x)
                    .arg(y)
                    .arg(got & 0xFFFFFFU, 6, 16, QLatin1Char('0'))
                    .arg(want & 0xFFFFFFU, 6, 16, QLatin1Char('0'));
            }
        }
    }
    return {};
}

QMessageBox* ShownMessage() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

int ShownMessages() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += qobject_cast<QMessageBox*>(widget) != nullptr && widget->isVisible() ? 1 : 0;
    }
    return count;
}

// Runs `action` once the game-over message is up. The message waits in an event loop of
// its own inside the tick, so the test acts from a timer rather than after a wait. Should
// `action` leave the message up (a check failed, or a key did not dismiss it), it is closed
// here and `leftUp` is set, so the test fails rather than hangs.
void WhenMessageShown(QWidget* window, bool& leftUp, std::function<void(QMessageBox*)> action) {
    auto* poll = new QTimer(window);
    QObject::connect(poll, &QTimer::timeout, window, [poll, &leftUp, action = std::move(action)] {
        if (QMessageBox* box = ShownMessage(); box != nullptr) {
            poll->stop();
            poll->deleteLater();
            action(box);
            if (box->isVisible()) {
                leftUp = true;
                box->done(QMessageBox::Ok);
            }
        }
    });
    poll->start(5);
}

// Collects the regions the window paints.
class PaintSpy final : public QObject {
  public:
    explicit PaintSpy(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

// A window with its draws scripted, shown and active.
struct WindowRig {
    ScriptedRandom random;
    frmSnake window{random};
    bool messageLeftUp = false;  // a message the test had to close itself

    bool Show() {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }
    const SnakeGame& game() const { return window.game(); }
    QWindow* handle() { return window.windowHandle(); }
    void Script(int food, Heading heading, int head) {
        random.PushCell(food);
        random.PushHeading(heading);
        random.PushCell(head);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(handle(), key, modifiers);
    }
    void WhenMessageShown(std::function<void(QMessageBox*)> action) {
        ::WhenMessageShown(&window, messageLeftUp, std::move(action));
    }
    void ClickStart() {
        QTest::mouseClick(handle(), Qt::LeftButton, Qt::NoModifier, kStartButtonRect.center());
    }
};

constexpr Heading kHeadings[] = {&SnakeGame::blnLeft, &SnakeGame::blnRight, &SnakeGame::blnUp,
                                 &SnakeGame::blnDown};

}  // namespace

class TestWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup();
    void titleAndSize();
    void fieldPixelsAtStart();
    void fieldPixelsInPlay_data();
    void fieldPixelsInPlay();
    void startButtonStandsWhereItShould();
    void arrowsReachGameWhateverHasFocus_data();
    void arrowsReachGameWhateverHasFocus();
    void otherKeysChangeNothing_data();
    void otherKeysChangeNothing();
    void startFromMouseAndKeyboard_data();
    void startFromMouseAndKeyboard();
    void tickTimer();
    void tickSchedule_data();
    void tickSchedule();
    void heldKeyDoesNotStartGame_data();
    void heldKeyDoesNotStartGame();
    void tickRepaintsOnlyChangedCells();
    void gameOverMessage_data();
    void gameOverMessage();
    void closeWhileMessageShown();
    void closeMidGame();
    void everyLanguage_data();
    void everyLanguage();
    void nearestLanguage_data();
    void nearestLanguage();
    void platformChoice_data();
    void platformChoice();

  private:
    Translations translations;  // English unless a test installs another language
};

// What the forms of one text do not share before and after: the words that change with the
// number, by the number.
QMap<int, QString> Changes(const QMap<int, QString>& forms) {
    const QString first = forms.isEmpty() ? QString() : forms.first();
    qsizetype head = first.size();
    qsizetype shortest = first.size();
    for (const QString& form : forms) {
        head =
            std::mismatch(first.begin(), first.begin() + std::min(head, form.size()), form.begin())
                .first -
            first.begin();
        shortest = std::min(shortest, form.size());
    }
    qsizetype tail = shortest - head;
    for (const QString& form : forms) {
        tail = std::mismatch(first.rbegin(), first.rbegin() + tail, form.rbegin()).first -
               first.rbegin();
    }
    QMap<int, QString> changes;
    for (auto [n, form] : forms.asKeyValueRange()) {
        changes[n] = form.mid(head, form.size() - head - tail);
    }
    return changes;
}

// The player's languages as LANGUAGE lists them: "en_GB:de".
QStringList Languages(const QString& list) {
    return list.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

void TestWindow::initTestCase() {
    QApplication::setApplicationDisplayName(QStringLiteral("Velmor's Snake"));
    // gettext, for its reading of the translations: each language's file in a folder of its
    // own domain, velmors-snake-<language>, found through LANGUAGE (tests/CMakeLists.txt).
    // gettext ignores LANGUAGE in the C locales, and glibc 2.41 counts C.UTF-8 among them: the
    // messages are read in a copy of C.UTF-8 by another name.
    if (SNAKE_GETTEXT_READS) {  // where the build found C.UTF-8 to copy
        qputenv("LOCPATH", SNAKE_MO_DIR "/locales");
        QVERIFY(std::setlocale(LC_MESSAGES, "xx_XX.UTF-8"));
        qunsetenv("LOCPATH");
        qputenv("LANGUAGE", "all");
    }
}

void TestWindow::cleanup() {
    translations.Install({});
}

void TestWindow::titleAndSize() {
    WindowRig rig;
    QVERIFY(rig.Show());
    QCOMPARE(rig.window.windowTitle(), QStringLiteral("Velmor's Snake"));
    QCOMPARE(rig.window.size(), QSize(377, 377));
    QCOMPARE(rig.window.minimumSize(), rig.window.maximumSize());
}

void TestWindow::fieldPixelsAtStart() {
    WindowRig rig;
    QVERIFY(rig.Show());
    QVERIFY(IsResetPattern(rig.window.field()));
    const QImage image = Grab(rig.window);
    QCOMPARE(PixelFault(image, rig.window.field(), kStartButtonRect), QString());
    // The corner cells, where a player sees them.
    const struct {
        int x;
        int y;
    } corners[] = {{12, 12}, {364, 12}, {12, 364}, {364, 364}};
    for (const auto& corner : corners) {
        QCOMPARE(QColor(image.pixel(corner.x, corner.y)), QColor(Qt::red));
    }
    QCOMPARE(QColor(image.pixel(20, 20)), QColor(Qt::white));
}

void TestWindow::fieldPixelsInPlay_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    QTest::newRow("Arabic, right to left") << QStringLiteral("ar");
}

void TestWindow::fieldPixelsInPlay() {
    // The field is never mirrored, and the arrows keep their meaning, in every language.
    QFETCH(QString, language);
    QCOMPARE(translations.Install(Languages(language)), language);
    QCOMPARE(QGuiApplication::isRightToLeft(), !language.isEmpty());
    WindowRig rig;
    QVERIFY(rig.Show());
    rig.Script(IndexOf(20, 30), &SnakeGame::blnRight, IndexOf(20, 12));
    rig.ClickStart();
    QTRY_COMPARE(rig.game().intHead, IndexOf(20, 15));
    rig.Key(Qt::Key_Down);
    QTRY_COMPARE(rig.game().intHead, IndexOf(21, 15));
    QCoreApplication::processEvents();
    const QImage image = Grab(rig.window);
    QCOMPARE(PixelFault(image, rig.window.field(), QRect()), QString());
    QCOMPARE(QColor(image.pixel(CellRect(IndexOf(21, 15)).center())), QColor(Qt::green));
    QCOMPARE(QColor(image.pixel(CellRect(IndexOf(20, 30)).center())), QColor(Qt::blue));
}

void TestWindow::startButtonStandsWhereItShould() {
    WindowRig rig;
    QVERIFY(rig.Show());
    QPushButton* start = rig.window.startButton();
    QCOMPARE(start->text(), QStringLiteral("Start!"));
    QCOMPARE(start->geometry(), QRect(144, 168, 89, 33));
    QVERIFY(start->isVisible());

    // The button covers the field exactly within its rectangle.
    const QImage image = Grab(rig.window);
    QRect differs;
    for (int y = 0; y < kClientSize; ++y) {
        for (int x = 0; x < kClientSize; ++x) {
            if ((image.pixel(x, y) | 0xFF000000U) != ExpectedPixel(rig.window.field(), x, y)) {
                differs |= QRect(x, y, 1, 1);
            }
        }
    }
    QVERIFY2(kStartButtonRect.contains(differs), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                .arg(differs.x())
                                                                .arg(differs.y())
                                                                .arg(differs.width())
                                                                .arg(differs.height())));
    QVERIFY(differs.width() > 80 && differs.height() > 25);
}

void TestWindow::arrowsReachGameWhateverHasFocus_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("flag");  // 0 left, 1 right, 2 up, 3 down
    QTest::newRow("left") << Qt::Key_Left << Qt::KeyboardModifiers() << 0;
    QTest::newRow("right") << Qt::Key_Right << Qt::KeyboardModifiers() << 1;
    QTest::newRow("up") << Qt::Key_Up << Qt::KeyboardModifiers() << 2;
    QTest::newRow("down") << Qt::Key_Down << Qt::KeyboardModifiers() << 3;
    QTest::newRow("shift+left") << Qt::Key_Left << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0;
    QTest::newRow("ctrl+up") << Qt::Key_Up << Qt::KeyboardModifiers(Qt::ControlModifier) << 2;
    QTest::newRow("keypad right") << Qt::Key_Right << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << 1;
    QTest::newRow("alt+down") << Qt::Key_Down << Qt::KeyboardModifiers(Qt::AltModifier) << 3;
}

void TestWindow::arrowsReachGameWhateverHasFocus() {
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, flag);
    WindowRig rig;
    QVERIFY(rig.Show());
    auto heading = [&rig] {
        const SnakeGame& game = rig.game();
        return game.blnLeft ? 0 : game.blnRight ? 1 : game.blnUp ? 2 : game.blnDown ? 3 : -1;
    };
    // A key that is not `key`, to tell a change from no change.
    const Qt::Key other = key == Qt::Key_Left ? Qt::Key_Right : Qt::Key_Left;

    // Before the first game, with the button in the focus chain.
    rig.Key(other);
    rig.Key(key, modifiers);
    QCOMPARE(heading(), flag);

    // With the button focused, as after a Tab.
    rig.window.startButton()->setFocus();
    rig.Key(other);
    rig.Key(key, modifiers);
    QCOMPARE(heading(), flag);
    QVERIFY(rig.window.startButton()->hasFocus());  // the arrows moved no focus

    // In a game, after a click has hidden the button.
    rig.Script(kQuietFood, &SnakeGame::blnDown, IndexOf(10, 22));
    rig.ClickStart();
    QVERIFY(!rig.window.startButton()->isVisible());
    QVERIFY(QApplication::focusWidget() != rig.window.startButton());
    rig.Key(other);
    rig.Key(key, modifiers);
    QCOMPARE(heading(), flag);

    // Between games, after the message.
    rig.random.PushDraw(4, 4);
    rig.WhenMessageShown([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    rig.Key(Qt::Key_Up);
    QTRY_VERIFY_WITH_TIMEOUT(rig.window.startButton()->isVisible(), 10000);
    QVERIFY(!rig.messageLeftUp);
    QTRY_COMPARE(QApplication::focusWidget(), rig.window.startButton());
    rig.Key(other);
    rig.Key(key, modifiers);
    QCOMPARE(heading(), flag);
}

void TestWindow::otherKeysChangeNothing_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("inGame");
    for (const bool inGame : {false, true}) {
        const char* when = inGame ? "in a game" : "between games";
        QTest::addRow("A, %s", when) << Qt::Key_A << inGame;
        QTest::addRow("Escape, %s", when) << Qt::Key_Escape << inGame;
        QTest::addRow("Tab, %s", when) << Qt::Key_Tab << inGame;
        QTest::addRow("Home, %s", when) << Qt::Key_Home << inGame;
        QTest::addRow("F1, %s", when) << Qt::Key_F1 << inGame;
    }
    QTest::newRow("Enter, in a game") << Qt::Key_Enter << true;
    QTest::newRow("Return, in a game") << Qt::Key_Return << true;
    QTest::newRow("Space, in a game") << Qt::Key_Space << true;
}

void TestWindow::otherKeysChangeNothing() {
    QFETCH(Qt::Key, key);
    QFETCH(bool, inGame);
    WindowRig rig;
    QVERIFY(rig.Show());
    rig.Key(Qt::Key_Up);
    if (inGame) {
        rig.Script(kQuietFood, &SnakeGame::blnUp, IndexOf(36, 22));
        rig.ClickStart();
    }
    const SnakeGame before = rig.game();
    const std::size_t drawsLeft = rig.random.Left();
    // The keyboard stays where it is: on "Start!" between games, where Space and Enter do
    // something, and on the window in play.
    QWidget* const keyboard =
        inGame ? static_cast<QWidget*>(&rig.window) : rig.window.startButton();
    for (const Qt::KeyboardModifier modifier : {Qt::NoModifier, Qt::ShiftModifier}) {
        rig.Key(key, modifier);
        QCOMPARE(QApplication::focusWidget(), keyboard);
    }
    const SnakeGame& after = rig.game();
    QCOMPARE(after.blnUp, kTrue);
    QCOMPARE(after.blnLeft + after.blnRight + after.blnDown, 0);
    QCOMPARE(after.intHead, before.intHead);
    QCOMPARE(after.intLength, before.intLength);
    QCOMPARE(rig.random.Left(), drawsLeft);  // no game was started
    QCOMPARE(rig.window.startButton()->isVisible(), !inGame);
}

void TestWindow::startFromMouseAndKeyboard_data() {
    // How the game is started, the heading drawn for it (0 left, 1 right, 2 up, 3 down), and
    // what a screen reader is told: the heading and length, then the length after a meal.
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("heading");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("setOff");
    QTest::addColumn<QString>("meal");
    const QString meal = QStringLiteral("A meal: the snake is 9 pieces long.");
    QTest::newRow("mouse") << 0 << 2 << QString() << "The snake sets off heading up, 8 pieces long."
                           << meal;
    QTest::newRow("space") << int(Qt::Key_Space) << 0 << QString()
                           << "The snake sets off heading left, 8 pieces long." << meal;
    QTest::newRow("return") << int(Qt::Key_Return) << 1 << QString()
                            << "The snake sets off heading right, 8 pieces long." << meal;
    QTest::newRow("enter") << int(Qt::Key_Enter) << 3 << QString()
                           << "The snake sets off heading down, 8 pieces long." << meal;
    QTest::newRow("mouse, Russian")
        << 0 << 3 << QStringLiteral("ru") << "Змейка ползёт вниз, её длина — 8 звеньев."
        << "Змейка поела, теперь её длина — 9 звеньев.";
}

void TestWindow::startFromMouseAndKeyboard() {
    QFETCH(int, way);
    QFETCH(int, heading);
    QFETCH(QString, language);
    QFETCH(QString, setOff);
    QFETCH(QString, meal);
    QCOMPARE(translations.Install(Languages(language)), language);
    WindowRig rig;
    QVERIFY(rig.Show());
    // The head in the middle of the field, the food two cells ahead.
    const int step = heading == 0 ? -1 : heading == 1 ? 1 : heading == 2 ? -kColumns : kColumns;
    const int head = IndexOf(22, 22);
    rig.Script(head + 2 * step, kHeadings[heading], head);
    rig.random.PushCell(kQuietFood);  // the food after the first meal
    if (way == 0) {
        rig.ClickStart();
    } else {
        rig.window.startButton()->setFocus();
        rig.Key(static_cast<Qt::Key>(way));
    }
    QTRY_VERIFY(!rig.window.startButton()->isVisible());
    QCOMPARE(rig.game().intHead, head);
    QCOMPARE(rig.game().intLength, std::int16_t{8});
    QVERIFY(rig.window.tickTimer().isActive());
    // What a screen reader says of the focused window: the heading, then each meal.
    QCOMPARE(QApplication::focusWidget(), &rig.window);
    QCOMPARE(rig.window.accessibleDescription(), setOff);
    QTRY_COMPARE(rig.game().intHead, head + step);
    QTRY_COMPARE(rig.game().intLength, std::int16_t{9});
    QCOMPARE(rig.window.accessibleDescription(), meal);
}

void TestWindow::tickTimer() {
    WindowRig rig;
    QVERIFY(rig.Show());
    const QTimer& timer = rig.window.tickTimer();
    QVERIFY(!timer.isActive());
    QCOMPARE(timer.timerType(), Qt::PreciseTimer);
    rig.Script(kQuietFood, &SnakeGame::blnUp, IndexOf(30, 22));
    QElapsedTimer sinceClick;
    sinceClick.start();
    const auto beforeClick = std::chrono::steady_clock::now();
    rig.ClickStart();
    const auto afterClick = std::chrono::steady_clock::now();
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), 100);
    // The schedule starts a period after the click, or every tick after the first comes early.
    QVERIFY(rig.window.nextTickDue() >= beforeClick + std::chrono::milliseconds(100));
    QVERIFY(rig.window.nextTickDue() <= afterClick + std::chrono::milliseconds(100));
    // The first tick comes a whole period after the click, never sooner: a load on the
    // machine can only make it later.
    QTRY_COMPARE(rig.game().intHead, IndexOf(29, 22));
    QVERIFY2(sinceClick.elapsed() >= 95, qPrintable(QString::number(sinceClick.elapsed())));
    // A tick held up by a busy event loop arms the next on the schedule: 95 ms, not 100.
    QTest::qSleep(130);
    QTRY_COMPARE(rig.game().intHead, IndexOf(28, 22));
    QCOMPARE(timer.interval(), 95);
}

void TestWindow::tickSchedule_data() {
    // How late a tick runs, in microseconds; when the next is due after this one was, and in
    // how many milliseconds the timer fires for it.
    QTest::addColumn<int>("late");
    QTest::addColumn<int>("nextDue");
    QTest::addColumn<int>("delay");
    QTest::newRow("on time") << 0 << 100'000 << 100;
    QTest::newRow("2.4 ms late: on schedule, rounded up") << 2'400 << 100'000 << 98;
    QTest::newRow("6.6 ms late: not sooner than 95 ms") << 6'600 << 101'600 << 95;
    QTest::newRow("40 ms late: not sooner than 95 ms") << 40'000 << 135'000 << 95;
    QTest::newRow("a second late: not sooner than 95 ms") << 1'000'000 << 1'095'000 << 95;
}

void TestWindow::tickSchedule() {
    QFETCH(int, late);
    QFETCH(int, nextDue);
    QFETCH(int, delay);
    using std::chrono::microseconds;
    const std::chrono::steady_clock::time_point due{std::chrono::hours(1)};
    const NextTick next = ScheduleNextTick(due + microseconds(late), due,
                                           std::chrono::milliseconds(kTickMilliseconds));
    QCOMPARE(int((next.due - due) / microseconds(1)), nextDue);
    QCOMPARE(int(next.delay.count()), delay);
}

void TestWindow::heldKeyDoesNotStartGame_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Return") << Qt::Key_Return;
    QTest::newRow("Enter") << Qt::Key_Enter;
    QTest::newRow("Space") << Qt::Key_Space;
}

void TestWindow::heldKeyDoesNotStartGame() {
    // A key held down to dismiss the message repeats on the button that gets the focus back.
    QFETCH(Qt::Key, key);
    WindowRig rig;
    QVERIFY(rig.Show());
    rig.window.startButton()->setFocus();
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
    for (int i = 0; i < 5; ++i) {
        QTest::simulateEvent(rig.handle(), true, key, Qt::NoModifier, text, true);
        QTest::simulateEvent(rig.handle(), false, key, Qt::NoModifier, text, true);
    }
    QTest::simulateEvent(rig.handle(), false, key, Qt::NoModifier, text, false);
    QVERIFY(rig.window.startButton()->isVisible());
    QVERIFY(!rig.window.tickTimer().isActive());

    rig.Script(kQuietFood, &SnakeGame::blnUp, IndexOf(30, 22));
    rig.Key(key);  // pressed afresh, it starts
    QVERIFY(!rig.window.startButton()->isVisible());
}

void TestWindow::tickRepaintsOnlyChangedCells() {
    WindowRig rig;
    QVERIFY(rig.Show());
    rig.Script(kQuietFood, &SnakeGame::blnRight, IndexOf(20, 12));
    rig.ClickStart();
    QTRY_COMPARE(rig.game().intHead, IndexOf(20, 13));
    QCoreApplication::processEvents();  // the repaint after the button went away

    PaintSpy spy(&rig.window);
    const std::int16_t tail = rig.game().intBody[7];
    QTRY_COMPARE(rig.game().intHead, IndexOf(20, 14));
    QTRY_VERIFY(!spy.painted.isEmpty());
    const QRegion changed = QRegion(CellRect(IndexOf(20, 14))) + CellRect(tail);
    QVERIFY2((spy.painted - changed).isEmpty(),
             qPrintable(QStringLiteral("painted %1 rects, bounding %2x%3")
                            .arg(spy.painted.rectCount())
                            .arg(spy.painted.boundingRect().width())
                            .arg(spy.painted.boundingRect().height())));
    QCOMPARE(PixelFault(Grab(rig.window), rig.window.field(), QRect()), QString());
}

void TestWindow::gameOverMessage_data() {
    // How the message is dismissed; the language, the snake's length and what the player reads:
    // the button between games, the message, its button.
    QTest::addColumn<QString>("dismiss");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ok");
    const QString english = QStringLiteral("You lose!\n\nYour snake was 8 pieces long");
    for (const char* dismiss : {"click", "return", "enter", "space", "escape"}) {
        QTest::addRow("English, %s", dismiss)
            << dismiss << QString() << 8 << "Start!" << english << "OK";
    }
    QTest::newRow("unknown language: English") << "return"
                                               << "xx" << 22 << "Start!"
                                               << "You lose!\n\nYour snake was 22 pieces long"
                                               << "OK";
    // Plural forms: Polish has three, Russian three, Arabic six.
    const QString polish = QStringLiteral("Przegrana!\n\nTwój wąż miał %1 długości");
    for (const char* pieces : {"8 segmentów", "22 segmenty", "25 segmentów"}) {
        QTest::addRow("pl, %s", pieces) << "return"
                                        << "pl" << std::atoi(pieces) << "Start!"
                                        << polish.arg(QString::fromUtf8(pieces)) << "OK";
    }
    QTest::newRow("ru, 22") << "return"
                            << "ru" << 22 << "Старт!"
                            << "Вы проиграли!\n\nВаша змейка была длиной 22 звена"
                            << "OK";
    QTest::newRow("ar, 8") << "click"
                           << "ar" << 8 << "ابدأ!"
                           << "لقد خسرت!\n\nبلغ طول ثعبانك 8 قطع"
                           << "حسنًا";
    // Czech and Slovak say every length a snake can reach with their third form.
    QTest::newRow("cs, 8") << "escape"
                           << "cs" << 8 << "Start!"
                           << "Prohráli jste!\n\nVáš had byl dlouhý 8 článků"
                           << "OK";
    QTest::newRow("sk, 25") << "return"
                            << "sk" << 25 << "Štart!"
                            << "Prehrali ste!\n\nVáš had mal 25 článkov"
                            << "OK";
    // A language that Qt's own translations lack: the game's file has the button's word.
    QTest::newRow("is, 22") << "return"
                            << "is" << 22 << "Byrja"
                            << "Þú tapaðir!\n\nLengd snáksins þíns var 22"
                            << "Í lagi";
}

void TestWindow::gameOverMessage() {
    QFETCH(QString, dismiss);
    QFETCH(QString, language);
    QFETCH(int, length);
    QFETCH(QString, start);
    QFETCH(QString, text);
    QFETCH(QString, ok);
    translations.Install(Languages(language));
    WindowRig rig;
    QVERIFY(rig.Show());
    QCOMPARE(rig.window.startButton()->text(), start);
    // Up the middle column, eating the food a cell ahead until the snake is `length` long.
    const int meals = length - 8;
    rig.Script(meals > 0 ? IndexOf(length - 1, 22) : kQuietFood, &SnakeGame::blnUp,
               IndexOf(length, 22));
    for (int meal = 1; meal <= meals; ++meal) {
        rig.random.PushCell(meal < meals ? IndexOf(length - 1 - meal, 22) : kQuietFood);
    }
    rig.random.PushDraw(2, 4);  // the heading drawn after the game

    bool checked = false;
    rig.WhenMessageShown([&](QMessageBox* box) {
        QCOMPARE(box->text(), text);
        QCOMPARE(box->button(QMessageBox::Ok)->text(), ok);
        // Wrapped, never cut; it follows the language's direction, the field does not.
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
        QVERIFY(label->width() >= label->minimumSizeHint().width());
        QCOMPARE(box->layoutDirection(), QGuiApplication::layoutDirection());
        // No title of its own: the window system shows the application's (the e2e run reads it).
        QVERIFY(box->windowTitle().isEmpty());
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QVERIFY(!rig.window.tickTimer().isActive());
        QVERIFY(QTest::qWaitForWindowActive(box));

        // A while with the message up: nothing moves, no second message, keys change nothing.
        const std::int16_t head = rig.game().intHead;
        QTest::keyClick(box->windowHandle(), Qt::Key_Up);
        QTest::keyClick(rig.handle(), Qt::Key_Down);
        QTest::qWait(350);
        QCOMPARE(rig.game().intHead, head);
        QCOMPARE(head, IndexOf(0, 22));
        QCOMPARE(ShownMessages(), 1);
        QVERIFY(!rig.window.startButton()->isVisible());
        QCOMPARE(rig.window.field().GetCellColor(head), kGreen);

        // Activating the game's window, as a click on it does, brings the message back on
        // top with the keyboard; the key below goes wherever the keyboard is.
        QSignalSpy focus(qApp, &QGuiApplication::focusWindowChanged);
        rig.window.activateWindow();
        QTRY_VERIFY(!focus.isEmpty() && focus.first().first().value<QWindow*>() == rig.handle());
        QTRY_COMPARE(QGuiApplication::focusWindow(), box->windowHandle());

        if (dismiss == QLatin1String("click")) {
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        } else {
            const Qt::Key key = dismiss == QLatin1String("return")  ? Qt::Key_Return
                                : dismiss == QLatin1String("enter") ? Qt::Key_Enter
                                : dismiss == QLatin1String("space") ? Qt::Key_Space
                                                                    : Qt::Key_Escape;
            QTest::keyClick(QGuiApplication::focusWindow(), key);
        }
        checked = true;
    });
    rig.ClickStart();
    QTRY_VERIFY_WITH_TIMEOUT(checked && rig.window.startButton()->isVisible(), 10000);
    QTRY_COMPARE(ShownMessages(), 0);
    QVERIFY(!rig.messageLeftUp);

    QVERIFY(!rig.window.tickTimer().isActive());
    QVERIFY(rig.window.accessibleDescription().isEmpty());  // the game's news ends with it
    QVERIFY(IsResetPattern(rig.window.field()));
    QCOMPARE(rig.game().blnRight, kTrue);
    QCoreApplication::processEvents();
    QCOMPARE(PixelFault(Grab(rig.window), rig.window.field(), kStartButtonRect), QString());

    // And again.
    rig.Script(kQuietFood, &SnakeGame::blnUp, IndexOf(30, 22));
    rig.ClickStart();
    QTRY_COMPARE(rig.game().intHead, IndexOf(29, 22));
}

void TestWindow::closeWhileMessageShown() {
    WindowRig rig;
    QVERIFY(rig.Show());
    rig.Script(kQuietFood, &SnakeGame::blnLeft, IndexOf(20, 8));
    rig.random.PushDraw(2, 4);
    bool closed = false;
    rig.WhenMessageShown([&](QMessageBox*) { closed = rig.handle()->close(); });
    rig.ClickStart();
    QTRY_VERIFY_WITH_TIMEOUT(closed, 10000);
    QVERIFY(!rig.messageLeftUp);  // the window's close took the message down
    QTRY_COMPARE(ShownMessages(), 0);
    QVERIFY(!rig.window.isVisible());
    QVERIFY(!rig.window.tickTimer().isActive());
}

void TestWindow::closeMidGame() {
    WindowRig rig;
    QVERIFY(rig.Show());
    rig.Script(kQuietFood, &SnakeGame::blnUp, IndexOf(30, 22));
    rig.ClickStart();
    QTRY_COMPARE(rig.game().intHead, IndexOf(29, 22));
    QVERIFY(rig.handle()->close());
    QVERIFY(!rig.window.isVisible());
    QVERIFY(!rig.window.tickTimer().isActive());
}

void TestWindow::everyLanguage_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : QStringLiteral(SNAKE_LANGUAGES).split(QLatin1Char(' '))) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TestWindow::everyLanguage() {
    QFETCH(QString, language);
    QCOMPARE(translations.Install({language}), language);
    // Every text is translated, with its number in every plural form a snake can have, and
    // that form is the one gettext picks by the file's own Plural-Forms (from the same file,
    // compiled by msgfmt; tests/CMakeLists.txt): Qt's plural rules are a table of their own.
    const char* const texts[] = {
        "Velmor's Snake",
        "Start!",
        ("Press Start! to play, then steer the snake with the arrow keys. It grows with every "
         "meal; only the wall ends the game."),
        "You lose!",
        "The snake sets off heading left, %n pieces long.",
        "The snake sets off heading right, %n pieces long.",
        "The snake sets off heading up, %n pieces long.",
        "The snake sets off heading down, %n pieces long.",
        "A meal: the snake is %n pieces long.",
        "Your snake was %n pieces long"};
    const QByteArray domain = "velmors-snake-" + language.toUtf8();
    bindtextdomain(domain.constData(), SNAKE_MO_DIR);
    bind_textdomain_codeset(domain.constData(), "UTF-8");
    // The forms of each text, told apart by what changes with the number: the same words in
    // every text of a language, or one of its texts has its forms in another order.
    QMap<int, QString> changes;
    for (const char* text : texts) {
        const bool numerus = std::strstr(text, "%n") != nullptr;
        QMap<int, QString> forms;
        for (int n = numerus ? kStartLength : -1; n <= (numerus ? kMaxLength : -1); ++n) {
            const QString translated =
                QCoreApplication::translate("snake::frmSnake", text, nullptr, n);
            const QString form =
                numerus ? QString(translated).replace(QString::number(n), QLatin1String("%n"))
                        : translated;
            // The same as the English only where a language says it so: "Start!".
            QVERIFY2(!translated.isEmpty() &&
                         (form != QLatin1String(text) || std::strcmp(text, "Start!") == 0),
                     qPrintable(QStringLiteral("%1: \"%2\"").arg(text, translated)));
            if (!numerus) {
                continue;
            }
            forms[n] = form;
            QVERIFY2(
                forms[n].count(QLatin1String("%n")) == 1,
                qPrintable(QStringLiteral("%1 (%2): \"%3\"").arg(text).arg(n).arg(translated)));
            if (SNAKE_GETTEXT_READS) {
                const QByteArray key = QByteArray("snake::frmSnake|\004") + text;
                const char* gettext = dcngettext(domain.constData(), key.constData(), text,
                                                 static_cast<unsigned long>(n), LC_MESSAGES);
                QCOMPARE(forms[n], QString::fromUtf8(gettext));
            }
        }
        for (auto [n, change] : Changes(forms).asKeyValueRange()) {
            QVERIFY2(changes.value(n, change) == change,
                     qPrintable(QStringLiteral("\"%1\" for %2: \"%3\", another text \"%4\"")
                                    .arg(text)
                                    .arg(n)
                                    .arg(change, changes.value(n))));
            changes[n] = change;
        }
    }
    // The message box follows the language's direction, where Qt has no translation too.
    QCOMPARE(QGuiApplication::isRightToLeft(),
             QStringList({"ar", "fa", "he", "ug"}).contains(language));
    // "Start!" fits its button, drawn in the fonts the desktop has for the script: no glyph
    // of it missing, where a font's empty box would be measured instead.
    WindowRig rig;
    QPushButton* start = rig.window.startButton();
    QTextLayout layout(start->text(), start->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(start->text()));
    }
    QStyleOptionButton option;
    option.initFrom(start);
    option.text = start->text();
    const QRect label =
        start->style()->subElementRect(QStyle::SE_PushButtonContents, &option, start);
    QVERIFY2(start->fontMetrics().horizontalAdvance(start->text()) <= label.width(),
             qPrintable(start->text()));
}

void TestWindow::nearestLanguage_data() {
    QTest::addColumn<QString>("player");  // as LANGUAGE lists them
    QTest::addColumn<QString>("language");
    // The player's languages (LANGUAGE), "=", and the file that speaks to them; none: English.
    QStringList rows = QStringLiteral(
                           "de_AT=de de_DE.UTF-8=de en_GB:de= C= xx:de=de zh_HK=zh_HK "
                           "zh-Hant-TW=zh_TW zh-HK=zh_HK zh=zh_CN pt_BR.UTF-8=pt_BR pt_PT=pt pt=pt "
                           "nn_NO=nn nb_NO=nb sr_RS=sr sr_RS@latin=sr@latin "
                           "sr_BA@ijekavian=sr@ijekavian sr_ME@ijekavianlatin=sr@ijekavianlatin "
                           "bn_IN=bn ug_CN=ug ca_ES@valencia=ca@valencia")
                           .split(QLatin1Char(' '));
    // And every name of the build's table (Qt's, and the locales the desktop entry lists).
    for (const QString& names : QStringLiteral(SNAKE_LANGUAGE_NAMES).split(QLatin1Char(' '))) {
        const QStringList row = names.split(QLatin1Char(':'));
        for (const QString& name : row.mid(1)) {
            if (name != row.first()) {
                rows << name + QLatin1Char('=') + row.first();
            }
        }
    }
    for (const QString& row : rows) {
        QTest::newRow(qPrintable(row))
            << row.section(QLatin1Char('='), 0, 0) << row.section(QLatin1Char('='), 1);
    }
}

void TestWindow::nearestLanguage() {
    QFETCH(QString, player);
    QFETCH(QString, language);
    QCOMPARE(translations.Install(Languages(player)), language);
    // The window speaks it: its title is the file's.
    QString expected = QStringLiteral("Velmor's Snake");
    if (QTranslator file; !language.isEmpty()) {
        QVERIFY(file.load(QStringLiteral(":/i18n/velmors-snake_%1.qm").arg(language)));
        expected = file.translate("snake::frmSnake", "Velmor's Snake");
    }
    WindowRig rig;
    QCOMPARE(rig.window.windowTitle(), expected);
}

void TestWindow::platformChoice_data() {
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("decoration");  // the one plugin in Qt's decoration folder
    QTest::addColumn<QString>("platform");
    const auto row = [](const char* name, const char* environment, const char* decoration,
                        const char* platform) {
        QTest::newRow(name) << QString::fromLatin1(environment) << QString::fromLatin1(decoration)
                            << QString::fromLatin1(platform);
    };
    // A table, laid out by hand: clang-format's releases break such rows each their own way.
    // clang-format off
    const char* const gnome = "WAYLAND_DISPLAY=w DISPLAY=:0 XDG_CURRENT_DESKTOP=GNOME";
    row("GNOME, Qt without Adwaita", gnome, "libbradient.so", "xcb");
    row("Ubuntu's GNOME", "WAYLAND_DISPLAY=w DISPLAY=:0 XDG_CURRENT_DESKTOP=ubuntu:GNOME",
                          "libbradient.so", "xcb");
    row("GNOME, Qt with Adwaita", gnome, "libadwaita.so", "");
    row("KDE", "WAYLAND_DISPLAY=w DISPLAY=:0 XDG_CURRENT_DESKTOP=KDE", "libbradient.so", "");
    row("the player's platform",
        "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=w DISPLAY=:0 XDG_CURRENT_DESKTOP=GNOME",
        "libbradient.so", "");
    row("the player's decoration",
        "QT_WAYLAND_DECORATION=bradient WAYLAND_DISPLAY=w DISPLAY=:0 XDG_CURRENT_DESKTOP=GNOME",
        "libbradient.so", "");
    row("no XWayland", "WAYLAND_DISPLAY=w XDG_CURRENT_DESKTOP=GNOME", "libbradient.so", "");
    row("GNOME on Xorg", "DISPLAY=:0 XDG_CURRENT_DESKTOP=GNOME", "libbradient.so", "");
    // clang-format on
}

void TestWindow::platformChoice() {
    QFETCH(QString, environment);
    QFETCH(QString, decoration);
    QFETCH(QString, platform);
    QTemporaryDir plugins;
    QVERIFY(QDir(plugins.path()).mkpath(QStringLiteral("wayland-decoration-client")));
    QFile plugin(plugins.filePath(QStringLiteral("wayland-decoration-client/") + decoration));
    QVERIFY(plugin.open(QIODevice::WriteOnly));
    const QStringList variables = environment.split(QLatin1Char(' '));
    const auto env = [&](const char* name) {
        for (const QString& variable : variables) {
            if (variable.section(QLatin1Char('='), 0, 0) == QLatin1String(name)) {
                return variable.section(QLatin1Char('='), 1).toUtf8();
            }
        }
        return QByteArray();
    };
    QCOMPARE(QString::fromUtf8(snake::PreferredPlatform(env, {plugins.path()})), platform);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
