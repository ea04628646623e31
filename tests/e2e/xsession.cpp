#include "xsession.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdlib>

namespace snake::e2e {

namespace {
constexpr int kClient = 377;

// The client area's pixels, 0xRRGGBB row by row; empty without an image. Frees the image.
std::vector<std::uint32_t> Pixels(XImage* image) {
    std::vector<std::uint32_t> pixels;
    if (image == nullptr) {
        return pixels;
    }
    pixels.reserve(kClient * kClient);
    for (int y = 0; y < kClient; ++y) {
        for (int x = 0; x < kClient; ++x) {
            pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFFUL));
        }
    }
    XDestroyImage(image);
    return pixels;
}

// A window's property of `type`, up to `length` items as Xlib hands them (format 32: a long
// each); none where the window has no such property.
template <typename Item>
std::vector<Item> ReadProperty(Display* display, Window window, Atom name, Atom type, long length) {
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<Item> items;
    if (XGetWindowProperty(display, window, name, 0, length, False, type, &actual, &format, &count,
                           &after, &data) == Success &&
        data != nullptr) {
        const auto* first = reinterpret_cast<const Item*>(data);
        items.assign(first, first + count);
        XFree(data);
    }
    return items;
}

// A window may go away between finding it and asking about it: that is no reason to stop.
int IgnoreErrors(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}
}  // namespace

XSession::XSession() : display_(XOpenDisplay(nullptr)), platform_(std::getenv("QT_QPA_PLATFORM")) {
    XSetErrorHandler(IgnoreErrors);
    if (const char* host = std::getenv("SNAKE_HOST_DISPLAY"); host != nullptr) {
        host_ = XOpenDisplay(host);
    }
}

XSession::~XSession() {
    for (Display* display : {display_, host_}) {
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }
}

Atom XSession::atom(const char* name) {
    return XInternAtom(display_, name, False);
}

std::string XSession::Title(WindowId window) {
    const auto title =
        ReadProperty<char>(display_, window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 256);
    return {title.begin(), title.end()};
}

bool XSession::Size(WindowId window, int& width, int& height) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display_, window, &attributes) == 0) {
        return false;
    }
    width = attributes.width;
    height = attributes.height;
    return true;
}

std::optional<std::array<long, 4>> XSession::FrameExtents(WindowId window) {
    const auto values =
        ReadProperty<long>(display_, window, atom("_NET_FRAME_EXTENTS"), XA_CARDINAL, 4);
    if (values.size() != 4) {
        return std::nullopt;
    }
    return std::array<long, 4>{values[0], values[1], values[2], values[3]};
}

std::optional<std::pair<double, double>> XSession::FrameCentre(WindowId window) {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    Window child = 0;
    if (!Size(window, width, height) ||
        XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y,
                              &child) == 0) {
        return std::nullopt;
    }
    const auto frame = FrameExtents(window).value_or(std::array<long, 4>{});
    return std::pair{x - frame[0] + (frame[0] + width + frame[1]) / 2.0,
                     y - frame[2] + (frame[2] + height + frame[3]) / 2.0};
}

int XSession::TitleBarHeight(WindowId window) {
    return static_cast<int>(FrameExtents(window).value_or(std::array<long, 4>{})[2]);
}

bool XSession::OffersMaximise(WindowId window) {
    const auto actions =
        ReadProperty<Atom>(display_, window, atom("_NET_WM_ALLOWED_ACTIONS"), XA_ATOM, 64);
    return std::any_of(actions.begin(), actions.end(), [&](Atom action) {
        return action == atom("_NET_WM_ACTION_MAXIMIZE_HORZ") ||
               action == atom("_NET_WM_ACTION_MAXIMIZE_VERT");
    });
}

namespace {
// Every window below `parent`, depth first.
void Collect(Display* display, Window parent, std::vector<Window>& windows) {
    Window root = 0;
    Window up = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &up, &children, &count) == 0) {
        return;
    }
    for (unsigned int i = 0; i < count; ++i) {
        windows.push_back(children[i]);
        Collect(display, children[i], windows);
    }
    if (children != nullptr) {
        XFree(children);
    }
}
}  // namespace

std::vector<Session::WindowId> XSession::OtherWindows() {
    std::vector<Window> all;
    Collect(display_, DefaultRootWindow(display_), all);
    std::vector<WindowId> found;
    for (const Window window : all) {
        if (window == main()) {
            continue;
        }
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display_, window, &attributes) == 0 ||
            attributes.map_state != IsViewable) {
            continue;
        }
        const auto pids =
            ReadProperty<unsigned long>(display_, window, atom("_NET_WM_PID"), XA_CARDINAL, 1);
        const bool ours = pids.size() == 1 && static_cast<pid_t>(pids.front()) == pid();
        if (ours && Title(window) == GameTitle()) {
            found.push_back(window);
        }
    }
    return found;
}

Session::WindowId XSession::FindMain() {
    std::vector<Window> all;
    Collect(display_, DefaultRootWindow(display_), all);
    for (const Window window : all) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display_, window, &attributes) != 0 &&
            attributes.map_state == IsViewable && attributes.width == kClient &&
            attributes.height == kClient && Title(window) == GameTitle()) {
            return window;
        }
    }
    return 0;
}

Session::WindowId XSession::Focused() {
    const Window root = DefaultRootWindow(display_);
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    if (focus == PointerRoot) {
        // Keys go to the window under the pointer (no window manager sets the focus).
        Window child = 0;
        int rootX = 0;
        int rootY = 0;
        int x = 0;
        int y = 0;
        unsigned int mask = 0;
        XQueryPointer(display_, root, &focus, &child, &rootX, &rootY, &x, &y, &mask);
        focus = child;
    }
    const std::vector<WindowId> others = OtherWindows();
    // Up from the focus to the game's window that holds it.
    for (int depth = 0; focus != 0 && focus != root && depth < 16; ++depth) {
        if (focus == main() || std::find(others.begin(), others.end(), focus) != others.end()) {
            return focus;
        }
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display_, focus, &focus, &parent, &children, &count) == 0) {
            return 0;
        }
        if (children != nullptr) {
            XFree(children);
        }
        focus = parent;
    }
    return 0;
}

std::vector<std::uint32_t> XSession::Grab() {
    // A shell's XWayland keeps each window's own pixels: what the shell shows is on its host.
    if (host_ != nullptr) {
        int left = 0;
        int top = 0;
        Window child = 0;
        XTranslateCoordinates(display_, main(), DefaultRootWindow(display_), 0, 0, &left, &top,
                              &child);
        return GrabHost(left, top);
    }
    // What the server shows there, windows over the game's window included.
    return Pixels(XGetImage(display_, main(), 0, 0, kClient, kClient, AllPlanes, ZPixmap));
}

std::vector<std::uint32_t> XSession::GrabHost(int left, int top) {
    return Pixels(XGetImage(host_ != nullptr ? host_ : display_,
                            DefaultRootWindow(host_ != nullptr ? host_ : display_), left, top,
                            kClient, kClient, AllPlanes, ZPixmap));
}

void XSession::KeyDown(const char* keysym) {
    const KeyCode code = XKeysymToKeycode(input(), XStringToKeysym(keysym));
    XTestFakeKeyEvent(input(), code, True, CurrentTime);
    XFlush(input());
}

void XSession::KeyUp(const char* keysym) {
    const KeyCode code = XKeysymToKeycode(input(), XStringToKeysym(keysym));
    XTestFakeKeyEvent(input(), code, False, CurrentTime);
    XFlush(input());
}

void XSession::Key(const char* keysym) {
    KeyDown(keysym);
    KeyUp(keysym);
}

void XSession::Click(WindowId window, int x, int y) {
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &rootX, &rootY,
                          &child);
    ClickAt(rootX, rootY);
}

void XSession::ClickAt(int x, int y) {
    // A nested shell's output fills its host's screen: the same coordinates there.
    XTestFakeMotionEvent(input(), DefaultScreen(input()), x, y, CurrentTime);
    XTestFakeButtonEvent(input(), 1, True, CurrentTime);
    XTestFakeButtonEvent(input(), 1, False, CurrentTime);
    if (host_ != nullptr) {  // the shell draws the pointer: off the game with it
        XTestFakeMotionEvent(input(), DefaultScreen(input()), 0, DisplayHeight(input(), 0) - 1,
                             CurrentTime);
    }
    XFlush(input());
}

void XSession::BringForward(WindowId window) {
    Click(window, 4, 4);
}

namespace {
// A client message about `window`; to the root window it asks the window manager.
void Send(Display* display, Window to, Window window, Atom type, long first, long second) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    event.xclient.data.l[0] = first;
    event.xclient.data.l[1] = second;
    const long mask = to == DefaultRootWindow(display)
                          ? SubstructureRedirectMask | SubstructureNotifyMask
                          : NoEventMask;
    XSendEvent(display, to, False, mask, &event);
    XFlush(display);
}
}  // namespace

bool XSession::Managed() {
    return XGetSelectionOwner(display_, atom("WM_S0")) != None;
}

void XSession::Activate(WindowId window) {
    if (Managed()) {
        Send(display_, DefaultRootWindow(display_), window, atom("_NET_ACTIVE_WINDOW"), 2,
             CurrentTime);
    } else {  // no window manager: raise it and give it the keyboard
        XRaiseWindow(display_, window);
        XSetInputFocus(display_, window, RevertToParent, CurrentTime);
        XFlush(display_);
    }
}

void XSession::Close(WindowId window) {
    if (Managed()) {
        Send(display_, DefaultRootWindow(display_), window, atom("_NET_CLOSE_WINDOW"), CurrentTime,
             2);
    } else {  // no window manager: what its close button would send
        Send(display_, window, window, atom("WM_PROTOCOLS"),
             static_cast<long>(atom("WM_DELETE_WINDOW")), CurrentTime);
    }
}

void XSession::Minimise(WindowId window) {
    XIconifyWindow(display_, window, DefaultScreen(display_));
    XFlush(display_);
}

void XSession::Restore(WindowId window) {
    Activate(window);
}

}  // namespace snake::e2e
