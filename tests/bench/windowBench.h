// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "benchFigures.h"

#include <QList>
#include <QString>

// The main window against a bare Qt window of the same size, and that window drawing one line
// of text, each in a process of its own
// (see windowChild.h):
// start-up to the first painted frame, resident memory and CPU time after running a while.
QList<BenchRow> windowRows(int seconds, int startups);
