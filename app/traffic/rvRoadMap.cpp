// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvRoadMap.h"

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
int turnAside(int column, int row, int direction) {
    const bool vertical = direction == rvDirection::Up || direction == rvDirection::Down;
    const int first = vertical ? rvDirection::Left : rvDirection::Up;
    const int second = vertical ? rvDirection::Right : rvDirection::Down;
    for (int side : {first, second}) {
        const QPoint aside = rvDirection::step(side);
        if (isSidewalk(column + aside.x(), row + aside.y()))
            return side;
    }
    return direction;
}

} // namespace

int nextDirection(const QPoint& point, int direction) {
    const QPoint ahead = rvDirection::step(direction);
    if (ahead.isNull())
        return direction;
    const int column = point.x() / TileSize;
    const int row = point.y() / TileSize;
    if (tileAt(column + ahead.x(), row + ahead.y()) != rvTile::Road)
        return direction;
    return turnAside(column, row, direction);
}
