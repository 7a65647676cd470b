// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

// Top-down cars: 1 a red sedan, 2 a blue compact, 3 a yellow van, each facing its direction.
namespace artVehicles {

// direction: 0 Up, 1 Right, 2 Down, 3 Left; Up pictures are 39, 33 or 37 by 64 logical pixels.
// scale: device pixels per logical pixel (1, or 2 for the "@2x" partner).
QImage car(int variant, int direction, int scale = 1);

} // namespace artVehicles
