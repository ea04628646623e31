// The game as a native Wayland client of a desktop shell nested in an X server
// (scripts/with-desktop.sh): windows as the shell lists them, asked through D-Bus; keys, clicks
// and pixels through the hosting X server, as for XSession in a nested shell.
// KWinSession asks KWin through a KWin script, GnomeSession asks GNOME Shell to evaluate
// JavaScript (the session's own extension lets it).
#pragma once

#include <string>
#include <vector>

#include "xsession.h"

namespace snake::e2e {

class ShellSession : public XSession {
  public:
    std::vector<WindowId> OtherWindows() override;
    std::string Title(WindowId window) override;
    bool Size(WindowId window, int& width, int& height) override;
    std::optional<std::pair<double, double>> FrameCentre(WindowId window) override;
    WindowId Focused() override;
    void Click(WindowId window, int x, int y) override;
    int TitleBarHeight(WindowId window) override;
    bool OffersMaximise(WindowId window) override;

  protected:
    struct View {
        WindowId id = 0;  // 1 + its place in `ids_`
        pid_t pid = 0;
        std::string caption;  // KWin adds " <2>" to a second window of the same title
        bool active = false;
        bool maximisable = false;
        double frame[4] = {};   // x, y, width, height on the output
        double client[4] = {};  // the client area, under the title bar
    };
    // One line a window: "<shell's id> <pid> <active 0|1> <maximisable 0|1> <frame x y w h>
    // <client x y w h> <caption>".
    virtual std::vector<std::string> Windows() = 0;
    // The shell's id of a window seen, or empty.
    std::string ShellId(WindowId window) const;
    WindowId FindMain() override;
    std::vector<std::uint32_t> Grab() override;

  private:
    std::vector<View> Views();
    std::optional<View> Find(WindowId window);

    std::vector<std::string> ids_;  // the shell's window ids seen so far
    std::optional<std::pair<int, int>> clientAt_;
};

class KWinSession final : public ShellSession {
  public:
    void Activate(WindowId window) override;
    void Close(WindowId window) override;

  protected:
    const char* Platform() const override { return "wayland"; }
    std::vector<std::string> Windows() override;

  private:
    // Runs `body` in KWin for each of its windows `c`; returns what it printed.
    std::vector<std::string> Script(const std::string& body);
    void ForWindow(WindowId window, const std::string& statement);

    int scripts_ = 0;
};

// Natively in GNOME Shell, where the game draws its own title bar (Qt's Adwaita decoration)
// and mutter alone places its windows.
class GnomeSession final : public ShellSession {
  public:
    void Activate(WindowId window) override;
    void Close(WindowId window) override;
    bool PlacesDialogs() const override { return true; }

  protected:
    const char* Platform() const override { return nullptr; }
    std::vector<std::string> Windows() override;

  private:
    // What GNOME Shell makes of the JavaScript expression `code`, as a string.
    std::string Eval(const std::string& code);
    void ForWindow(WindowId window, const std::string& method);
};

}  // namespace snake::e2e
