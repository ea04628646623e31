// A player at a real X server: starts the game, finds its windows, reads the field's
// pixels back from the server and types and clicks through XTest.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace snake::e2e {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// One character a cell, as the field shows it: '#' red, '.' white, 'o' green, '*' blue,
// '?' anything else (the button, or a cell half painted).
struct FieldShot {
    std::array<char, 2025> cells{};
    int Count(char c) const;
    std::vector<int> Cells(char c) const;
    bool IsIdle() const;  // the ring red and every other cell white
    std::string Row(int row) const;
};

class XSession {
  public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Starts the game and waits for its window; false when it does not show in time.
    bool Launch(const std::string& binary, std::chrono::milliseconds timeout = 15s);

    Window main() const { return main_; }
    pid_t pid() const { return pid_; }
    // The game's other viewable top-level windows (the message box, while it is shown).
    std::vector<Window> OtherWindows();
    std::string Title(Window window);
    bool Size(Window window, int& width, int& height);

    FieldShot Shoot();
    // The colour at a pixel of the main window's client area, 0xRRGGBB.
    unsigned long Pixel(int x, int y);
    // True when the "Start!" button shows: its area does not look like field.
    bool StartButtonShown();

    void Key(const char* keysym);  // press and release
    void KeyDown(const char* keysym);
    void KeyUp(const char* keysym);
    void Click(Window window, int x, int y);
    void Activate(Window window);
    void Close(Window window);     // as the window manager's close button does
    void Minimise(Window window);  // iconify
    void Restore(Window window);

    // Polls `done` until it holds or `timeout` passes.
    bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    // Waits for the game to end; returns its exit status, or -1 on a timeout or a signal.
    int WaitExit(std::chrono::milliseconds timeout);
    bool Running();

    Display* display() const { return display_; }

  private:
    Window FindMain();
    Atom atom(const char* name);

    Display* display_ = nullptr;
    pid_t pid_ = -1;
    Window main_ = 0;
    int exitStatus_ = -1;
    bool exited_ = false;
};

}  // namespace snake::e2e
