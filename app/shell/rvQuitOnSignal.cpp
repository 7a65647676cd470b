// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvQuitOnSignal.h"

#include <QApplication>
#include <QSocketNotifier>

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr int QuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler only writes to this pipe; the event loop reads it. Nothing else is safe in a
// signal handler.
int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

sigset_t quitSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int number : QuitSignals)
        sigaddset(&set, number);
    return set;
}

} // namespace

void rvQuitOnSignal::holdSignals() {
    const sigset_t set = quitSignalSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

rvQuitOnSignal::rvQuitOnSignal(QObject* parent)
    : QObject(parent) {
    if (signalPipe[0] >= 0 || pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) == 0)
        handleSignals();
    // A signal held back during start-up arrives now, at the handler; without a pipe it has its
    // default effect.
    const sigset_t set = quitSignalSet();
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

void rvQuitOnSignal::handleSignals() {
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &rvQuitOnSignal::quit);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // The handler runs once; the next signal of the same kind has its default effect and ends
    // the program at once.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int number : QuitSignals)
        sigaction(number, &action, nullptr);
}

rvQuitOnSignal::~rvQuitOnSignal() {
    for (const int number : QuitSignals)
        signal(number, SIG_DFL);
}

void rvQuitOnSignal::quit() {
    char bytes[16];
    while (read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}
