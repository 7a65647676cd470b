// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

// The 64 by 64 ground tiles of the city block; each one tiles seamlessly with itself.
namespace artTiles {

constexpr int TileSize = 64;

// scale: device pixels per logical pixel (1, or 2 for the "@2x" partner).
QImage grass(int scale = 1);
QImage road(int scale = 1);
QImage sidewalk(int scale = 1);

} // namespace artTiles
