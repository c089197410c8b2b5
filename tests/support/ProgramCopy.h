// One copy of a program run as a real process on the offscreen platform, for
// tests that need several copies at once. Every wait is bounded, and the
// destructor kills a copy still running, so no test leaves a process behind.
#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <functional>

namespace horavela {

class ProgramCopy {
public:
    static constexpr int WaitMs = 15000;

    // `environment` adds to or replaces variables of the test's own; a
    // variable given an empty value is removed. An empty `workingDirectory`
    // keeps the test's own. `inChild` runs in the new process just before
    // the program, where processes are forked (it must be empty elsewhere).
    ProgramCopy(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment = {},
                QProcess::ProcessChannelMode channels = QProcess::SeparateChannels,
                const QString& workingDirectory = {}, const std::function<void()>& inChild = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(environment);
        for (const QString& name : environment.keys())
            if (environment.value(name).isEmpty())
                env.remove(name);
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(channels);
        process_.setWorkingDirectory(workingDirectory);
#ifdef Q_OS_UNIX
        process_.setChildProcessModifier(inChild);
#else
        Q_ASSERT(!inChild);
#endif
        process_.start(program, arguments);
    }

    ~ProgramCopy() {
        if (process_.state() != QProcess::NotRunning)
            killHard();
    }

    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    // The next line the copy writes, or an empty text when it says nothing in time.
    QString nextLine() {
        while (!process_.canReadLine())
            if (!process_.waitForReadyRead(WaitMs))
                break;
        return QString::fromLocal8Bit(process_.readLine()).trimmed();
    }

    // Reads lines until one holds `text`; false when none does within `ms`.
    bool waitForLineHolding(const QString& text, int ms = WaitMs) {
        const QDeadlineTimer deadline(ms);
        for (;;) {
            while (process_.canReadLine()) {
                const QString line = QString::fromLocal8Bit(process_.readLine());
                seen_ += line;
                if (line.contains(text))
                    return true;
            }
            if (deadline.hasExpired() || !process_.waitForReadyRead(deadline.remainingTime()))
                return false;
        }
    }

    // Everything read so far by waitForLineHolding, and what is waiting now.
    QString everything() {
        seen_ += QString::fromLocal8Bit(process_.readAll());
        return seen_;
    }

    qint64 pid() const {
        return process_.processId();
    }
    bool isRunning() const {
        return process_.state() == QProcess::Running;
    }
    bool endsWithin(int ms) {
        return process_.waitForFinished(ms);
    }
    int exitCode() const {
        return process_.exitCode();
    }
    bool crashed() const {
        return process_.exitStatus() == QProcess::CrashExit;
    }

    // SIGKILL: the copy gets no chance to clean up.
    void killHard() {
        process_.kill();
        process_.waitForFinished(WaitMs);
    }

private:
    QProcess process_;
    QString seen_;
};

} // namespace horavela
