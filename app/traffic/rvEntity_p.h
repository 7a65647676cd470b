// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "rvEntity.h"

#include "rvClock.h"
#include "rvRoadMap.h"

#include <QPixmap>
#include <QPointF>
#include <QVector>

struct rvEntityPrivate : rvRecord {
    int direction = rvDirection::Up;
    QPointF position{-1, -1}; // top-left corner of the picture on the track
    rvClock clock;            // since the previous movement step
    QPixmap pixmap;
    bool finished = false; // never cleared
    // The list of the generator that made the entity, which forgets it when it is deleted by
    // anyone else (QGraphicsScene::clear(), the scene's destructor).
    QVector<rvEntity*>* generatorList = nullptr;
};
