// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

// Ends the program on SIGTERM, SIGINT and SIGHUP as "Exit" does: every window is closed and the
// event loop ends, so that the normal shut-down runs. A second signal of the same kind, while
// that shut-down runs, ends the program at once. One object a process.
class rvQuitOnSignal : public QObject {
    Q_OBJECT

public:
    explicit rvQuitOnSignal(QObject* parent = nullptr);
    ~rvQuitOnSignal() override;

    // Holds the signals back until the object exists: called first thing in main(), so that a
    // signal during start-up waits for the handler instead of killing the program. The threads
    // started meanwhile keep them blocked, so they always reach the main thread.
    static void holdSignals();

private:
    void handleSignals();
    void quit();
};
