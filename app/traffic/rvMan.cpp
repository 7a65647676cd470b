// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvMan.h"

#include "rvMan_p.h"
#include "rvRandom.h"

rvMan::rvMan(QGraphicsItem* parent)
    : rvEntity(own(new rvManPrivate), parent) {
    Q_D(rvMan);
    d->picturePrefix = QStringLiteral(":/man");
    d->variant = rvRandom::draw(3) + 1;
    // -20 to 20 each, drawn in this order.
    const int offsetX = rvRandom::draw(41) - 20;
    const int offsetY = rvRandom::draw(41) - 20;
    d->drawingOffset = QPointF(offsetX, offsetY);
    d->speed = Speed;
    updatePixmap();
}

int rvMan::type() const {
    return 2;
}

// A step never carries the pedestrian past the next tile mark, however long the pause was, so
// that the turn check sees every tile; the rest of the pause is dropped.
qreal rvMan::limitStep(qreal distance) {
    Q_D(rvMan);
    if (d->walked < TileSize && d->walked + distance >= TileSize) {
        distance = TileSize - d->walked;
        d->walked = TileSize;
    } else {
        d->walked += distance;
    }
    return distance;
}

// At every mark, also the one at which the pedestrian has just left, it looks at the map ahead.
void rvMan::stepTaken() {
    Q_D(rvMan);
    if (d->walked != TileSize)
        return;
    setDirection(nextDirection(d->position.toPoint(), d->direction));
    d->walked = 0;
}
