// The game as a native Wayland client of sway: windows read from sway's tree (swaymsg),
// pixels grabbed from its output (grim), keys typed by a virtual keyboard (wtype). sway
// here has no pointer, so there are no clicks; focusing a window is what a click does.
#pragma once

#include "session.h"

namespace snake::e2e {

class SwaySession final : public Session {
  public:
    std::vector<WindowId> OtherWindows() override;
    std::string Title(WindowId window) override;
    std::optional<std::string> AppId(WindowId window) override;
    bool Size(WindowId window, int& width, int& height) override;
    WindowId Focused() override;

    void Key(const char* keysym) override;
    void KeyDown(const char* keysym) override;
    void KeyUp(const char* keysym) override;
    void Click(WindowId window, int x, int y) override;  // throws: no pointer
    void BringForward(WindowId window) override;
    void Activate(WindowId window) override;
    void Close(WindowId window) override;

  protected:
    const char* Platform() const override { return "wayland"; }
    WindowId FindMain() override;
    std::vector<std::uint32_t> Grab() override;

  private:
    struct View {
        WindowId id = 0;
        pid_t pid = 0;
        std::string name;
        std::string appId;
        bool focused = false;
        int x = 0;  // the client area on the output
        int y = 0;
        int width = 0;
        int height = 0;
    };
    std::vector<View> Views();  // every client window in sway's tree
    std::optional<View> Find(WindowId window);
    void Command(WindowId window, const char* command);
};

}  // namespace snake::e2e
