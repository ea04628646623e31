#include "session.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

#include "playfield/playfield.h"

extern char** environ;

namespace snake::e2e {

namespace {
constexpr int kClient = 377;

char CellChar(std::uint32_t rgb) {
    switch (rgb & 0xFFFFFFU) {
        case 0xFF0000U:
            return '#';
        case 0xFFFFFFU:
            return '.';
        case 0x00FF00U:
            return 'o';
        case 0x0000FFU:
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
        if (cell != '?' && cell != (IsBorderCell(i) ? '#' : '.')) {
            return false;
        }
    }
    return Count('#') == 176;
}

Session::~Session() {
    if (Running()) {
        kill(pid_, SIGKILL);
        WaitExit(5s);
    }
}

std::string GameTitle() {
    const char* title = std::getenv("SNAKE_TITLE");
    return title != nullptr ? title : "Velmor's Snake";
}

std::string Output(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r"); pipe != nullptr) {
        char buffer[65536];
        std::size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            output.append(buffer, read);
        }
        pclose(pipe);
    }
    return output;
}

bool Session::Launch(const std::string& binary, std::chrono::milliseconds timeout) {
    if (Platform() != nullptr) {
        setenv("QT_QPA_PLATFORM", Platform(), 1);
    } else {
        unsetenv("QT_QPA_PLATFORM");
    }
    setenv("QT_SCALE_FACTOR", "1", 1);
    char* argv[] = {const_cast<char*>(binary.c_str()), nullptr};
    if (posix_spawn(&pid_, binary.c_str(), nullptr, nullptr, argv, environ) != 0) {
        pid_ = -1;
        return false;
    }
    exited_ = false;
    return WaitFor([this] { return (main_ = FindMain()) != 0; }, timeout);
}

bool Session::Running() {
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

int Session::WaitExit(std::chrono::milliseconds timeout) {
    WaitFor([this] { return !Running(); }, timeout);
    return exited_ ? exitStatus_ : -1;
}

bool Session::WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    while (!done()) {
        if (Clock::now() >= end) {
            return false;
        }
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

unsigned long Session::Pixel(int x, int y) {
    const std::vector<std::uint32_t> image = Grab();
    return image.empty() ? 0 : image[static_cast<std::size_t>(y * kClient + x)];
}

FieldShot Session::Shoot() {
    FieldShot shot;
    shot.cells.fill('?');
    const std::vector<std::uint32_t> image = Grab();
    if (image.empty()) {
        return shot;
    }
    for (int i = 0; i < 2025; ++i) {
        // The middle of the cell's 7 x 7 inside.
        const int x = 12 + 8 * (i % kColumns);
        const int y = 12 + 8 * (i / kColumns);
        shot.cells[static_cast<std::size_t>(i)] =
            CellChar(image[static_cast<std::size_t>(y * kClient + x)]);
    }
    return shot;
}

bool FieldShot::StartButtonShown() const {
    // The cells under the button (rows 20 to 22, columns 17 to 27) show no field colour.
    int hidden = 0;
    for (int row = 20; row <= 22; ++row) {
        for (int column = 18; column <= 26; ++column) {
            hidden += cells[static_cast<std::size_t>(row * kColumns + column)] == '?' ? 1 : 0;
        }
    }
    return hidden >= 20;
}

bool Session::StartButtonShown() {
    return Shoot().StartButtonShown();
}

}  // namespace snake::e2e
