// Starts programs and measures them up to their first window on screen. Each
// program must say on standard error, in a line holding "on screen", when its
// window is first on screen, and run until stopped: the runner stops it then.
// Horavela says so with its start-up log on, which the runner turns on.
//
// bench_startup_runner <rounds> <yardstick program> <horavela program>
//   starts the two alternately and reports, per program, the median wall time
//   from process start to the window on screen and the median peak memory, and
//   the second's figures as a multiple of the first's.
// bench_startup_runner --instructions <rounds> <program>... <horavela program>
//   runs each under callgrind and reports the median count of instructions
//   from process start to its first window's first paint, Horavela's as a
//   multiple of each other's, and the count to the window on screen with its
//   contents painted. The whole run is counted, split where painting starts:
//   the runner ends the program with SIGTERM as soon as it reports its window,
//   and that signal's default action ends it without running any more of its
//   code. Unlike wall time, the count does not swing with the load of a shared
//   machine.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
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

// One start of the command; false when it failed or did not report its window.
bool runOnce(std::vector<std::string> command, Run& run) {
    int err[2];
    if (pipe(err) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, err[0]);
    std::vector<char*> argv;
    for (std::string& word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const long long started = monotonicNs();
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
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

struct Count {
    double shown = 0;   // up to the window's first paint
    double painted = 0; // up to the window on screen with its contents painted
};

// The total of one callgrind profile part; 0 when there is no such file.
double profileTotal(const std::string& path) {
    std::ifstream counts(path);
    std::string line;
    double total = 0;
    while (std::getline(counts, line))
        if (line.rfind("summary: ", 0) == 0)
            total = std::strtod(line.c_str() + 9, nullptr);
    std::remove(path.c_str());
    return total;
}

// Instructions of one start of the program; zeros on failure. Callgrind writes
// a part of the profile each time a window starts to paint, so the first part
// ends where the first window is shown and about to paint.
Count countInstructions(const char* program, const std::string& profile) {
    Run run{};
    if (!runOnce({"valgrind", "--tool=callgrind", "--quiet",
                  "--dump-before=QWidgetRepaintManager::paintAndFlush*",
                  "--callgrind-out-file=" + profile, program},
                 run))
        return {};
    Count count;
    count.shown = profileTotal(profile + ".1");
    count.painted = count.shown + profileTotal(profile);
    for (int part = 2; part < 100; ++part) {
        const double more = profileTotal(profile + "." + std::to_string(part));
        if (more == 0)
            break;
        count.painted += more;
    }
    return count;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// Wall time and peak memory of the yardstick and Horavela, started alternately.
int compareTime(int rounds, const char* yardstick, const char* horavela) {
    const char* programs[2] = {yardstick, horavela};
    std::vector<double> shown[2];
    std::vector<double> peak[2];
    for (int round = 0; round < rounds; ++round) {
        // Alternate which goes first, so neither always meets a warmer cache.
        for (int k = 0; k < 2; ++k) {
            const int which = (round + k) % 2;
            Run run{};
            if (!runOnce({programs[which]}, run)) {
                std::fprintf(stderr, "%s failed or showed no window\n", programs[which]);
                return 1;
            }
            shown[which].push_back(run.shownMs);
            peak[which].push_back(run.peakMiB);
        }
    }
    const char* names[2] = {"yardstick", "Horavela"};
    std::printf("%d rounds, medians\n", rounds);
    std::printf("%-18s %12s %12s\n", "", "shown (ms)", "peak (MiB)");
    for (int which = 0; which < 2; ++which)
        std::printf("%-18s %12.1f %12.1f\n", names[which], median(shown[which]),
                    median(peak[which]));
    std::printf("%-18s %12.2f %12.2f\n", "ratio", median(shown[1]) / median(shown[0]),
                median(peak[1]) / median(peak[0]));
    return 0;
}

// Instructions of each program; the last is Horavela, set against each of the others.
int compareInstructions(int rounds, const std::vector<const char*>& programs,
                        const std::string& folder) {
    std::vector<Count> counts;
    for (const char* program : programs) {
        std::vector<double> shown;
        std::vector<double> painted;
        for (int round = 0; round < rounds; ++round) {
            const Count count = countInstructions(program, folder + "/callgrind.out");
            if (count.shown == 0) {
                std::fprintf(stderr, "%s failed under callgrind or showed no window\n", program);
                return 1;
            }
            shown.push_back(count.shown);
            painted.push_back(count.painted);
        }
        counts.push_back({median(shown), median(painted)});
    }
    std::printf("millions of instructions from process start, median of %d\n", rounds);
    std::printf("%-30s %14s %14s %14s\n", "", "to first paint", "Horavela vs it", "to painted");
    for (size_t i = 0; i < programs.size(); ++i) {
        const char* name = std::strrchr(programs[i], '/');
        name = name ? name + 1 : programs[i];
        std::printf("%-30s %14.1f", name, counts[i].shown / 1e6);
        if (i + 1 < programs.size())
            std::printf(" %13.3fx", counts.back().shown / counts[i].shown);
        else
            std::printf(" %14s", "");
        std::printf(" %14.1f\n", counts[i].painted / 1e6);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool instructions = argc > 1 && std::strcmp(argv[1], "--instructions") == 0;
    const int first = instructions ? 2 : 1;
    if ((instructions && argc < first + 3) || (!instructions && argc != 4)) {
        std::fprintf(stderr,
                     "usage: %s <rounds> <yardstick program> <horavela program>\n"
                     "       %s --instructions <rounds> <program>... <horavela program>\n",
                     argv[0], argv[0]);
        return 2;
    }
    // Horavela's start-up log, on standard error even without a terminal; and
    // a lock folder of its own, so a copy the user runs does not refuse it.
    setenv("QT_LOGGING_RULES", "horavela.startup.info=true", 1);
    setenv("QT_FORCE_STDERR_LOGGING", "1", 1);
    char folder[] = "/tmp/horavela-startup-XXXXXX";
    if (!mkdtemp(folder)) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("XDG_RUNTIME_DIR", folder, 1);

    const int rounds = std::max(1, std::atoi(argv[first]));
    const int result =
        instructions ? compareInstructions(
                           rounds, std::vector<const char*>(argv + first + 1, argv + argc), folder)
                     : compareTime(rounds, argv[2], argv[3]);
    const std::string lockFile = std::string(folder) + "/horavela.lock";
    std::remove(lockFile.c_str());
    rmdir(folder);
    return result;
}
