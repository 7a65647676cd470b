// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "benchFigures.h"

#include <QList>

// The city block with every generator at its limit, on the software raster: one animation tick
// and one full repaint, each against the 16.7 ms of a frame at 60 Hz. Needs a QApplication.
QList<BenchRow> trafficRows();
