// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

#include <functional>
#include <memory>

// The measured side of the window benchmark, run as a process of its own: shows the window made
// by createWindow and prints on stdout the time from launch to its first painted frame, then,
// after `--seconds N` more, its resident memory and CPU time per second of wall time, and ends.
// The launching process passes its monotonic time of launch in LaunchVariable.
inline const char* const LaunchVariable = "VERRIN_BENCH_LAUNCH_NS";

// Monotonic time is the same clock in every process, so the child measures from the moment the
// parent launched it.
qint64 monotonicNs();

int runWindowChild(int argc, char* argv[], const std::function<QWidget*()>& createWindow);
