// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvCar.h"

#include "rvEntity_p.h"
#include "rvRandom.h"

rvCar::rvCar(QGraphicsItem* parent)
    : rvEntity(own(new rvEntityPrivate), parent) {
    Q_D(rvEntity);
    d->picturePrefix = QStringLiteral(":/car");
    d->variant = rvRandom::draw(3) + 1;
    d->speed = Speed;
    updatePixmap();
}

int rvCar::type() const {
    return 1;
}
