// Starts the two start-up programs alternately and reports, per program, the
// median time from process start to the first window on screen and the
// median peak memory, and Horavela's figures as a multiple of the yardstick's.
// Usage: bench_startup_runner <rounds> <yardstick program> <horavela program>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double shownMs;
    double peakMiB;
};

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// One start of `program`; false when it failed or did not report its window.
bool runOnce(const char* program, Run& run) {
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const long long started = monotonicNs();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    const long long shown = std::atoll(text.c_str());
    if (shown <= started)
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
    const int rounds = std::max(1, std::atoi(argv[1]));
    const char* programs[2] = {argv[2], argv[3]};
    std::vector<double> shown[2];
    std::vector<double> peak[2];
    for (int round = 0; round < rounds; ++round) {
        // Alternate which goes first, so neither always meets a warmer cache.
        for (int k = 0; k < 2; ++k) {
            const int which = (round + k) % 2;
            Run run{};
            if (!runOnce(programs[which], run)) {
                std::fprintf(stderr, "%s failed or showed no window\n", programs[which]);
                return 1;
            }
            shown[which].push_back(run.shownMs);
            peak[which].push_back(run.peakMiB);
        }
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
