// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "benchFigures.h"

#include <QList>

// A screen reader's round trip through the accessibility bus (the name and state of a push
// button, see accessibilityRoundTrip.py) to the main window while the city block animates,
// against a plain Qt window holding a list and a button, each started anew for every run on the
// X display and session bus of the environment (tools/bench.sh starts both). The figure is the
// median of `calls` round trips; of `runs` runs, interleaved, the best is shown.
QList<BenchRow> roundTripRows(int runs, int calls);
