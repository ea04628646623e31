// End-to-end runs of the real game on a real desktop, driven as a player would:
// keys and clicks in, the window's pixels read back from the display (session.h).
//
// usage: snake_e2e <game binary> <scenario>
#include <X11/Xlib.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <thread>

#include "kwinsession.h"
#include "playfield/playfield.h"
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

// One tick's change of the snake: the cell the head entered, and its step.
struct Move {
    int head = -1;
    int step = 0;
    bool grew = false;  // no cell left: the snake had eaten
};

// Waits for the next change of the green cells and checks it is one step of the snake:
// one new cell beside the old ones, at most one cell left. A grab slower than a tick (sway's)
// can miss one: a change of more than one step is passed over, twice at most.
bool NextMove(Session& x, std::set<int>& green, Move& move, std::chrono::milliseconds timeout) {
    std::vector<int> added;
    std::vector<int> removed;
    for (int seen = 0; seen < 3; ++seen) {
        std::set<int> now;
        const bool changed = x.WaitFor(
            [&] {
                const auto cells = x.Shoot().Cells('o');
                now = std::set<int>(cells.begin(), cells.end());
                return now != green && !now.empty();
            },
            timeout);
        if (!changed) {
            return false;
        }
        added.clear();
        removed.clear();
        for (const int cell : now) {
            if (green.count(cell) == 0) {
                added.push_back(cell);
            }
        }
        for (const int cell : green) {
            if (now.count(cell) == 0) {
                removed.push_back(cell);
            }
        }
        green = now;
        if (added.size() == 1 && removed.size() <= 1) {
            break;
        }
    }
    if (added.size() != 1 || removed.size() > 1) {
        return false;
    }
    move.head = added.front();
    move.grew = removed.empty();
    for (const int step : {-1, 1, -kColumns, kColumns}) {
        if (green.count(move.head - step) != 0 && (move.step == 0 || move.step == step)) {
            move.step = step;
            return true;
        }
    }
    // A snake beside its own body: any neighbour will do.
    for (const int step : {-1, 1, -kColumns, kColumns}) {
        if (green.count(move.head - step) != 0) {
            move.step = step;
            return true;
        }
    }
    return false;
}

// Waits for a new game's snake: eight green cells in a line.
bool SnakeShown(Session& x, std::set<int>& green) {
    const bool shown = x.WaitFor([&] { return x.Shoot().Count('o') == 8; }, 5s);
    const auto cells = x.Shoot().Cells('o');
    green = std::set<int>(cells.begin(), cells.end());
    if (!shown || green.size() != 8) {
        return false;
    }
    const int first = *green.begin();
    const int last = *green.rbegin();
    return last - first == 7 || last - first == 7 * kColumns;
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
void CheckCentred(Session& x, const std::string& when) {
    const auto others = x.OtherWindows();
    const auto game = x.FrameCentre(x.main());
    if (!game) {
        return;
    }
    const auto message = others.size() == 1 ? x.FrameCentre(others.front()) : std::nullopt;
    const double dx = message ? message->first - game->first : 1e9;
    const double dy = message ? message->second - game->second : 1e9;
    char offset[64];
    std::snprintf(offset, sizeof offset, "%+.1f, %+.1f", dx, dy);
    Check(std::abs(dx) <= 3 && std::abs(dy) <= 3,
          "the message is centred on the game " + when + " (off by " + offset + " px)");
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
    Check(IdleShown(x, 5s), "the field shows its red ring, white inside, and \"Start!\"");
    Check(x.Pixel(4, 4) == 0 && x.Pixel(372, 200) == 0 && x.Pixel(200, 372) == 0,
          "the frame is black");
    Check(x.Pixel(16, 100) == 0 && x.Pixel(100, 16) == 0, "the grid lines are black");

    std::set<int> green;
    Check(StartsWithSpace(x) && SnakeShown(x, green),
          "Space on the focused \"Start!\" lays a snake of 8 pieces in a line");
    Check(!x.StartButtonShown(), "\"Start!\" is hidden in play");
    Check(x.Shoot().Count('*') <= 1 && x.Shoot().Count('#') == 176, "no second food, the ring red");

    // Turn a quarter at the first move, while the wall ahead is far, and on into the wall.
    Move move;
    NextMove(x, green, move, 2s);
    const int turn = (move.step == 1 || move.step == -1) ? -kColumns : -1;
    x.Key(KeyFor(turn));
    // The key may reach the game a tick or two late: the turn shows within three moves.
    Move turned;
    bool turns = false;
    for (int i = 0; i < 3 && !turns; ++i) {
        turns = NextMove(x, green, turned, 2s) && turned.step == turn;
    }
    Check(turns, std::string("the ") + KeyFor(turn) + " arrow turns it");
    bool steps = true;
    for (int i = 0; i < 3; ++i) {
        steps = steps && NextMove(x, green, turned, 2s);
    }
    Check(steps, "the snake moves one cell a tick");

    // A nested shell draws the message a moment after it maps: the field is read once it shows.
    Check(MessageShown(x, 10s) && x.WaitFor([&] { return x.Shoot().Count('?') >= 100; }, 5s),
          "hitting the wall brings up the message over the field, titled \"Velmor's Snake\"");
    const FieldShot dead = x.Shoot();
    int onRing = 0;
    for (const int cell : dead.Cells('o')) {
        onRing += IsBorderCell(cell) ? 1 : 0;
    }
    Check(onRing == 1, "the head stands on the ring");
    x.Key("Left");
    std::this_thread::sleep_for(500ms);
    Check(x.Shoot().cells == dead.cells && x.OtherWindows().size() == 1,
          "nothing moves while the message is shown, and there is one message");
    if (desktop != nullptr && x.OtherWindows().size() == 1) {
        const auto message = x.OtherWindows().front();
        Check(desktop->TitleBarHeight(message) > 0 && !desktop->OffersMaximise(message),
              "the desktop draws the message's title bar and offers no maximising");
    }
    CheckCentred(x, "as it opens");
    if (const char* picture = std::getenv("SNAKE_PICTURE"); picture != nullptr) {
        SavePicture(x, picture);
    }
    // The player clicks the game while the message waits.
    x.BringForward(x.main());
    std::this_thread::sleep_for(500ms);
    Check(x.WaitFor([&] { return MessageInFront(x); }, 5s),
          "a click on the game leaves the message in front, with the keyboard");
    CheckCentred(x, "after a click on the game");

    x.Key("Return");
    Check(IdleShown(x, 5s), "Enter dismisses it: the field is empty again, \"Start!\" is back");
    Check(x.OtherWindows().empty(), "the message is gone");

    x.Key("space");
    Check(SnakeShown(x, green), "Space on the focused \"Start!\" begins the next game");
    Check(NextMove(x, green, move, 2s), "and the new snake moves");
    // A snake laid over the food hides it until its tail has passed.
    Check(x.WaitFor([&] { return x.Shoot().Count('*') == 1; }, 2s), "and the food shows");
    ClosesCleanly(x, "in a game");
}

// A game nobody touches runs into the wall within 45 ticks.
void LeftAlone(Session& x) {
    Check(IdleShown(x, 5s), "the field is shown");
    x.Click(x.main(), kStartX, kStartY);
    std::set<int> green;
    Check(SnakeShown(x, green), "a snake of 8 appears");
    int moves = 0;
    int meals = 0;  // food can lie in its way
    Move move;
    while (x.OtherWindows().empty() && moves < 60 && NextMove(x, green, move, 2s)) {
        ++moves;
        meals += move.grew ? 1 : 0;
    }
    Check(MessageShown(x, 2s), "the game ends by itself");
    Check(moves <= 44, "within 45 ticks (" + std::to_string(moves) + " moves seen)");
    const int length = x.Shoot().Count('o');
    Check(length == 8 + meals,
          "the snake that hit the wall was 8 pieces long, and one more for "
          "each meal (" +
              std::to_string(length) + " green cells, " + std::to_string(meals) + " meals)");
    x.Key("Escape");
    Check(IdleShown(x, 5s), "Escape dismisses the message");
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
    Check(IdleShown(x, 5s), "the field is shown");
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
    Check(IdleShown(x, 5s), "the field is shown");
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
    Check(IdleShown(x, 5s), "the field is shown");
    x.Click(x.main(), kStartX, kStartY);
    std::set<int> green;
    Check(SnakeShown(x, green), "a game runs");
    // Keep it in play meanwhile: turn it towards the farther wall across its way, 22 moves off.
    Move move;
    Check(NextMove(x, green, move, 2s), "the snake moves");
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
    Check(IdleShown(x, 5s), "the field is shown");
    Check(StartsWithSpace(x) && MessageShown(x, 15s), "a game left alone ends with the message");
    Check(x.WaitFor([&] { return MessageInFront(x); }, 5s),
          "the message shows over the field and has the keyboard");
    x.BringForward(x.main());
    std::this_thread::sleep_for(500ms);
    Check(x.WaitFor([&] { return MessageInFront(x); }, 5s),
          "the game's window brought forward, the message is back in front with the keyboard");
    x.Key("Return");
    Check(IdleShown(x, 5s) && x.OtherWindows().empty(),
          "Enter dismisses it: the field is empty again, \"Start!\" is back");
    ClosesCleanly(x, "after the message came back");
}

void CloseWhileMessage(Session& x) {
    Check(IdleShown(x, 5s), "the field is shown");
    Check(StartsWithSpace(x) && MessageShown(x, 15s), "the game ends at the wall");
    ClosesCleanly(x, "while the message is shown");
}

void CloseRightAfterStart(Session& x) {
    Check(IdleShown(x, 5s), "the field is shown");
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
            "natively unless QT_QPA_PLATFORM=xcb, else on the X server in DISPLAY\n"
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
