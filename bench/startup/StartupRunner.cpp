// Starts two programs alternately and reports, per program, the median time
// from process start to its first window on screen and the median peak
// memory, and the second's figures as a multiple of the first's. Each program
// must say on standard error, in a line holding "on screen", when its window
// is first on screen, and run until stopped: the runner stops it then.
// Horavela says so with its start-up log on, which the runner turns on.
// Usage: bench_startup_runner <rounds> <yardstick program> <horavela program>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int WaitMs = 20000;

struct Run {
    double shownMs;
    double peakMiB;
};

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Reads the child's standard error until the line that says its window is on
// screen; the time of reading it. 0 when it never comes within the wait.
long long readUntilOnScreen(int fd) {
    std::string text;
    const long long deadline = monotonicNs() + WaitMs * 1000000LL;
    while (text.find("on screen") == std::string::npos) {
        const long long left = (deadline - monotonicNs()) / 1000000;
        pollfd ready{fd, POLLIN, 0};
        if (left <= 0 || poll(&ready, 1, static_cast<int>(left)) <= 0)
            return 0;
        char buffer[512];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return 0;
        text.append(buffer, static_cast<size_t>(n));
    }
    return monotonicNs();
}

// One start of `program`; false when it failed or did not report its window.
bool runOnce(const char* program, Run& run) {
    int err[2];
    if (pipe(err) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, err[0]);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const long long started = monotonicNs();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(err[1]);
    if (spawned != 0) {
        close(err[0]);
        return false;
    }
    const long long shown = readUntilOnScreen(err[0]);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    const bool reaped = wait4(pid, &status, 0, &usage) == pid;
    close(err[0]);
    if (!reaped || shown == 0)
        return false;
    run.shownMs = static_cast<double>(shown - started) / 1e6;
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <rounds> <yardstick program> <horavela program>\n",
                     argv[0]);
        return 2;
    }
    // Horavela's start-up log, on standard error even without a terminal; and
    // a lock folder of its own, so a copy the user runs does not refuse it.
    setenv("QT_LOGGING_RULES", "horavela.startup.info=true", 1);
    setenv("QT_FORCE_STDERR_LOGGING", "1", 1);
    char lockFolder[] = "/tmp/horavela-startup-XXXXXX";
    if (!mkdtemp(lockFolder)) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("XDG_RUNTIME_DIR", lockFolder, 1);

    const int rounds = std::max(1, std::atoi(argv[1]));
    const char* programs[2] = {argv[2], argv[3]};
    std::vector<double> shown[2];
    std::vector<double> peak[2];
    int failed = -1;
    for (int round = 0; round < rounds && failed < 0; ++round) {
        // Alternate which goes first, so neither always meets a warmer cache.
        for (int k = 0; k < 2 && failed < 0; ++k) {
            const int which = (round + k) % 2;
            Run run{};
            if (!runOnce(programs[which], run)) {
                failed = which;
                break;
            }
            shown[which].push_back(run.shownMs);
            peak[which].push_back(run.peakMiB);
        }
    }
    const std::string lockFile = std::string(lockFolder) + "/horavela.lock";
    std::remove(lockFile.c_str());
    rmdir(lockFolder);
    if (failed >= 0) {
        std::fprintf(stderr, "%s failed or showed no window\n", programs[failed]);
        return 1;
    }
    const char* names[2] = {"minimal Qt window", "Horavela"};
    std::printf("%d rounds, medians\n", rounds);
    std::printf("%-18s %12s %12s\n", "", "shown (ms)", "peak (MiB)");
    for (int which = 0; which < 2; ++which)
        std::printf("%-18s %12.1f %12.1f\n", names[which], median(shown[which]),
                    median(peak[which]));
    const double timeRatio = median(shown[1]) / median(shown[0]);
    const double memoryRatio = median(peak[1]) / median(peak[0]);
    std::printf("%-18s %12.2f %12.2f   (target: at most 1.20 on both)\n", "ratio", timeRatio,
                memoryRatio);
    return 0;
}
