// Starts window programs that carry the start-up probe, in turns, and reports for each the
// time from just before its start to its first frame, and its resident memory then.
//   startup_compare RUNS PROGRAM...
// One unreported warm-up run of each comes first; the order of the programs flips every run.
// Lines: "<name> run=N first_frame_ms=.. rss_kb=.. since_stat_ms=.." for each run, then
// "median <name> first_frame_ms=.. rss_kb=.. since_stat_ms=.. runs=N failed=N" for each program.
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "benchsupport.h"

extern char** environ;

namespace snake::bench {
namespace {

constexpr int kReportTimeoutMs = 20'000;
constexpr int kExitTimeoutMs = 10'000;

struct Sample {
    double firstFrameMs = 0;
    double rssKb = 0;
    double sinceStatMs = 0;
};

struct Program {
    std::string path;
    std::string name;
    std::vector<Sample> samples;
    int failed = 0;
};

int RemainingMs(std::int64_t deadlineNs) {
    return static_cast<int>(std::max<std::int64_t>(0, (deadlineNs - MonotonicNs()) / 1'000'000));
}

// Waits for the child to end by itself, then makes it.
void Reap(pid_t child) {
    const std::int64_t deadline = MonotonicNs() + std::int64_t{kExitTimeoutMs} * 1'000'000;
    while (waitpid(child, nullptr, WNOHANG) == 0) {
        if (RemainingMs(deadline) == 0) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            return;
        }
        usleep(2'000);
    }
}

std::optional<Sample> RunOnce(const std::string& path) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    std::string arg0 = path;
    char* argv[] = {arg0.data(), nullptr};

    const std::int64_t startNs = MonotonicNs();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        std::fprintf(stderr, "startup_compare: cannot start %s\n", path.c_str());
        return std::nullopt;
    }

    std::string line;
    const std::int64_t deadline = startNs + std::int64_t{kReportTimeoutMs} * 1'000'000;
    while (line.find('\n') == std::string::npos) {
        pollfd waitFor{pipeFds[0], POLLIN, 0};
        const int ready = poll(&waitFor, 1, RemainingMs(deadline));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        char buffer[256];
        const ssize_t got = ready > 0 ? read(pipeFds[0], buffer, sizeof buffer) : 0;
        if (got <= 0) {
            break;  // timed out, or the program ended without a report
        }
        line.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeFds[0]);
    if (line.find('\n') == std::string::npos) {
        kill(child, SIGKILL);
    }
    Reap(child);

    long long frameNs = 0;
    long long rssKb = 0;
    double sinceStatMs = 0;
    if (std::sscanf(line.c_str(), "first_frame_ns=%lld rss_kb=%lld since_stat_ms=%lf", &frameNs,
                    &rssKb, &sinceStatMs) != 3) {
        std::fprintf(stderr, "startup_compare: no report from %s\n", path.c_str());
        return std::nullopt;
    }
    return Sample{static_cast<double>(frameNs - startNs) / 1e6, static_cast<double>(rssKb),
                  sinceStatMs};
}

int Main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_compare RUNS PROGRAM...\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const std::string path = argv[i];
        programs.push_back({path, path.substr(path.rfind('/') + 1), {}, 0});
    }

    for (int run = 0; run <= runs; ++run) {
        std::vector<Program*> order;
        for (Program& program : programs) {
            order.push_back(&program);
        }
        if (run % 2 == 1) {
            std::reverse(order.begin(), order.end());
        }
        for (Program* program : order) {
            const auto sample = RunOnce(program->path);
            if (run == 0) {
                continue;  // warm-up: caches, fonts, the display server's first client
            }
            if (!sample) {
                ++program->failed;
                continue;
            }
            program->samples.push_back(*sample);
            std::printf("%s run=%d first_frame_ms=%.2f rss_kb=%.0f since_stat_ms=%.1f\n",
                        program->name.c_str(), run, sample->firstFrameMs, sample->rssKb,
                        sample->sinceStatMs);
            std::fflush(stdout);
        }
    }

    for (const Program& program : programs) {
        std::vector<double> frame;
        std::vector<double> rss;
        std::vector<double> stat;
        for (const Sample& sample : program.samples) {
            frame.push_back(sample.firstFrameMs);
            rss.push_back(sample.rssKb);
            stat.push_back(sample.sinceStatMs);
        }
        std::printf(
            "median %s first_frame_ms=%.2f rss_kb=%.0f since_stat_ms=%.1f runs=%zu failed=%d\n",
            program.name.c_str(), Median(frame), Median(rss), Median(stat), program.samples.size(),
            program.failed);
    }
    return 0;
}

}  // namespace
}  // namespace snake::bench

int main(int argc, char** argv) {
    return snake::bench::Main(argc, argv);
}
