// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "rvEntity.h"

#include "rvClock.h"
#include "rvRoadMap.h"

#include <QPixmap>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QVector>

struct rvEntityPrivate : rvRecord {
    int direction = rvDirection::Up;
    QPointF position{-1, -1}; // top-left corner of the picture on the track
    rvClock clock;            // since the previous movement step
    QPixmap pixmap;
    QSizeF pictureSize{0, 0}; // the pixmap's logical size, which the leave test reads at every step
    bool finished = false;    // never cleared
    // Set by the kind's constructor: the picture's name is prefix, variant and direction word;
    // the item is drawn at the track position plus the offset.
    QString picturePrefix;
    int variant = 1;
    float speed = 0; // pixels per millisecond
    QPointF drawingOffset;
    // The list of the generator that made the entity, which forgets it when it is deleted by
    // anyone else (QGraphicsScene::clear(), the scene's destructor).
    QVector<rvEntity*>* generatorList = nullptr;
};
