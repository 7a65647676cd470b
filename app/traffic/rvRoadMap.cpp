// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvRoadMap.h"

#include <QPoint>

// clang-format off
const int roadMap[RoadMapColumns * RoadMapRows] = {
     0,  0,  0,  0,  0, 12, 22,  2, 12,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0,  1,  2,  2,  1,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0,  1,  2,  2,  1,  0,  0,  0,  0,  0,
    11,  1,  1,  1,  1,  1,  2,  2,  1,  1,  1,  1,  1, 13,
     2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2, 23,
    21,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,
    11,  1,  1,  1,  1,  1,  2,  2,  1,  1,  1,  1,  1, 13,
     0,  0,  0,  0,  0,  1,  2,  2,  1,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0,  1,  2,  2,  1,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0, 10,  2, 20, 10,  0,  0,  0,  0,  0,
};
// clang-format on

int tileAt(int column, int row) {
    if (column < 0 || row < 0 || column >= RoadMapColumns || row >= RoadMapRows)
        return -1;
    return roadMap[row * RoadMapColumns + column];
}

namespace {

bool isSidewalk(int column, int row) {
    return tileAt(column, row) == rvTile::Sidewalk;
}

// Walking vertically, the pedestrian looks left first; walking horizontally, up first.
int turnFromVertical(int column, int row, int direction) {
    if (isSidewalk(column - 1, row))
        return rvDirection::Left;
    if (isSidewalk(column + 1, row))
        return rvDirection::Right;
    return direction;
}

int turnFromHorizontal(int column, int row, int direction) {
    if (isSidewalk(column, row - 1))
        return rvDirection::Up;
    if (isSidewalk(column, row + 1))
        return rvDirection::Down;
    return direction;
}

} // namespace

int nextDirection(const QPoint& point, int direction) {
    const int column = point.x() / TileSize;
    const int row = point.y() / TileSize;
    switch (direction) {
    case rvDirection::Up:
        return tileAt(column, row - 1) == rvTile::Road ? turnFromVertical(column, row, direction)
                                                       : direction;
    case rvDirection::Down:
        return tileAt(column, row + 1) == rvTile::Road ? turnFromVertical(column, row, direction)
                                                       : direction;
    case rvDirection::Right:
        return tileAt(column + 1, row) == rvTile::Road ? turnFromHorizontal(column, row, direction)
                                                       : direction;
    case rvDirection::Left:
        return tileAt(column - 1, row) == rvTile::Road ? turnFromHorizontal(column, row, direction)
                                                       : direction;
    default:
        return direction;
    }
}
