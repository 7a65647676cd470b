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

private:
    void quit();
};
