#include "kwinsession.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace snake::e2e {

namespace {
constexpr int kClient = 377;

bool DBus(const std::string& arguments) {
    const std::string command =
        "dbus-send --session --print-reply --dest=org.kde.KWin /Scripting "
        "org.kde.kwin.Scripting." +
        arguments + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}
}  // namespace

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
    if (log == nullptr || !DBus("loadScript string:" + path + " string:" + tag) || !DBus("start")) {
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
    DBus("unloadScript string:" + tag);
    std::remove(path.c_str());
    return lines;
}

std::vector<KWinSession::View> KWinSession::Views() {
    const std::string tag = "SNAKE" + std::to_string(getpid()) + "-" + std::to_string(scripts_ + 1);
    const auto lines = Script(
        "var f = c.frameGeometry, g = c.bufferGeometry; print('" + tag +
        " ' + c.internalId + ' ' + c.pid + ' ' + (c.active ? 1 : 0) + ' ' + "
        "(c.maximizable ? 1 : 0) + ' ' + f.x + ' ' + f.y + ' ' "
        "+ f.width + ' ' + f.height + ' ' + g.x + ' ' + g.y + ' ' + g.width + ' ' + g.height + "
        "' ' + c.caption);");
    std::vector<View> views;
    for (const std::string& line : lines) {
        std::istringstream in(line);
        std::string uuid;
        View view;
        int active = 0;
        int maximisable = 0;
        if (!(in >> uuid >> view.pid >> active >> maximisable >> view.frame[0] >> view.frame[1] >>
              view.frame[2] >> view.frame[3] >> view.client[0] >> view.client[1] >>
              view.client[2] >> view.client[3])) {
            continue;
        }
        view.active = active != 0;
        view.maximisable = maximisable != 0;
        std::getline(in >> std::ws, view.caption);
        auto known = std::find(ids_.begin(), ids_.end(), uuid);
        if (known == ids_.end()) {
            known = ids_.insert(ids_.end(), uuid);
        }
        view.id = static_cast<WindowId>(known - ids_.begin()) + 1;
        views.push_back(view);
    }
    return views;
}

std::optional<KWinSession::View> KWinSession::Find(WindowId window) {
    for (const View& view : Views()) {
        if (view.id == window) {
            return view;
        }
    }
    return std::nullopt;
}

Session::WindowId KWinSession::FindMain() {
    for (const View& view : Views()) {
        if (view.pid == pid() && view.caption == GameTitle() && view.client[2] == kClient) {
            return view.id;
        }
    }
    return 0;
}

std::vector<Session::WindowId> KWinSession::OtherWindows() {
    std::vector<WindowId> found;
    for (const View& view : Views()) {
        if (view.pid == pid() && view.id != main() && view.caption.rfind(GameTitle(), 0) == 0) {
            found.push_back(view.id);
        }
    }
    return found;
}

std::string KWinSession::Title(WindowId window) {
    const auto view = Find(window);
    return view ? view->caption : std::string();
}

bool KWinSession::Size(WindowId window, int& width, int& height) {
    const auto view = Find(window);
    if (view) {
        width = static_cast<int>(view->client[2]);
        height = static_cast<int>(view->client[3]);
    }
    return view.has_value();
}

std::optional<std::pair<double, double>> KWinSession::FrameCentre(WindowId window) {
    const auto view = Find(window);
    if (!view) {
        return std::nullopt;
    }
    return std::pair{view->frame[0] + view->frame[2] / 2, view->frame[1] + view->frame[3] / 2};
}

int KWinSession::TitleBarHeight(WindowId window) {
    const auto view = Find(window);
    return view ? static_cast<int>(view->client[1] - view->frame[1]) : 0;
}

bool KWinSession::OffersMaximise(WindowId window) {
    const auto view = Find(window);
    return view && view->maximisable;
}

Session::WindowId KWinSession::Focused() {
    for (const View& view : Views()) {
        if (view.active && view.pid == pid()) {
            return view.id;
        }
    }
    return 0;
}

void KWinSession::Click(WindowId window, int x, int y) {
    if (const auto view = Find(window)) {
        ClickAt(static_cast<int>(view->client[0]) + x, static_cast<int>(view->client[1]) + y);
    }
}

void KWinSession::ForWindow(WindowId window, const std::string& statement) {
    if (window >= 1 && window <= ids_.size()) {
        Script("if (c.internalId == '" + ids_[window - 1] + "') { " + statement + " }");
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

std::vector<std::uint32_t> KWinSession::Grab() {
    // The game's window stays where KWin put it: asked once.
    if (!clientAt_) {
        if (const auto view = Find(main())) {
            clientAt_ =
                std::pair{static_cast<int>(view->client[0]), static_cast<int>(view->client[1])};
        }
    }
    return clientAt_ ? GrabHost(clientAt_->first, clientAt_->second) : std::vector<std::uint32_t>{};
}

}  // namespace snake::e2e
