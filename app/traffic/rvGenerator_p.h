#pragma once

// Not public API: this header may change from one version to the next.

#include "rvGenerator.h"

#include "rvRoadMap.h"

struct rvGeneratorPrivate : rvRecord {
    int direction = rvDirection::Up; // given to every new entity
    QRectF geometry;                 // new entities are centred on it
    QGraphicsScene* scene = nullptr;
    QVector<rvEntity*> entities; // oldest first; owned
};
