// The game on an X server: windows found through the server's tree and EWMH, pixels read
// back from the server, keys and clicks through XTest. In a desktop shell nested in an X
// server (SNAKE_HOST_DISPLAY, scripts/with-desktop.sh), the game's X server is the shell's
// XWayland: keys and clicks go in and pixels come back through the hosting server, the way
// the shell takes them in and draws them; the game's platform is QT_QPA_PLATFORM as given,
// or the game's own choice.
#pragma once

#include <X11/Xlib.h>

#include "session.h"

namespace snake::e2e {

class XSession : public Session {
  public:
    XSession();
    ~XSession() override;

    std::vector<WindowId> OtherWindows() override;
    std::string Title(WindowId window) override;
    bool Size(WindowId window, int& width, int& height) override;
    std::optional<std::pair<double, double>> FrameCentre(WindowId window) override;
    WindowId Focused() override;

    void Key(const char* keysym) override;
    void KeyDown(const char* keysym) override;
    void KeyUp(const char* keysym) override;
    void Click(WindowId window, int x, int y) override;
    void BringForward(WindowId window) override;  // clicks its top left corner
    void Activate(WindowId window) override;      // through the window manager, if there is one
    void Close(WindowId window) override;
    void Minimise(WindowId window);  // iconify
    void Restore(WindowId window);
    // The height of the title bar the window manager draws, 0 without one.
    virtual int TitleBarHeight(WindowId window);
    // The window manager lets the window be maximised (_NET_WM_ALLOWED_ACTIONS).
    virtual bool OffersMaximise(WindowId window);

    Display* display() const { return display_; }

  protected:
    // A click at a point of the screen; the pixels of the hosting server's screen from a point.
    void ClickAt(int x, int y);
    std::vector<std::uint32_t> GrabHost(int left, int top);

    const char* Platform() const override { return host_ != nullptr ? platform_ : "xcb"; }
    WindowId FindMain() override;
    std::vector<std::uint32_t> Grab() override;

  private:
    Atom atom(const char* name);
    bool Managed();  // a window manager runs
    Display* input() const { return host_ != nullptr ? host_ : display_; }
    // The frame's extents the window manager gives: left, right, top, bottom.
    std::optional<std::array<long, 4>> FrameExtents(WindowId window);

    Display* display_ = nullptr;
    Display* host_ = nullptr;  // the X server a nested shell draws in
    const char* platform_ = nullptr;
};

}  // namespace snake::e2e
