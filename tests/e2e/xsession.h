// The game on an X server: windows found through the server's tree and EWMH, pixels read
// back from the server, keys and clicks through XTest.
#pragma once

#include <X11/Xlib.h>

#include "session.h"

namespace snake::e2e {

class XSession final : public Session {
  public:
    XSession();
    ~XSession() override;

    std::vector<WindowId> OtherWindows() override;
    std::string Title(WindowId window) override;
    bool Size(WindowId window, int& width, int& height) override;
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

    Display* display() const { return display_; }

  protected:
    const char* Platform() const override { return "xcb"; }
    WindowId FindMain() override;
    std::vector<std::uint32_t> Grab() override;

  private:
    Atom atom(const char* name);
    bool Managed();  // a window manager runs

    Display* display_ = nullptr;
};

}  // namespace snake::e2e
