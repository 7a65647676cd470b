#pragma once

#include <QImage>

// The 64 by 64 ground tiles of the city block; each one tiles seamlessly with itself.
namespace artTiles {

constexpr int TileSize = 64;

QImage grass();
QImage road();
QImage sidewalk();

} // namespace artTiles
