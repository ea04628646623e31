// The game as a native Wayland client of KWin nested in an X server (scripts/with-desktop.sh
// kde): windows as KWin lists them, read by a KWin script through D-Bus; keys, clicks and
// pixels through the hosting X server, as for XSession in a nested shell.
#pragma once

#include "xsession.h"

namespace snake::e2e {

class KWinSession final : public XSession {
  public:
    std::vector<WindowId> OtherWindows() override;
    std::string Title(WindowId window) override;
    bool Size(WindowId window, int& width, int& height) override;
    std::optional<std::pair<double, double>> FrameCentre(WindowId window) override;
    WindowId Focused() override;
    void Click(WindowId window, int x, int y) override;
    void Activate(WindowId window) override;
    void Close(WindowId window) override;
    int TitleBarHeight(WindowId window) override;
    bool OffersMaximise(WindowId window) override;

  protected:
    const char* Platform() const override { return "wayland"; }
    WindowId FindMain() override;
    std::vector<std::uint32_t> Grab() override;

  private:
    struct View {
        WindowId id = 0;  // 1 + its place in `ids_`
        pid_t pid = 0;
        std::string caption;  // KWin adds " <2>" to a second window of the same title
        bool active = false;
        bool maximisable = false;
        double frame[4] = {};   // x, y, width, height on the output
        double client[4] = {};  // its surface, the client area under KWin's title bar
    };
    // Runs `body` in KWin for each of its windows `c`, after `prefix`; returns what it printed.
    std::vector<std::string> Script(const std::string& body);
    std::vector<View> Views();
    std::optional<View> Find(WindowId window);
    void ForWindow(WindowId window, const std::string& statement);

    std::vector<std::string> ids_;  // KWin's window ids seen so far
    int scripts_ = 0;
    std::optional<std::pair<int, int>> clientAt_;
};

}  // namespace snake::e2e
