#include "xsession.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>

namespace snake::e2e {

namespace {
constexpr int kClient = 377;

// A window may go away between finding it and asking about it: that is no reason to stop.
int IgnoreErrors(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}
}  // namespace

XSession::XSession() : display_(XOpenDisplay(nullptr)) {
    XSetErrorHandler(IgnoreErrors);
}

XSession::~XSession() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

Atom XSession::atom(const char* name) {
    return XInternAtom(display_, name, False);
}

std::string XSession::Title(WindowId window) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display_, window, atom("_NET_WM_NAME"), 0, 256, False,
                           atom("UTF8_STRING"), &type, &format, &count, &after, &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return title;
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
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        bool ours = false;
        if (XGetWindowProperty(display_, window, atom("_NET_WM_PID"), 0, 1, False, XA_CARDINAL,
                               &type, &format, &count, &after, &data) == Success &&
            data != nullptr) {
            ours =
                count == 1 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid();
            XFree(data);
        }
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
    // What the server shows there, windows over the game's window included.
    std::vector<std::uint32_t> pixels;
    XImage* image = XGetImage(display_, main(), 0, 0, kClient, kClient, AllPlanes, ZPixmap);
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

void XSession::KeyDown(const char* keysym) {
    const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysym));
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XFlush(display_);
}

void XSession::KeyUp(const char* keysym) {
    const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysym));
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    XFlush(display_);
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
    XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XFlush(display_);
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
