#include "xsession.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <thread>

extern char** environ;

namespace snake::e2e {

namespace {
constexpr int kClient = 377;
constexpr int kColumns = 45;
constexpr char kTitle[] = "Velmor's Snake";

bool IsRing(int index) {
    const int row = index / kColumns;
    const int column = index % kColumns;
    return row == 0 || row == kColumns - 1 || column == 0 || column == kColumns - 1;
}

char CellChar(unsigned long rgb) {
    switch (rgb & 0xFFFFFFUL) {
        case 0xFF0000UL:
            return '#';
        case 0xFFFFFFUL:
            return '.';
        case 0x00FF00UL:
            return 'o';
        case 0x0000FFUL:
            return '*';
        default:
            return '?';
    }
}
}  // namespace

int FieldShot::Count(char c) const {
    int count = 0;
    for (const char cell : cells) {
        count += cell == c ? 1 : 0;
    }
    return count;
}

std::vector<int> FieldShot::Cells(char c) const {
    std::vector<int> found;
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
        if (cells[static_cast<std::size_t>(i)] == c) {
            found.push_back(i);
        }
    }
    return found;
}

bool FieldShot::IsIdle() const {
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
        const char cell = cells[static_cast<std::size_t>(i)];
        if (cell != '?' && cell != (IsRing(i) ? '#' : '.')) {
            return false;
        }
    }
    return Count('#') == 176;
}

std::string FieldShot::Row(int row) const {
    return {cells.begin() + row * kColumns, cells.begin() + (row + 1) * kColumns};
}

namespace {
// A window may go away between finding it and asking about it: that is no reason to stop.
int IgnoreErrors(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}
}  // namespace

XSession::XSession() : display_(XOpenDisplay(nullptr)) {
    XSetErrorHandler(IgnoreErrors);
}

XSession::~XSession() {
    if (Running()) {
        kill(pid_, SIGKILL);
        WaitExit(5s);
    }
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

Atom XSession::atom(const char* name) {
    return XInternAtom(display_, name, False);
}

bool XSession::Launch(const std::string& binary, std::chrono::milliseconds timeout) {
    if (display_ == nullptr) {
        return false;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("QT_SCALE_FACTOR", "1", 1);
    char* argv[] = {const_cast<char*>(binary.c_str()), nullptr};
    if (posix_spawn(&pid_, binary.c_str(), nullptr, nullptr, argv, environ) != 0) {
        pid_ = -1;
        return false;
    }
    exited_ = false;
    return WaitFor([this] { return (main_ = FindMain()) != 0; }, timeout);
}

bool XSession::Running() {
    if (pid_ <= 0 || exited_) {
        return false;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return false;
    }
    return true;
}

int XSession::WaitExit(std::chrono::milliseconds timeout) {
    WaitFor([this] { return !Running(); }, timeout);
    return exited_ ? exitStatus_ : -1;
}

bool XSession::WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    while (!done()) {
        if (Clock::now() >= end) {
            return false;
        }
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

std::string XSession::Title(Window window) {
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

bool XSession::Size(Window window, int& width, int& height) {
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

std::vector<Window> XSession::OtherWindows() {
    std::vector<Window> all;
    Collect(display_, DefaultRootWindow(display_), all);
    std::vector<Window> found;
    for (const Window window : all) {
        if (window == main_) {
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
                count == 1 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid_;
            XFree(data);
        }
        if (ours && Title(window) == kTitle) {
            found.push_back(window);
        }
    }
    return found;
}

Window XSession::FindMain() {
    std::vector<Window> all;
    Collect(display_, DefaultRootWindow(display_), all);
    for (const Window window : all) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display_, window, &attributes) != 0 &&
            attributes.map_state == IsViewable && attributes.width == kClient &&
            attributes.height == kClient && Title(window) == kTitle) {
            return window;
        }
    }
    return 0;
}

unsigned long XSession::Pixel(int x, int y) {
    XImage* image = XGetImage(display_, main_, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return 0;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel & 0xFFFFFFUL;
}

FieldShot XSession::Shoot() {
    FieldShot shot;
    shot.cells.fill('?');
    XImage* image = XGetImage(display_, main_, 0, 0, kClient, kClient, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return shot;
    }
    for (int i = 0; i < 2025; ++i) {
        // The middle of the cell's 7 x 7 inside.
        const int x = 12 + 8 * (i % kColumns);
        const int y = 12 + 8 * (i / kColumns);
        shot.cells[static_cast<std::size_t>(i)] = CellChar(XGetPixel(image, x, y));
    }
    XDestroyImage(image);
    return shot;
}

bool XSession::StartButtonShown() {
    // The cells under the button (rows 20 to 22, columns 17 to 27) show no field colour.
    const FieldShot shot = Shoot();
    int hidden = 0;
    for (int row = 20; row <= 22; ++row) {
        for (int column = 18; column <= 26; ++column) {
            hidden += shot.cells[static_cast<std::size_t>(row * kColumns + column)] == '?' ? 1 : 0;
        }
    }
    return hidden >= 20;
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

void XSession::Click(Window window, int x, int y) {
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

namespace {
void SendToRoot(Display* display, Window window, Atom type, long first, long second = 0) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    event.xclient.data.l[0] = first;
    event.xclient.data.l[1] = second;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}
}  // namespace

void XSession::Activate(Window window) {
    SendToRoot(display_, window, atom("_NET_ACTIVE_WINDOW"), 2, CurrentTime);
}

void XSession::Close(Window window) {
    SendToRoot(display_, window, atom("_NET_CLOSE_WINDOW"), CurrentTime, 2);
}

void XSession::Minimise(Window window) {
    XIconifyWindow(display_, window, DefaultScreen(display_));
    XFlush(display_);
}

void XSession::Restore(Window window) {
    Activate(window);
}

}  // namespace snake::e2e
