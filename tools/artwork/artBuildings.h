// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

// The 144 by 239 tower seen from above at a slight tilt: roof on top, south facade below.
namespace artBuildings {

// scale: device pixels per logical pixel (1, or 2 for the "@2x" partner).
QImage tower(int scale = 1);

} // namespace artBuildings
