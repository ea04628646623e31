#include "swaysession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace snake::e2e {

namespace {
constexpr int kClient = 377;

void Run(const std::string& command) {
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "sway session: '%s' failed\n", command.c_str());
    }
}

void CollectViews(const QJsonObject& node, auto& views) {
    if (node.contains(QStringLiteral("pid"))) {
        const QJsonObject rect = node[QStringLiteral("rect")].toObject();
        const QJsonObject inner = node[QStringLiteral("window_rect")].toObject();
        views.push_back({
            .id = static_cast<unsigned long>(node[QStringLiteral("id")].toInteger()),
            .pid = static_cast<pid_t>(node[QStringLiteral("pid")].toInteger()),
            .name = node[QStringLiteral("name")].toString().toStdString(),
            .appId = node[QStringLiteral("app_id")].toString().toStdString(),
            .focused = node[QStringLiteral("focused")].toBool(),
            .x = rect[QStringLiteral("x")].toInt() + inner[QStringLiteral("x")].toInt(),
            .y = rect[QStringLiteral("y")].toInt() + inner[QStringLiteral("y")].toInt(),
            .width = inner[QStringLiteral("width")].toInt(),
            .height = inner[QStringLiteral("height")].toInt(),
        });
    }
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue child : node[QLatin1String(children)].toArray()) {
            CollectViews(child.toObject(), views);
        }
    }
}
}  // namespace

std::vector<SwaySession::View> SwaySession::Views() {
    std::vector<View> views;
    const std::string tree = Output("swaymsg -r -t get_tree");
    CollectViews(QJsonDocument::fromJson(QByteArray::fromStdString(tree)).object(), views);
    return views;
}

std::optional<SwaySession::View> SwaySession::Find(WindowId window) {
    for (const View& view : Views()) {
        if (view.id == window) {
            return view;
        }
    }
    return std::nullopt;
}

Session::WindowId SwaySession::FindMain() {
    for (const View& view : Views()) {
        if (view.pid == pid()) {
            return view.id;
        }
    }
    return 0;
}

std::vector<Session::WindowId> SwaySession::OtherWindows() {
    std::vector<WindowId> found;
    for (const View& view : Views()) {
        if (view.pid == pid() && view.id != main() && view.name == GameTitle()) {
            found.push_back(view.id);
        }
    }
    return found;
}

std::string SwaySession::Title(WindowId window) {
    const auto view = Find(window);
    return view ? view->name : std::string();
}

std::optional<std::string> SwaySession::AppId(WindowId window) {
    const auto view = Find(window);
    return view ? view->appId : std::string();
}

bool SwaySession::Size(WindowId window, int& width, int& height) {
    const auto view = Find(window);
    if (view) {
        width = view->width;
        height = view->height;
    }
    return view.has_value();
}

Session::WindowId SwaySession::Focused() {
    for (const View& view : Views()) {
        if (view.focused && view.pid == pid()) {
            return view.id;
        }
    }
    return 0;
}

std::vector<std::uint32_t> SwaySession::Grab() {
    // What the output shows there, windows over the game's window included.
    std::vector<std::uint32_t> pixels;
    const auto view = Find(main());
    if (!view) {
        return pixels;
    }
    const std::string area = std::to_string(view->x) + "," + std::to_string(view->y) + " " +
                             std::to_string(kClient) + "x" + std::to_string(kClient);
    const std::string ppm = Output("grim -g '" + area + "' -t ppm -");
    const std::string header =
        "P6\n" + std::to_string(kClient) + " " + std::to_string(kClient) + "\n255\n";
    if (ppm.size() != header.size() + 3 * kClient * kClient ||
        ppm.compare(0, header.size(), header) != 0) {
        return pixels;
    }
    pixels.reserve(kClient * kClient);
    for (std::size_t i = header.size(); i < ppm.size(); i += 3) {
        const auto byte = [&](std::size_t at) { return static_cast<std::uint8_t>(ppm[at]); };
        pixels.push_back(std::uint32_t{byte(i)} << 16 | std::uint32_t{byte(i + 1)} << 8 |
                         byte(i + 2));
    }
    return pixels;
}

void SwaySession::Key(const char* keysym) {
    Run(std::string("wtype -k ") + keysym);
}

void SwaySession::KeyDown(const char* keysym) {
    Run(std::string("wtype -P ") + keysym);
}

void SwaySession::KeyUp(const char* keysym) {
    Run(std::string("wtype -p ") + keysym);
}

void SwaySession::Click(WindowId /*window*/, int /*x*/, int /*y*/) {
    throw std::runtime_error("no clicks on this sway: it has no pointer");
}

void SwaySession::Command(WindowId window, const char* command) {
    Run("swaymsg -q '[con_id=" + std::to_string(window) + "] " + command + "'");
}

void SwaySession::BringForward(WindowId window) {
    Command(window, "focus");
}

void SwaySession::Activate(WindowId window) {
    Command(window, "focus");
}

void SwaySession::Close(WindowId window) {
    Command(window, "kill");
}

}  // namespace snake::e2e
