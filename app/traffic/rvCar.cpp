// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvCar.h"

#include "rvCar_p.h"
#include "rvRandom.h"

#include <QString>

rvCar::rvCar(QGraphicsItem* parent)
    : rvEntity(own(new rvCarPrivate), parent) {
    Q_D(rvCar);
    d->variant = rvRandom::draw(3) + 1;
    updatePixmap();
}

rvCar::~rvCar() = default;

void rvCar::advance(int phase) {
    Q_D(rvCar);
    if (d->finished)
        return;
    if (phase != 0) {
        setPos(d->position);
        return;
    }
    travel(qreal(elapsedSinceLastStep()) * Speed);
    leaveIfOutside();
}

int rvCar::type() const {
    return 1;
}

void rvCar::updatePixmap() {
    Q_D(rvCar);
    loadPixmap(QStringLiteral(":/car"), d->variant);
}
