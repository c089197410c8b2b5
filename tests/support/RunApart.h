// Runs part of a GoogleTest test in a child process: as a normal user when the suite runs as
// root, or with a mount namespace of its own, so that nothing it changes reaches the rest of
// the suite. Where processes are not forked, the part cannot run and says why.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <string>

#if defined(__unix__)
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace horavela {

struct PartRun {
    bool ran = false;
    bool passed = false; // its failures are in the test's output, from the child
    std::string whyNot;  // why it did not run
};

inline bool runsAsRoot() {
#if defined(__unix__)
    return geteuid() == 0;
#else
    return false;
#endif
}

// The child calls `prepare`, which says why the part cannot run or returns "", then `part`,
// whose failed assertions fail the run.
inline PartRun runApart(const std::function<std::string()>& prepare,
                        const std::function<void()>& part) {
#if defined(__unix__)
    int reasons[2];
    if (pipe(reasons) == -1)
        return {false, false, std::string("no pipe: ") + std::strerror(errno)};
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = fork();
    if (child == -1) {
        close(reasons[0]);
        close(reasons[1]);
        return {false, false, std::string("no child process: ") + std::strerror(errno)};
    }
    if (child == 0) {
        close(reasons[0]);
        const std::string whyNot = prepare();
        if (!whyNot.empty()) {
            static_cast<void>(write(reasons[1], whyNot.data(), whyNot.size()));
            _exit(0);
        }
        close(reasons[1]);
        part();
        std::fflush(stdout);
        std::fflush(stderr);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    close(reasons[1]);
    std::string whyNot;
    char buffer[256];
    for (ssize_t size; (size = read(reasons[0], buffer, sizeof buffer)) != 0;)
        if (size > 0)
            whyNot.append(buffer, size_t(size));
        else if (errno != EINTR)
            break;
    close(reasons[0]);
    int status = 0;
    while (waitpid(child, &status, 0) == -1 && errno == EINTR) {
    }
    if (!whyNot.empty())
        return {false, false, whyNot};
    return {true, WIFEXITED(status) && WEXITSTATUS(status) == 0, {}};
#else
    static_cast<void>(prepare);
    static_cast<void>(part);
    return {false, false, "no child processes here"};
#endif
}

// For runApart: the child becomes the system's user nobody, which is given `folder` first.
inline std::function<std::string()> becomeNobodyOwning(const QString& folder) {
    return [folder] {
#if defined(__unix__)
        const passwd* nobody = getpwnam("nobody");
        if (nobody == nullptr)
            return std::string("there is no user called nobody");
        const QByteArray path = QFile::encodeName(folder);
        if (chown(path.constData(), nobody->pw_uid, nobody->pw_gid) == -1 ||
            setgroups(0, nullptr) == -1 || setgid(nobody->pw_gid) == -1 ||
            setuid(nobody->pw_uid) == -1)
            return std::string("cannot run as nobody: ") + std::strerror(errno);
        if (access(path.constData(), W_OK | X_OK) == -1)
            return "nobody cannot reach " + path.toStdString() + ": " + std::strerror(errno);
        return std::string();
#else
        static_cast<void>(folder);
        return std::string("no user nobody here");
#endif
    };
}

} // namespace horavela
