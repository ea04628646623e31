// End-to-end runs of the real game on a real desktop, driven as a player would:
// keys and clicks in, the window's pixels read back from the display (session.h).
//
// usage: snake_e2e <game binary> <scenario>
#include "app/platform.h"  // Qt before Xlib, whose macros break its headers

#include <X11/Xlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <thread>
#include <utility>
#include <vector>

#include "playfield/playfield.h"
#include "shellsession.h"
#include "swaysession.h"
#include "xsession.h"

using namespace snake::e2e;

namespace {

using snake::IsBorderCell;
using snake::kColumns;

constexpr int kStartX = 188;  // the middle of "Start!"
constexpr int kStartY = 184;

int passed = 0;
int failed = 0;

bool Check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
    (ok ? passed : failed) += 1;
    return ok;
}

// The snake's change between two looks at the field: the cell its head entered last, its
// step, and how many ticks it moved and pieces it grew meanwhile.
struct Move {
    int head = -1;
    int step = 0;
    int ticks = 0;
    int grown = 0;
};

std::string seen;  // what the last look that failed saw

bool Beside(int a, int b) {
    return (a - b == 1 || b - a == 1) ? a / kColumns == b / kColumns
                                      : (a - b == kColumns || b - a == kColumns);
}

// Waits for the next change of the green cells and checks it is the snake going on: the new
// cells a chain, the first beside the old snake, each beside the one before, and no more cells
// left than entered (fewer by its meals). A look slower than a tick (a grab on a busy machine)
// sees several ticks at once, as a chain of several cells.
bool NextMove(Session& x, std::set<int>& green, Move& move, std::chrono::milliseconds timeout) {
    std::set<int> now;
    const bool changed = x.WaitFor(
        [&] {
            const auto cells = x.Shoot().Cells('o');
            now = std::set<int>(cells.begin(), cells.end());
            return now != green && !now.empty();
        },
        timeout);
    if (!changed) {
        seen = "no change of the snake in " + std::to_string(timeout.count()) + " ms";
        return false;
    }
    std::set<int> added;
    int removed = 0;
    for (const int cell : now) {
        added.insert(green.count(cell) == 0 ? cell : -1);
    }
    added.erase(-1);
    for (const int cell : green) {
        removed += now.count(cell) == 0 ? 1 : 0;
    }
    const std::set<int> old = std::exchange(green, now);
    seen = std::to_string(added.size()) + " cells green, " + std::to_string(removed) +
           " white again, and not a snake going on";
    if (added.empty() || removed > static_cast<int>(added.size())) {
        return false;
    }
    // From the old snake along the chain to the new head.
    std::vector<int> chain;
    for (const int first : added) {
        chain = {first};
        for (bool longer = true; longer && chain.size() < added.size();) {
            longer = false;
            for (const int cell : added) {
                if (Beside(cell, chain.back()) &&
                    std::find(chain.begin(), chain.end(), cell) == chain.end()) {
                    chain.push_back(cell);
                    longer = true;
                    break;
                }
            }
        }
        const auto besideOld = [&](int cell) {
            return std::any_of(old.begin(), old.end(), [&](int o) { return Beside(o, cell); });
        };
        // Seen a whole snake's length later, it may stand anywhere.
        const bool gone = added.size() == now.size();
        if (chain.size() == added.size() && (gone || besideOld(chain.front()))) {
            break;
        }
        chain.clear();
    }
    if (chain.empty()) {
        return false;
    }
    move.head = chain.back();
    move.ticks = static_cast<int>(chain.size());
    move.grown = move.ticks - removed;
    if (chain.size() > 1) {
        move.step = chain.back() - chain[chain.size() - 2];
        return true;
    }
    // One cell: it steps on from the old snake, straight on where it can (a snake beside its
    // own body has more than one neighbour).
    for (const bool straight : {true, false}) {
        for (const int step : {-1, 1, -kColumns, kColumns}) {
            if (old.count(move.head - step) != 0 && (!straight || move.step == step)) {
                move.step = step;
                return true;
            }
        }
    }
    return false;
}

// Waits for a new game's snake: eight green cells in a line.
bool SnakeShown(Session& x, std::set<int>& green, FieldShot& shot) {
    const bool shown = x.WaitFor([&] { return (shot = x.Shoot()).Count('o') == 8; }, 15s);
    const auto cells = shot.Cells('o');
    green = std::set<int>(cells.begin(), cells.end());
    if (!shown || green.size() != 8) {
        return false;
    }
    const int first = *green.begin();
    const int last = *green.rbegin();
    return last - first == 7 || last - first == 7 * kColumns;
}

bool SnakeShown(Session& x, std::set<int>& green) {
    FieldShot shot;
    return SnakeShown(x, green, shot);
}

// Space on the focused "Start!" begins a game: a snake shows, or already the message. On sway a
// key typed in the first moments after the window maps can be lost on its way to the client (one
// run in five under the sanitizers); the field still idle shows it had no effect: type it again.
bool StartsWithSpace(Session& x) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        x.Key("space");
        if (x.WaitFor([&] { return x.Shoot().Count('o') > 0 || !x.OtherWindows().empty(); }, 2s)) {
            return true;
        }
    }
    return false;
}

bool MessageShown(Session& x, std::chrono::milliseconds timeout) {
    return x.WaitFor([&] { return !x.OtherWindows().empty(); }, timeout);
}

// The one message hides part of the field and keys typed now go to it.
bool MessageInFront(Session& x) {
    const auto others = x.OtherWindows();
    return others.size() == 1 && x.Focused() == others.front() && x.Shoot().Count('?') >= 100;
}

// Where the desktop tells where its windows are: the one message's frame centred on the game's.
// Where the compositor alone places it, it stays where it was put: pass where that was.
double CheckCentred(Session& x, const std::string& when, std::optional<double> placed = {}) {
    if (!x.FrameCentre(x.main())) {
        return 0;
    }
    // The desktop frames and places a window a moment after it maps: wait for where it stays.
    double dx = 1e9;
    double dy = 1e9;
    const bool centred = x.WaitFor(
        [&] {
            const auto others = x.OtherWindows();
            const auto game = x.FrameCentre(x.main());
            const auto message = others.size() == 1 ? x.FrameCentre(others.front()) : std::nullopt;
            dx = game && message ? message->first - game->first : 1e9;
            dy = game && message ? message->second - game->second : 1e9;
            const double row = x.PlacesDialogs() ? placed.value_or(dy) : 0;
            return std::abs(dx) <= 3 && std::abs(dy - row) <= 3 && std::abs(dy) < 150;
        },
        3s);
    char offset[64];
    std::snprintf(offset, sizeof offset, "%+.1f, %+.1f", dx, dy);
    Check(centred, std::string(x.PlacesDialogs() ? "the message is centred across the game, "
                                                   "where the compositor put it, "
                                                 : "the message is centred on the game ") +
                       when + " (off by " + offset + " px)");
    return dy;
}

// The README's picture of the game on a nested shell's desktop (target desktop-pictures): the
// shell's own pixels around the game's window, from its hosting X server.
void SavePicture(Session& x, const std::string& file) {
    const auto centre = x.FrameCentre(x.main());
    const char* host = std::getenv("SNAKE_HOST_DISPLAY");
    if (!centre || host == nullptr) {
        Check(false, "a picture needs a nested shell");
        return;
    }
    const std::string command =
        "import -display " + std::string(host) + " -window root -crop 420x440+" +
        std::to_string(static_cast<int>(centre->first) - 210) + "+" +
        std::to_string(static_cast<int>(centre->second) - 220) + " +repage '" + file + "'";
    Check(std::system(command.c_str()) == 0, "the picture is in " + file);
}

bool IdleShown(Session& x, std::chrono::milliseconds timeout) {
    return x.WaitFor([&] { return x.Shoot().IsIdle() && x.StartButtonShown(); }, timeout);
}

const char* KeyFor(int step) {
    switch (step) {
        case -1:
            return "Left";
        case 1:
            return "Right";
        case -kColumns:
            return "Up";
        default:
            return "Down";
    }
}

// Whatever state the game is in, brings it to a running game whose snake moves.
bool PlayOn(Session& x) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!x.OtherWindows().empty()) {
            x.Activate(x.OtherWindows().front());
            std::this_thread::sleep_for(100ms);
            x.Key("Return");
        }
        if (IdleShown(x, 3s)) {
            x.Click(x.main(), kStartX, kStartY);
        }
        std::set<int> green;
        Move move;
        if (x.WaitFor([&] { return x.Shoot().Count('o') >= 7; }, 3s)) {
            const auto cells = x.Shoot().Cells('o');
            green = std::set<int>(cells.begin(), cells.end());
            if (NextMove(x, green, move, 3s)) {
                return true;
            }
        }
    }
    return false;
}

bool ClosesCleanly(Session& x, const std::string& when) {
    x.Close(x.main());
    const int status = x.WaitExit(10s);
    return Check(status == 0, "closed " + when + ": the game exits with status 0 (got " +
                                  std::to_string(status) + ")");
}

// ------------------------------------------------------------------------------ scenarios

// A whole session of a player: look, start, watch, steer, hit the wall, read, play again.
void Play(Session& x) {
    Check(x.Title(x.main()) == "Velmor's Snake", "the window is titled \"Velmor's Snake\"");
    int width = 0;
    int height = 0;
    const bool sized = x.Size(x.main(), width, height);
    Check(sized && width == 377 && height == 377, "the client area is 377 x 377 (" +
                                                      std::to_string(width) + " x " +
                                                      std::to_string(height) + ")");
    if (const auto id = x.AppId(x.main())) {
        Check(*id == SNAKE_APP_ID, "its app_id is the desktop entry's id (" + *id + ")");
    }
    auto* const desktop = dynamic_cast<XSession*>(&x);
    if (desktop != nullptr) {
        // The window manager frames a window a moment after it maps.
        x.WaitFor([&] { return desktop->TitleBarHeight(x.main()) > 0; }, 5s);
        const int bar = desktop->TitleBarHeight(x.main());
        Check(bar > 0 && !desktop->OffersMaximise(x.main()), "the desktop draws its title bar (" +
                                                                 std::to_string(bar) +
                                                                 " px) and offers no maximising");
    }
    Check(IdleShown(x, 15s), "the field shows its red ring, white inside, and \"Start!\"");
    Check(x.Pixel(4, 4) == 0 && x.Pixel(372, 200) == 0 && x.Pixel(200, 372) == 0,
          "the frame is black");
    Check(x.Pixel(16, 100) == 0 && x.Pixel(100, 16) == 0, "the grid lines are black");

    // Turn a quarter at once, towards the farther wall across its way (22 moves off at least),
    // and watch it go on. A busy machine's looks can come so late that the wall ahead (8 moves
    // off at least) comes first: then the player plays again, twice at most.
    std::set<int> green;
    bool laid = false;
    int turn = 0;
    bool turns = false;
    bool steps = false;
    Move turned;
    FieldShot laidShot;
    for (int game = 0; game < 3 && !(turns && steps); ++game) {
        if (game > 0 && !(MessageShown(x, 10s) && (x.Key("Return"), IdleShown(x, 15s)))) {
            break;
        }
        laid = StartsWithSpace(x) && SnakeShown(x, green, laidShot);
        if (!laid) {
            continue;
        }
        const bool alongRow = *green.rbegin() - *green.begin() == 7;
        const int line = alongRow ? *green.begin() / kColumns : *green.begin() % kColumns;
        const int away = line < kColumns / 2 ? 1 : -1;
        turn = alongRow ? away * kColumns : away;
        x.Key(KeyFor(turn));
        // The key may reach the game a tick or two late: the turn shows within three looks.
        turns = false;
        for (int i = 0; i < 3 && !turns; ++i) {
            turns = NextMove(x, green, turned, 5s) && turned.step == turn;
        }
        steps = turns;
        for (int i = 0; i < 3 && steps; ++i) {
            steps = NextMove(x, green, turned, 5s);
        }
    }
    Check(laid, "Space on the focused \"Start!\" lays a snake of 8 pieces in a line");
    Check(turns,
          std::string("the ") + KeyFor(turn) + " arrow turns it" + (turns ? "" : ": " + seen));
    Check(steps, "the snake moves one cell a tick" + (steps ? "" : ": " + seen));
    Check(laid && !laidShot.StartButtonShown(), "\"Start!\" is hidden in play");
    // The ring red, but for the head where a busy machine's grab comes as late as the wall.
    FieldShot shot;
    x.WaitFor([&] { return (shot = x.Shoot()).Count('?') == 0; }, 2s);  // a grab that worked
    int ring = 0;
    for (int cell = 0; cell < 2025; ++cell) {
        ring += IsBorderCell(cell) && shot.cells[static_cast<std::size_t>(cell)] == '#' ? 1 : 0;
    }
    Check(shot.Count('*') <= 1 && shot.Count('#') == ring && ring >= 175,
          "no second food, the ring red (" + std::to_string(shot.Count('*')) + " food, " +
              std::to_string(ring) + " red cells of 176 in the ring, " +
              std::to_string(shot.Count('?')) + " unknown)");

    // A nested shell draws the message a moment after it maps: the field is read once it shows.
    Check(MessageShown(x, 10s) && x.WaitFor([&] { return x.Shoot().Count('?') >= 100; }, 5s),
          "hitting the wall brings up the message over the field, titled \"Velmor's Snake\"");
    // A shell may still be fading the message in: the field is read once two looks agree.
    FieldShot dead = x.Shoot();
    x.WaitFor(
        [&] {
            const FieldShot now = x.Shoot();
            return std::exchange(dead, now).cells == now.cells;
        },
        5s);
    int onRing = 0;
    for (const int cell : dead.Cells('o')) {
        onRing += IsBorderCell(cell) ? 1 : 0;
    }
    Check(onRing == 1, "the head stands on the ring");
    x.Key("Left");
    std::this_thread::sleep_for(500ms);
    const FieldShot later = x.Shoot();
    const auto messages = x.OtherWindows().size();
    const auto counts = [](const FieldShot& look) {
        return std::to_string(look.Count('o')) + " green, " + std::to_string(look.Count('?')) +
               " unknown";
    };
    // A shell may still be growing the message as it maps, and the message's own pixels can be
    // the field's white: the field is compared outside the box around every cell a window of
    // the shell covers in either look.
    int top = kColumns;
    int bottom = -1;
    int left = kColumns;
    int right = -1;
    for (int cell = 0; cell < 2025; ++cell) {
        if (dead.cells[static_cast<std::size_t>(cell)] == '?' ||
            later.cells[static_cast<std::size_t>(cell)] == '?') {
            top = std::min(top, cell / kColumns);
            bottom = std::max(bottom, cell / kColumns);
            left = std::min(left, cell % kColumns);
            right = std::max(right, cell % kColumns);
        }
    }
    bool still = true;
    for (int cell = 0; cell < 2025; ++cell) {
        const int row = cell / kColumns;
        const int column = cell % kColumns;
        still = still && ((row >= top && row <= bottom && column >= left && column <= right) ||
                          dead.cells[static_cast<std::size_t>(cell)] ==
                              later.cells[static_cast<std::size_t>(cell)]);
    }
    Check(still && messages == 1,
          "nothing moves while the message is shown, and there is one message (" +
              std::to_string(messages) + "; " + counts(dead) + " cells, then " + counts(later) +
              ")");
    if (desktop != nullptr && x.OtherWindows().size() == 1) {
        const auto message = x.OtherWindows().front();
        Check(desktop->TitleBarHeight(message) > 0 && !desktop->OffersMaximise(message),
              "the desktop draws the message's title bar and offers no maximising");
    }
    const double placed = CheckCentred(x, "as it opens");
    if (const char* picture = std::getenv("SNAKE_PICTURE"); picture != nullptr) {
        SavePicture(x, picture);
    }
    // The player clicks the game while the message waits.
    x.BringForward(x.main());
    std::this_thread::sleep_for(500ms);
    Check(x.WaitFor([&] { return MessageInFront(x); }, 5s),
          "a click on the game leaves the message in front, with the keyboard");
    CheckCentred(x, "after a click on the game", placed);

    x.Key("Return");
    Check(IdleShown(x, 15s), "Enter dismisses it: the field is empty again, \"Start!\" is back");
    Check(x.OtherWindows().empty(), "the message is gone");

    x.Key("space");
    Check(SnakeShown(x, green), "Space on the focused \"Start!\" begins the next game");
    Check(NextMove(x, green, turned, 5s), "and the new snake moves");
    // A snake laid over the food hides it until its tail has passed.
    Check(x.WaitFor([&] { return x.Shoot().Count('*') == 1; }, 5s), "and the food shows");
    ClosesCleanly(x, "in a game");
}

// A game nobody touches runs into the wall within 45 ticks.
void LeftAlone(Session& x) {
    Check(IdleShown(x, 15s), "the field is shown");
    x.Click(x.main(), kStartX, kStartY);
    std::set<int> green;
    Check(SnakeShown(x, green), "a snake of 8 appears");
    int moves = 0;
    int meals = 0;  // food can lie in its way
    Move move;
    while (x.OtherWindows().empty() && moves < 60 && NextMove(x, green, move, 5s)) {
        moves += move.ticks;
        meals += move.grown;
    }
    Check(MessageShown(x, 2s), "the game ends by itself");
    Check(moves <= 44, "within 45 ticks (" + std::to_string(moves) + " moves seen)");
    const int length = x.Shoot().Count('o');
    Check(length == 8 + meals,
          "the snake that hit the wall was 8 pieces long, and one more for "
          "each meal (" +
              std::to_string(length) + " green cells, " + std::to_string(meals) + " meals)");
    x.Key("Escape");
    Check(IdleShown(x, 15s), "Escape dismisses the message");
    ClosesCleanly(x, "between games");
}

// Hundreds of random keys a second, in a game, between games and over the message.
void KeyStorm(Session& x) {
    const char* keys[] = {"Left", "Right", "Up",     "Down", "Left",   "Right", "Up", "Down",
                          "a",    "z",     "Escape", "Tab",  "Return", "space", "F1", "Home"};
    std::mt19937 random(1234);
    auto storm = [&](std::chrono::milliseconds length) {
        const auto end = Clock::now() + length;
        int sent = 0;
        while (Clock::now() < end) {
            x.Key(keys[random() % std::size(keys)]);
            ++sent;
            std::this_thread::sleep_for(3ms);
        }
        return sent;
    };
    Check(IdleShown(x, 15s), "the field is shown");
    int sent = storm(3s);
    Check(x.Running(), "alive after " + std::to_string(sent) + " keys between games and in play");
    Check(PlayOn(x), "and playable");

    // Into the wall, then a storm over the message.
    if (Check(MessageShown(x, 15s), "it runs into the wall: the message")) {
        sent = storm(2s);
        Check(x.Running(), "alive after " + std::to_string(sent) + " keys over the message");
    }
    sent = storm(2s);
    Check(x.Running(), "alive after " + std::to_string(sent) + " more keys");
    Check(PlayOn(x), "and playable after the storm");
    // The game may have run into the wall meanwhile: a message over the field hides cells.
    const bool whole = x.WaitFor(
        [&] {
            if (!x.OtherWindows().empty()) {
                x.Key("Escape");
                return false;
            }
            const FieldShot shot = x.Shoot();
            const int hidden = shot.Count('?');
            return shot.Count('#') >= 175 &&
                   (hidden == 0 || (x.StartButtonShown() && hidden <= 60));
        },
        10s);
    Check(whole, "the field is whole: the ring red, every cell a field colour");
    ClosesCleanly(x, "after the storm");
}

// Clicks anywhere in a game; clicks and Space on "Start!" again and again.
void Clicks(Session& x) {
    Check(IdleShown(x, 15s), "the field is shown");
    for (int i = 0; i < 5; ++i) {
        x.Click(x.main(), kStartX, kStartY);
    }
    std::set<int> green;
    Check(SnakeShown(x, green), "five quick clicks on \"Start!\" start one game");
    std::mt19937 random(99);
    for (int i = 0; i < 200; ++i) {
        x.Click(x.main(), static_cast<int>(random() % 377), static_cast<int>(random() % 377));
    }
    for (int i = 0; i < 20; ++i) {
        x.Key("space");
        x.Click(x.main(), kStartX, kStartY);
    }
    std::this_thread::sleep_for(500ms);  // for the game to take them all in
    Check(x.Running(), "alive after 200 clicks over the field and 20 on the hidden button");
    const int snake = x.Shoot().Count('o');
    // A second game laid over the first would show 16; a meal or two may have come between.
    // A game that ran into the wall meanwhile shows its message, which may hide a few cells.
    Check(snake <= 12 && (snake >= 7 || !x.OtherWindows().empty()),
          "still one snake (" + std::to_string(snake) + " green cells)");
    Check(PlayOn(x), "and playable");
    ClosesCleanly(x, "after the clicks");
}

// Minimised and restored, covered, and the focus taken away and given back, in a game.
void Desktop(Session& session) {
    auto& x = dynamic_cast<XSession&>(session);
    Check(IdleShown(x, 15s), "the field is shown");
    x.Click(x.main(), kStartX, kStartY);
    std::set<int> green;
    Check(SnakeShown(x, green), "a game runs");
    // Keep it in play meanwhile: turn it towards the farther wall across its way, 22 moves off.
    Move move;
    Check(NextMove(x, green, move, 5s), "the snake moves");
    const bool alongRow = move.step == 1 || move.step == -1;
    const int line = alongRow ? move.head / kColumns : move.head % kColumns;
    const int away = line < kColumns / 2 ? 1 : -1;
    x.Key(KeyFor(alongRow ? away * kColumns : away));

    x.Minimise(x.main());
    std::this_thread::sleep_for(400ms);
    x.Restore(x.main());
    Check(x.WaitFor([&] { return x.Shoot().Count('#') >= 170; }, 3s), "restored after minimising");

    // Another window over it, and the focus with that window.
    Display* display = x.display();
    const Window cover =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 600, 600, 0, 0, 0x808080);
    XMapRaised(display, cover);
    XFlush(display);
    std::this_thread::sleep_for(200ms);
    x.Activate(cover);
    for (const char* key : {"Left", "Up", "Right", "Down", "Return", "space"}) {
        x.Key(key);  // to the other window
    }
    std::this_thread::sleep_for(300ms);
    XDestroyWindow(display, cover);
    XFlush(display);
    x.Activate(x.main());
    Check(x.Running() && x.OtherWindows().empty(),
          "alive and still in play after being covered and losing the focus");
    Check(PlayOn(x), "playable again once it has the focus back");
    Check(x.WaitFor([&] { return x.Shoot().Count('#') >= 175; }, 3s), "the ring is whole");
    ClosesCleanly(x, "after the desktop's comings and goings");
}

// Without a window manager or compositor that keeps a dialog above its window, the player
// clicks the game's window while the message waits: the message must not get lost.
void BuriedMessage(Session& x) {
    Check(IdleShown(x, 15s), "the field is shown");
    Check(StartsWithSpace(x) && MessageShown(x, 15s), "a game left alone ends with the message");
    Check(x.WaitFor([&] { return MessageInFront(x); }, 5s),
          "the message shows over the field and has the keyboard");
    x.BringForward(x.main());
    std::this_thread::sleep_for(500ms);
    Check(x.WaitFor([&] { return MessageInFront(x); }, 5s),
          "the game's window brought forward, the message is back in front with the keyboard");
    x.Key("Return");
    Check(IdleShown(x, 15s) && x.OtherWindows().empty(),
          "Enter dismisses it: the field is empty again, \"Start!\" is back");
    ClosesCleanly(x, "after the message came back");
}

void CloseWhileMessage(Session& x) {
    Check(IdleShown(x, 15s), "the field is shown");
    Check(StartsWithSpace(x) && MessageShown(x, 15s), "the game ends at the wall");
    ClosesCleanly(x, "while the message is shown");
}

void CloseRightAfterStart(Session& x) {
    Check(IdleShown(x, 15s), "the field is shown");
    x.Click(x.main(), kStartX, kStartY);
    ClosesCleanly(x, "right after \"Start!\"");
}

void CloseAtOnce(Session& x) {
    ClosesCleanly(x, "as soon as it is shown");
}

}  // namespace

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

int main(int argc, char* argv[]) {
    const std::map<std::string, void (*)(Session&)> scenarios = {
        {"play", Play},
        {"left-alone", LeftAlone},
        {"key-storm", KeyStorm},
        {"clicks", Clicks},
        {"desktop", Desktop},
        {"buried-message", BuriedMessage},
        {"close-while-message", CloseWhileMessage},
        {"close-after-start", CloseRightAfterStart},
        {"close-at-once", CloseAtOnce},
    };
    if (argc != 3 || scenarios.count(argv[2]) == 0) {
        std::fprintf(
            stderr,
            "usage: snake_e2e <game binary> <scenario>\n"
            "plays on sway when SWAYSOCK is set, in a nested KWin (scripts/with-desktop.sh kde)\n"
            "natively unless QT_QPA_PLATFORM=xcb, in a nested GNOME Shell natively where the\n"
            "game chooses to, else on the X server in DISPLAY\n"
            "scenarios:");
        for (const auto& [name, run] : scenarios) {
            std::fprintf(stderr, " %s", name.c_str());
        }
        std::fprintf(stderr, "\n");
        return 2;
    }
    std::unique_ptr<Session> session;
    if (std::getenv("SWAYSOCK") != nullptr) {
        session = std::make_unique<SwaySession>();
    } else if (Env("SNAKE_HOST_DISPLAY") != "" && Env("XDG_CURRENT_DESKTOP") == "KDE" &&
               Env("QT_QPA_PLATFORM") != "xcb") {  // natively in a nested KWin
        session = std::make_unique<KWinSession>();
    } else if (Env("SNAKE_HOST_DISPLAY") != "" && Env("XDG_CURRENT_DESKTOP") == "GNOME" &&
               Env("QT_QPA_PLATFORM") == "" && snake::PreferredPlatform().isEmpty()) {
        // natively in a nested GNOME Shell, by the game's own choice (Qt's Adwaita decoration)
        session = std::make_unique<GnomeSession>();
    } else if (auto x = std::make_unique<XSession>(); x->display() != nullptr) {
        session = std::move(x);
    } else {
        std::fprintf(stderr, "snake_e2e: no X display\n");
        return 2;
    }
    if (Check(session->Launch(argv[1]), "the game's window appears")) {
        session->Activate(session->main());
        try {
            scenarios.at(argv[2])(*session);
        } catch (const std::exception& error) {  // a scenario this desktop cannot play
            Check(false, error.what());
        }
    }
    std::printf("%s: %d passed, %d failed\n", argv[2], passed, failed);
    return failed == 0 ? 0 : 1;
}
