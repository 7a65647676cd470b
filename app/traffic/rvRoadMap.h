// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPoint>

// Direction codes of travel, held in plain int fields.
namespace rvDirection {
enum : int { Up = 0, Right = 1, Down = 2, Left = 3 };

// One unit along the direction in scene coordinates (y grows downwards); (0, 0) for a value
// that is no direction.
inline constexpr QPoint Steps[] = {QPoint(0, -1), QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0)};
constexpr QPoint step(int direction) {
    return direction >= Up && direction <= Left ? Steps[direction] : QPoint();
}
} // namespace rvDirection

// Cell codes of the road map.
namespace rvTile {
enum : int {
    Grass = 0,
    Sidewalk = 1,
    Road = 2,
    FirstPedestrianSpawn = 10, // + direction
    LastPedestrianSpawn = 13,
    FirstCarSpawn = 20, // + direction
    LastCarSpawn = 23
};
}

constexpr int TileSize = 64;
constexpr int RoadMapColumns = 14;
constexpr int RoadMapRows = 10;

// The built-in city block, row by row.
extern const int roadMap[RoadMapColumns * RoadMapRows];

// The code of cell (column, row) of the built-in map, or -1 outside it.
int tileAt(int column, int row);

// Where a pedestrian at track position point goes on: it turns onto the neighbouring sidewalk
// when the tile straight ahead is road, and otherwise keeps its direction.
int nextDirection(const QPoint& point, int direction);
