// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

// Random sequences of the toolkit's public calls, as a library user could make them: creation,
// ordinary, boundary and hostile arguments, deletion and reparenting, showing and hiding, with the
// event loop run between steps. Only installed headers are used. The property checked is that
// nothing crashes, reads freed memory, overflows or leaks (under the sanitizers).
//
// VERRIN_FUZZ_SEED=<n> replays one seed; VERRIN_FUZZ_FIRST_SEED=<n> starts the run there instead
// of at 1; VERRIN_FUZZ_SECONDS bounds the time spent on seeds (one seed at least);
// VERRIN_FUZZ_STEPS is the number of calls per seed.

#include "fuzzWorld.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#include <sanitizer/lsan_interface.h>
#define FUZZ_SANITIZED 1
#endif

namespace {

quint32 currentSeed = 0;

// Async-signal-safe: a crash gives no other chance to say which seed to replay.
void tellSeed() {
    char line[96];
    const int length = std::snprintf(
        line, sizeof line, "apiFuzz: failed at seed %u (replay with VERRIN_FUZZ_SEED=%u)\n",
        currentSeed, currentSeed);
    if (length > 0 && ::write(STDERR_FILENO, line, size_t(length)) < 0)
        return;
}

#ifndef FUZZ_SANITIZED
void onFatalSignal(int signal) {
    tellSeed();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
#endif

// A sequence that loops forever is a fault too; the test's own time-out would lose the seed.
void onStuckSequence(int) {
    tellSeed();
    std::signal(SIGABRT, SIG_DFL);
    std::abort();
}

// Qt's own warnings about refused misuse are expected here and are not the subject.
void dropMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        std::abort();
    }
}

int envNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

class tst_apiFuzz : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sequences();
    void cleanupTestCase();

private:
    QtMessageHandler previousHandler = nullptr;
};

void tst_apiFuzz::initTestCase() {
#ifdef FUZZ_SANITIZED
    __sanitizer_set_death_callback(tellSeed);
#else
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        std::signal(signal, onFatalSignal);
#endif
    std::signal(SIGALRM, onStuckSequence);
    previousHandler = qInstallMessageHandler(dropMessages);
}

void tst_apiFuzz::sequences() {
    const int steps = envNumber("VERRIN_FUZZ_STEPS", 300);
    // Far above what one sequence takes, even under the sanitizers on a busy machine.
    const unsigned secondsPerSeed = 30;
    bool replay = false;
    const quint32 replaySeed = quint32(envNumber("VERRIN_FUZZ_SEED", 0));
    replay = qEnvironmentVariableIsSet("VERRIN_FUZZ_SEED");
    const qint64 budget = qint64(envNumber("VERRIN_FUZZ_SECONDS", 3)) * 1000;
    // The same seeds each run unless VERRIN_FUZZ_FIRST_SEED names others, so that a run's
    // verdict does not depend on chance; set it to explore new sequences.
    quint32 seed = replay ? replaySeed : quint32(envNumber("VERRIN_FUZZ_FIRST_SEED", 1));
    QElapsedTimer clock;
    clock.start();
    int seeds = 0;
    do {
        currentSeed = seed;
        alarm(secondsPerSeed);
        {
            fuzzWorld world(seed);
            for (int i = 0; i < steps; ++i)
                world.step();
        }
        // Qt holds every widget until the application ends: a leaked one shows here, not to the
        // leak checker.
        if (!QApplication::topLevelWidgets().isEmpty()) {
            tellSeed();
            QFAIL("widgets outlived the sequence");
        }
#ifdef FUZZ_SANITIZED
        if (__lsan_do_recoverable_leak_check() != 0) {
            tellSeed();
            QFAIL("memory leaked");
        }
#endif
        ++seeds;
        ++seed;
    } while (!replay && clock.elapsed() < budget);
    alarm(0);
    qInstallMessageHandler(previousHandler);
    qInfo("%d seeds of %d steps, from %u", seeds, steps, seed - quint32(seeds));
}

void tst_apiFuzz::cleanupTestCase() {
    qInstallMessageHandler(previousHandler);
}

QTEST_MAIN(tst_apiFuzz)
#include "tst_apiFuzz.moc"
