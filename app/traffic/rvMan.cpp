// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvMan.h"

#include "rvMan_p.h"
#include "rvRandom.h"

#include <QString>

rvMan::rvMan(QGraphicsItem* parent)
    : rvEntity(own(new rvManPrivate), parent) {
    Q_D(rvMan);
    d->variant = rvRandom::draw(3) + 1;
    d->offsetX = rvRandom::draw(41) - 20;
    d->offsetY = rvRandom::draw(41) - 20;
    updatePixmap();
}

rvMan::~rvMan() = default;

void rvMan::advance(int phase) {
    Q_D(rvMan);
    if (d->finished)
        return;
    if (phase != 0) {
        setPos(d->position + QPointF(d->offsetX, d->offsetY));
        return;
    }
    travel(stepUpToNextMark(qreal(elapsedSinceLastStep()) * Speed));
    leaveIfOutside();
    // A pedestrian that has just left still looks ahead once; it does not move again.
    if (d->walked == TileSize)
        turnAtMark();
}

int rvMan::type() const {
    return 2;
}

void rvMan::updatePixmap() {
    Q_D(rvMan);
    loadPixmap(QStringLiteral(":/man"), d->variant);
}

// A step never carries the pedestrian past the next tile mark, however long the pause was, so
// that the turn check sees every tile; the rest of the pause is dropped.
qreal rvMan::stepUpToNextMark(qreal step) {
    Q_D(rvMan);
    if (d->walked < TileSize && d->walked + step >= TileSize) {
        step = TileSize - d->walked;
        d->walked = TileSize;
    } else {
        d->walked += step;
    }
    return step;
}

void rvMan::turnAtMark() {
    Q_D(rvMan);
    setDirection(nextDirection(d->position.toPoint(), d->direction));
    d->walked = 0;
}
