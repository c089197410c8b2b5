// The one way the program ends.
#include "lifetime/ProgramEnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include <optional>

namespace horavela {

namespace {

struct UnloadLog {
    int unloads = 0;
    bool sawEnding = false;
};

// A window with an unload handler like the main and result windows have: it
// ends the program unless a shutdown is already under way, and it may refuse
// to close.
class UnloadingWindow : public QWidget {
public:
    explicit UnloadingWindow(UnloadLog& log, bool refuseClose = false)
        : log_(log), refuseClose_(refuseClose) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        ++log_.unloads;
        log_.sawEnding = isProgramEnding();
        if (!isProgramEnding())
            EndProgram();
        if (refuseClose_)
            event->ignore();
    }

private:
    UnloadLog& log_;
    bool refuseClose_;
};

void runDeferredDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class ProgramEndTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void endProgramUnloadsEveryWindowHiddenOnesToo();
    void endProgramFromAnUnloadHandlerEndsOnce();
    void endProgramRunsAgainOnlyWhenReArmed();
    void endProgramUnloadsAWindowThatRefusesToClose();
    void endProgramCopesWithWindowsOwnedByOtherWindows();
    void replacedEndLeavesNothingBehindWhenItGoes();

private:
    int ends_ = 0;
    std::optional<ReplacedProgramEnd> programEnd_;
};

void ProgramEndTest::init() {
    ends_ = 0;
    programEnd_.emplace([this] { ++ends_; });
}

void ProgramEndTest::cleanup() {
    QList<QPointer<QWidget>> left;
    for (QWidget* window : QApplication::topLevelWidgets())
        left.append(window);
    for (const QPointer<QWidget>& window : left)
        delete window.data();
    runDeferredDeletions();
    programEnd_.reset();
}

void ProgramEndTest::endProgramUnloadsEveryWindowHiddenOnesToo() {
    UnloadLog shownLog;
    UnloadLog hiddenLog;
    QPointer<QWidget> shown = new UnloadingWindow(shownLog);
    QPointer<QWidget> hidden = new UnloadingWindow(hiddenLog);
    QPointer<QWidget> neverShown = new QWidget;
    shown->show();
    hidden->show();
    hidden->hide();

    EndProgram();

    QCOMPARE(ends_, 1);
    QVERIFY2(hiddenLog.unloads == 1 && hiddenLog.sawEnding,
             "the hidden window's unload handler did not run once, within the shutdown");
    QVERIFY2(shownLog.unloads == 1 && shownLog.sawEnding,
             "the shown window's unload handler did not run once, within the shutdown");
    QVERIFY2(!shown->isVisible(), "the shown window is still on screen");
    runDeferredDeletions();
    QVERIFY2(shown.isNull() && hidden.isNull() && neverShown.isNull(),
             "a window outlived the shutdown");
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "some top-level window survived");
}

// Like the result window's Exit while the main window is hidden.
void ProgramEndTest::endProgramFromAnUnloadHandlerEndsOnce() {
    UnloadLog mainLog;
    UnloadLog resultLog;
    QPointer<QWidget> main = new UnloadingWindow(mainLog);
    QPointer<QWidget> result = new UnloadingWindow(resultLog);
    result->show();

    result->close();

    QVERIFY2(
        ends_ == 1,
        qPrintable(QStringLiteral("the program was ended %1 times, expected once").arg(ends_)));
    QVERIFY2(mainLog.unloads == 1 && mainLog.sawEnding,
             "the hidden main window was not unloaded once as part of the shutdown");
    QVERIFY2(resultLog.unloads == 1,
             qPrintable(QStringLiteral("the result window's unload handler ran %1 times")
                            .arg(resultLog.unloads)));
    runDeferredDeletions();
    QVERIFY2(main.isNull() && result.isNull(), "a window outlived the shutdown");
}

void ProgramEndTest::endProgramRunsAgainOnlyWhenReArmed() {
    EndProgram();
    QVERIFY(isProgramEnding());
    EndProgram();
    QVERIFY2(ends_ == 1, "a second EndProgram during the shutdown ended the program again");

    const ReplacedProgramEnd reArmed([this] { ++ends_; });
    QVERIFY2(!isProgramEnding(), "re-arming left the shutdown flag set");
    EndProgram();
    QVERIFY2(ends_ == 2, "the re-armed EndProgram did not end the program");
}

void ProgramEndTest::endProgramUnloadsAWindowThatRefusesToClose() {
    UnloadLog log;
    QPointer<QWidget> stubborn = new UnloadingWindow(log, true);
    stubborn->show();

    EndProgram();
    runDeferredDeletions();

    QVERIFY2(stubborn.isNull(), "a window that ignored its close event stayed loaded");
    QCOMPARE(ends_, 1);
}

void ProgramEndTest::endProgramCopesWithWindowsOwnedByOtherWindows() {
    QPointer<QWidget> owner = new QWidget;
    QPointer<QDialog> owned = new QDialog(owner);
    QPointer<QDialog> ownedHidden = new QDialog(owner);
    owner->show();
    owned->show();

    EndProgram();
    runDeferredDeletions();

    QVERIFY2(owner.isNull() && owned.isNull() && ownedHidden.isNull(),
             "a window or a window it owns outlived the shutdown");
    QCOMPARE(ends_, 1);
}

// What a test sets through its replaced end, the shutdown begun and the lock
// taken, goes with it; what was there before comes back.
void ProgramEndTest::replacedEndLeavesNothingBehindWhenItGoes() {
    const QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString heldBefore = dir.filePath(QStringLiteral("before.lock"));
    const QString takenMeanwhile = dir.filePath(QStringLiteral("meanwhile.lock"));
    auto lock = std::make_unique<InstanceLock>(heldBefore);
    QCOMPARE(lock->tryAcquire(), LockOutcome::Acquired);
    holdSingleInstance(std::move(lock));
    int innerEnds = 0;
    {
        const ReplacedProgramEnd inner([&innerEnds] { ++innerEnds; });
        lock = std::make_unique<InstanceLock>(takenMeanwhile);
        QCOMPARE(lock->tryAcquire(), LockOutcome::Acquired);
        holdSingleInstance(std::move(lock));
        EndProgram();
        QVERIFY(isProgramEnding());
    }
    QCOMPARE(innerEnds, 1);
    QVERIFY2(!isProgramEnding(), "the shutdown begun under a replaced end outlived it");
    InstanceLock again(takenMeanwhile);
    QVERIFY2(again.tryAcquire() == LockOutcome::Acquired,
             "the lock taken under a replaced end outlived it");
    InstanceLock second(heldBefore);
    QVERIFY2(second.tryAcquire() == LockOutcome::HeldElsewhere,
             "the lock held before a replaced end was lost with it");
    EndProgram();
    QVERIFY2(ends_ == 1 && innerEnds == 1, "the end replaced before did not come back");
}

} // namespace horavela

QTEST_MAIN(horavela::ProgramEndTest)
#include "ProgramEndTest.moc"
