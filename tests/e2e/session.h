// A player at a real desktop: starts the game, finds its windows, reads the field's pixels
// back from the display and types, clicks and closes as the desktop lets a player do.
// XSession plays on an X server, SwaySession on the sway Wayland compositor.
#pragma once

#include <sys/types.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace snake::e2e {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// One character a cell, as the field shows it: '#' red, '.' white, 'o' green, '*' blue,
// '?' anything else (the button, a window over the field, or a cell half painted).
struct FieldShot {
    std::array<char, 2025> cells{};
    int Count(char c) const;
    std::vector<int> Cells(char c) const;
    bool IsIdle() const;  // the ring red and every other cell white
    bool StartButtonShown() const;
};

// The game's title in the player's language: SNAKE_TITLE, else the English one. The game's
// windows are found by it.
std::string GameTitle();

// What a shell command prints on its standard output.
std::string Output(const std::string& command);

class Session {
  public:
    using WindowId = unsigned long;  // an X window, or a sway container

    Session() = default;
    virtual ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Starts the game and waits for its window; false when it does not show in time.
    bool Launch(const std::string& binary, std::chrono::milliseconds timeout = 60s);

    WindowId main() const { return main_; }
    pid_t pid() const { return pid_; }
    // The game's other windows on screen (the message box, while it is shown).
    virtual std::vector<WindowId> OtherWindows() = 0;
    virtual std::string Title(WindowId window) = 0;
    // The id a Wayland compositor matches to the desktop entry; none on X11.
    virtual std::optional<std::string> AppId(WindowId /*window*/) { return std::nullopt; }
    virtual bool Size(WindowId window, int& width, int& height) = 0;
    // The centre of the window's frame, title bar included, on the screen, where the desktop
    // tells it.
    virtual std::optional<std::pair<double, double>> FrameCentre(WindowId /*window*/) {
        return std::nullopt;
    }
    // The compositor alone places a new dialog, whatever the client asks: mutter puts it a
    // third of the way down its parent, twice as much room below it as above.
    virtual bool PlacesDialogs() const { return false; }
    // The game's window that keys typed now would reach, or 0.
    virtual WindowId Focused() = 0;

    FieldShot Shoot();
    // The colour at a pixel of the main window's client area, 0xRRGGBB.
    unsigned long Pixel(int x, int y);
    // True when the "Start!" button shows: its area does not look like field.
    bool StartButtonShown();

    virtual void Key(const char* keysym) = 0;  // press and release
    virtual void KeyDown(const char* keysym) = 0;
    virtual void KeyUp(const char* keysym) = 0;
    virtual void Click(WindowId window, int x, int y) = 0;
    // What a player does to bring a window forward: a click on a part of it that shows.
    virtual void BringForward(WindowId window) = 0;
    virtual void Activate(WindowId window) = 0;  // as the desktop's task switcher does
    virtual void Close(WindowId window) = 0;     // as the window's close button does

    // Polls `done` until it holds or `timeout` passes.
    bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    // Waits for the game to end; returns its exit status, or -1 on a timeout or a signal.
    int WaitExit(std::chrono::milliseconds timeout);
    bool Running();

  protected:
    // For QT_QPA_PLATFORM; null leaves the choice to the game.
    virtual const char* Platform() const = 0;
    virtual WindowId FindMain() = 0;
    // The main window's client area, 377 x 377 pixels of 0xRRGGBB row by row; empty if it fails.
    virtual std::vector<std::uint32_t> Grab() = 0;

  private:
    pid_t pid_ = -1;
    WindowId main_ = 0;
    int exitStatus_ = -1;
    bool exited_ = false;
};

}  // namespace snake::e2e
