// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "rvGenerator.h"

#include "rvRoadMap.h"

#include <QPointer>

struct rvGeneratorPrivate : rvRecord {
    int direction = rvDirection::Up; // given to every new entity
    QRectF geometry;                 // new entities are centred on it
    QPointer<QGraphicsScene> scene;  // may be destroyed before the generator
    QVector<rvEntity*> entities;     // oldest first; owned, each linked back to this list
};
