// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

// Top-down pedestrians of three looks, 16 by 20 pixels in every direction.
namespace artPeople {

// direction: 0 Up, 1 Right, 2 Down, 3 Left; scale: device pixels per logical pixel (1, or 2
// for the "@2x" partner).
QImage person(int variant, int direction, int scale = 1);

} // namespace artPeople
