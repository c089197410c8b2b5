// The program at rest: how often it wakes and how much memory it holds while
// nothing happens, over an interval of real time after its start.
//
// bench_idle_runner <seconds> window|tray <horavela program>
//   window  the main window alone, as at a first start: nothing kept;
//   tray    a home place kept, the tray icon and the reminders on, started
//           with --tray, so that only the tray icon shows.
// Wake-ups are the context switches of all its threads (voluntary and not,
// from /proc/<pid>/task/*/status), counted from when it is up to the end of
// the interval and given per minute, thread by thread; memory is its resident
// set at the end (VmRSS) and at its peak (VmHWM).
//
// It starts the program with a settings folder of its own (XDG_CONFIG_HOME).
// The program's lock lies in /tmp whatever the environment says, so run it
// with a /tmp of its own and inside a desktop session, as bench/idle/measure.sh
// does; a copy the user runs would otherwise take the start over.
#include "calc/Place.h"
#include "ui/main/HomePlace.h"
#include "ui/reminders/KeptReminders.h"

#include <QCoreApplication>
#include <QSettings>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int StartWaitMs = 30000;
// Start-up work that ends on its own (fonts, first paints, the first look at
// the periods, and a single timer of Qt's own that fires some 30 seconds after
// the start on xcb) is left out of the interval.
constexpr int SettleMs = 40000;

long long monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// What the tray configuration keeps before the start: Pune as the home place,
// the tray on, and a reminder for each period. The keys are those the
// program reads.
bool keepTrayWithReminders() {
    horavela::Place pune;
    pune.LatDegrees = 18;
    pune.LatMinutes = 31;
    pune.LonDegrees = 73;
    pune.LonMinutes = 51;
    pune.IsEast = true;
    pune.zone = horavela::readZoneOffset("-5", "-30");
    pune.city = "Pune";
    pune.state = "Maharashtra";
    pune.country = "India";
    if (!horavela::keepHomePlace(pune))
        return false;
    // Every period reminded of: the most the program has to watch.
    horavela::ReminderSettings all;
    all.fill({true, 10});
    return horavela::keepTrayOn(true) && horavela::keepReminderSettings(all);
}

// Context switches of each living thread, by thread id, with its name.
struct Thread {
    std::string name;
    long long switches = 0;
};

long long field(const std::string& text, const char* name) {
    const size_t at = text.find(std::string("\n") + name + ":");
    return at == std::string::npos ? -1 : std::atoll(text.c_str() + at + std::strlen(name) + 2);
}

std::string readAll(const std::filesystem::path& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::map<long, Thread> threadSwitches(pid_t pid) {
    std::map<long, Thread> threads;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        const std::string status = "\n" + readAll(task.path() / "status");
        const long long voluntary = field(status, "voluntary_ctxt_switches");
        const long long forced = field(status, "nonvoluntary_ctxt_switches");
        if (voluntary < 0 || forced < 0)
            continue; // ended while being read
        std::string name = readAll(task.path() / "comm");
        name.erase(std::remove(name.begin(), name.end(), '\n'), name.end());
        threads[std::stol(task.path().filename())] = {name, voluntary + forced};
    }
    return threads;
}

// Reads the program's standard error until `wanted` shows up in it, or for
// `ms` when `wanted` is null; false when it ended or the wait ran out first.
// Reading it all the while keeps the pipe from filling and stopping it.
bool readError(int fd, std::string& text, const char* wanted, long long ms) {
    const long long deadline = monotonicMs() + ms;
    while (!wanted || text.find(wanted) == std::string::npos) {
        const long long left = deadline - monotonicMs();
        if (left <= 0)
            return !wanted;
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left)) < 0)
            return false;
        if (!(ready.revents & (POLLIN | POLLHUP)))
            continue;
        char buffer[4096];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return false;
        text.append(buffer, static_cast<size_t>(n));
    }
    return true;
}

struct Started {
    pid_t pid = 0;
    int error = -1; // the read end of its standard error
};

Started start(std::vector<std::string> command) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> argv;
    for (std::string& word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    Started started;
    const int spawned = posix_spawn(&started.pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return {};
    }
    started.error = pipeEnds[0];
    return started;
}

int measure(int seconds, bool tray, const char* program) {
    std::vector<std::string> command{program};
    if (tray)
        command.emplace_back("--tray");
    Started started = start(command);
    if (started.pid == 0) {
        std::fprintf(stderr, "%s could not be started\n", program);
        return 1;
    }
    std::string log;
    const bool up = readError(started.error, log, "holding the lock", StartWaitMs) &&
                    (tray || readError(started.error, log, "on screen", StartWaitMs)) &&
                    readError(started.error, log, nullptr, SettleMs);
    int result = 1;
    if (!up) {
        std::fprintf(stderr, "%s did not come up; it said:\n%s\n", program, log.c_str());
    } else {
        const std::map<long, Thread> before = threadSwitches(started.pid);
        const long long from = monotonicMs();
        readError(started.error, log, nullptr, seconds * 1000LL);
        const double minutes = static_cast<double>(monotonicMs() - from) / 60000.0;
        const std::map<long, Thread> after = threadSwitches(started.pid);
        const std::string status =
            "\n" + readAll("/proc/" + std::to_string(started.pid) + "/status");
        if (after.empty()) {
            std::fprintf(stderr, "%s ended during the interval; it said:\n%s\n", program,
                         log.c_str());
        } else {
            long long total = 0;
            std::printf("%s, %.1f s:\n", tray ? "tray" : "window", minutes * 60);
            for (const auto& [id, thread] : after) {
                const auto earlier = before.find(id);
                const long long woken =
                    thread.switches - (earlier == before.end() ? 0 : earlier->second.switches);
                total += woken;
                std::printf("  %-20s %10.1f wake-ups a minute\n", thread.name.c_str(),
                            static_cast<double>(woken) / minutes);
            }
            std::printf("  %-20s %10.1f wake-ups a minute\n", "all threads",
                        static_cast<double>(total) / minutes);
            std::printf("  %-20s %10lld KiB\n", "VmRSS", field(status, "VmRSS"));
            std::printf("  %-20s %10lld KiB\n", "VmHWM", field(status, "VmHWM"));
            result = 0;
        }
    }
    kill(started.pid, SIGTERM);
    int waited = 0;
    waitpid(started.pid, &waited, 0);
    close(started.error);
    return result;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool tray = argc == 4 && std::strcmp(argv[2], "tray") == 0;
    if (argc != 4 || (!tray && std::strcmp(argv[2], "window") != 0) || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: %s <seconds> window|tray <horavela program>\n", argv[0]);
        return 2;
    }
    // A settings folder of its own, for the program and for what is kept here.
    char folder[] = "/tmp/horavela-idle-XXXXXX";
    if (!mkdtemp(folder)) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("XDG_CONFIG_HOME", folder, 1);
    // The start-up log says when the program holds its lock and when its
    // window is on screen.
    setenv("QT_LOGGING_RULES", "horavela.startup.info=true", 1);
    setenv("QT_FORCE_STDERR_LOGGING", "1", 1);
    int result = 1;
    {
        QCoreApplication app(argc, argv);
        if (tray && !keepTrayWithReminders())
            std::fprintf(stderr, "the settings could not be written in %s\n", folder);
        else
            result = measure(std::atoi(argv[1]), tray, argv[3]);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return result;
}
