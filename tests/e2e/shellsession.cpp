#include "shellsession.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace snake::e2e {

namespace {
constexpr int kClient = 377;

bool KWinCall(const std::string& arguments) {
    const std::string command =
        "dbus-send --session --print-reply --dest=org.kde.KWin /Scripting "
        "org.kde.kwin.Scripting." +
        arguments + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}
}  // namespace

std::vector<ShellSession::View> ShellSession::Views() {
    std::vector<View> views;
    for (const std::string& line : Windows()) {
        std::istringstream in(line);
        std::string shellId;
        View view;
        int active = 0;
        int maximisable = 0;
        if (!(in >> shellId >> view.pid >> active >> maximisable >> view.frame[0] >>
              view.frame[1] >> view.frame[2] >> view.frame[3] >> view.client[0] >> view.client[1] >>
              view.client[2] >> view.client[3])) {
            continue;
        }
        view.active = active != 0;
        view.maximisable = maximisable != 0;
        std::getline(in >> std::ws, view.caption);
        auto known = std::find(ids_.begin(), ids_.end(), shellId);
        if (known == ids_.end()) {
            known = ids_.insert(ids_.end(), shellId);
        }
        view.id = static_cast<WindowId>(known - ids_.begin()) + 1;
        views.push_back(view);
    }
    return views;
}

std::string ShellSession::ShellId(WindowId window) const {
    return window >= 1 && window <= ids_.size() ? ids_[window - 1] : std::string();
}

std::optional<ShellSession::View> ShellSession::Find(WindowId window) {
    for (const View& view : Views()) {
        if (view.id == window) {
            return view;
        }
    }
    return std::nullopt;
}

Session::WindowId ShellSession::FindMain() {
    for (const View& view : Views()) {
        if (view.pid == pid() && view.caption == GameTitle() && view.client[2] == kClient) {
            return view.id;
        }
    }
    return 0;
}

std::vector<Session::WindowId> ShellSession::OtherWindows() {
    std::vector<WindowId> found;
    for (const View& view : Views()) {
        if (view.pid == pid() && view.id != main() && view.caption.rfind(GameTitle(), 0) == 0) {
            found.push_back(view.id);
        }
    }
    return found;
}

std::string ShellSession::Title(WindowId window) {
    const auto view = Find(window);
    return view ? view->caption : std::string();
}

bool ShellSession::Size(WindowId window, int& width, int& height) {
    const auto view = Find(window);
    if (view) {
        width = static_cast<int>(view->client[2]);
        height = static_cast<int>(view->client[3]);
    }
    return view.has_value();
}

std::optional<std::pair<double, double>> ShellSession::FrameCentre(WindowId window) {
    const auto view = Find(window);
    if (!view) {
        return std::nullopt;
    }
    return std::pair{view->frame[0] + view->frame[2] / 2, view->frame[1] + view->frame[3] / 2};
}

int ShellSession::TitleBarHeight(WindowId window) {
    const auto view = Find(window);
    return view ? static_cast<int>(view->client[1] - view->frame[1]) : 0;
}

bool ShellSession::OffersMaximise(WindowId window) {
    const auto view = Find(window);
    return view && view->maximisable;
}

Session::WindowId ShellSession::Focused() {
    for (const View& view : Views()) {
        if (view.active && view.pid == pid()) {
            return view.id;
        }
    }
    return 0;
}

void ShellSession::Click(WindowId window, int x, int y) {
    if (const auto view = Find(window)) {
        ClickAt(static_cast<int>(view->client[0]) + x, static_cast<int>(view->client[1]) + y);
    }
}

std::vector<std::uint32_t> ShellSession::Grab() {
    // The game's window stays where the shell put it: asked once.
    if (!clientAt_) {
        if (const auto view = Find(main())) {
            clientAt_ =
                std::pair{static_cast<int>(view->client[0]), static_cast<int>(view->client[1])};
        }
    }
    return clientAt_ ? GrabHost(clientAt_->first, clientAt_->second) : std::vector<std::uint32_t>{};
}

// ----------------------------------------------------------------------------------- KWin

std::vector<std::string> KWinSession::Script(const std::string& body) {
    // KWin prints what a script prints to its log (kwin_scripting.debug, with-desktop.sh).
    const char* log = std::getenv("SNAKE_SHELL_LOG");
    const std::string tag = "SNAKE" + std::to_string(getpid()) + "-" + std::to_string(++scripts_);
    const std::string path = std::string(std::getenv("XDG_RUNTIME_DIR")) + "/" + tag + ".js";
    // KWin 6 renamed clientList() and activeClient to windowList() and activeWindow.
    std::ofstream(path) << "var cs = workspace.windowList ? workspace.windowList()"
                        << " : workspace.clientList();\n"
                        << "for (var i = 0; i < cs.length; ++i) { var c = cs[i]; " << body
                        << " }\nprint('" << tag << " END');\n";
    std::vector<std::string> lines;
    if (log == nullptr || !KWinCall("loadScript string:" + path + " string:" + tag) ||
        !KWinCall("start")) {
        return lines;
    }
    const auto end = Clock::now() + 5s;
    bool done = false;
    while (!done && Clock::now() < end) {
        lines.clear();
        std::ifstream in(log);
        for (std::string line; std::getline(in, line);) {
            const auto at = line.find(tag + " ");
            if (at != std::string::npos) {
                done = done || line.compare(at + tag.size() + 1, 3, "END") == 0;
                lines.push_back(line.substr(at + tag.size() + 1));
            }
        }
        if (!done) {
            std::this_thread::sleep_for(10ms);
        }
    }
    KWinCall("unloadScript string:" + tag);
    std::remove(path.c_str());
    return lines;
}

std::vector<std::string> KWinSession::Windows() {
    const std::string tag = "SNAKE" + std::to_string(getpid()) + "-" + std::to_string(scripts_ + 1);
    return Script("var f = c.frameGeometry, g = c.bufferGeometry; print('" + tag +
                  " ' + c.internalId + ' ' + c.pid + ' ' + (c.active ? 1 : 0) + ' ' + "
                  "(c.maximizable ? 1 : 0) + ' ' + f.x + ' ' + f.y + ' ' + f.width + ' ' + "
                  "f.height + ' ' + g.x + ' ' + g.y + ' ' + g.width + ' ' + g.height + "
                  "' ' + c.caption);");
}

void KWinSession::ForWindow(WindowId window, const std::string& statement) {
    if (const std::string id = ShellId(window); !id.empty()) {
        Script("if (c.internalId == '" + id + "') { " + statement + " }");
    }
}

void KWinSession::Activate(WindowId window) {
    ForWindow(window,
              "if ('activeWindow' in workspace) workspace.activeWindow = c;"
              " else workspace.activeClient = c;");
}

void KWinSession::Close(WindowId window) {
    ForWindow(window, "c.closeWindow();");
}

// ---------------------------------------------------------------------------------- GNOME

std::string GnomeSession::Eval(const std::string& code) {
    // The reply's second line: `   string "<the value as JSON>"`; ours never holds a quote.
    const std::string reply = Output(
        "dbus-send --session --print-reply --dest=org.gnome.Shell /org/gnome/Shell "
        "org.gnome.Shell.Eval 'string:" +
        code + "' 2>/dev/null");
    const auto open = reply.find("string \"\"");
    const auto close = reply.rfind("\"\"");
    return open != std::string::npos && close > open + 9 ? reply.substr(open + 9, close - open - 9)
                                                         : std::string();
}

std::vector<std::string> GnomeSession::Windows() {
    // Qt draws the title bar and a border of one pixel inside the frame mutter knows (the
    // window geometry it asks for); its shadow lies outside.
    const std::string lines = Eval(
        "global.get_window_actors().map(a => { const w = a.meta_window, f = w.get_frame_rect();"
        " return [w.get_stable_sequence(), w.get_pid(), w.has_focus() ? 1 : 0,"
        " w.can_maximize() ? 1 : 0, f.x, f.y, f.width, f.height, f.x + 1, f.y + 39,"
        " f.width - 2, f.height - 40, w.get_title()].join(\" \"); }).join(\"|\")");
    std::vector<std::string> windows;
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line, '|');) {
        windows.push_back(line);
    }
    return windows;
}

void GnomeSession::ForWindow(WindowId window, const std::string& method) {
    if (const std::string id = ShellId(window); !id.empty()) {
        Eval(
            "global.get_window_actors().map(a => a.meta_window).filter(w =>"
            " w.get_stable_sequence() == " +
            id + ").forEach(w => w." + method + "(global.get_current_time()))");
    }
}

void GnomeSession::Activate(WindowId window) {
    ForWindow(window, "activate");
}

void GnomeSession::Close(WindowId window) {
    ForWindow(window, "delete");
}

}  // namespace snake::e2e
