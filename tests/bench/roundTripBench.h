// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "benchFigures.h"

#include <QList>

// A screen reader's round trip through the accessibility bus (the name and state of a push
// button, see accessibilityRoundTrip.py) to the main window while the city block animates,
// against a plain Qt window holding a list and a button, each in a process of its own on the X
// display and session bus of the environment (tools/bench.sh starts both), both running at
// once. Measured once the windows have run `seconds`, so that the traffic has built up; the
// figure is the median of `calls` round trips, and of `runs` runs, interleaved, the best.
QList<BenchRow> roundTripRows(int seconds, int runs, int calls);
