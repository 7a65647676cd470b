// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "rvMainContent.h"

#include "pzWallpaper.h"

#include <QVector>

class QGraphicsItem;
class QGraphicsScene;
class QTimer;
class rvGenerator;

struct rvMainContentPrivate : rvRecord {
    pzWallpaper wallpaper;
    QGraphicsScene* scene = nullptr;
    QVector<QGraphicsItem*> tiles;    // map order: row by row, left to right
    QVector<rvGenerator*> generators; // map order
    QTimer* animationTimer = nullptr;
    QTimer* trafficTimer = nullptr;
    QTimer* frameTimer = nullptr; // repaints the view while it is shown
    QObject* sound = nullptr;     // a QSoundEffect for "Daft.ogg", made after the first paint
    bool soundRequested = false;
};
