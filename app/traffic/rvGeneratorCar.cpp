// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvGeneratorCar.h"

#include "rvCar.h"
#include "rvGenerator_p.h"

rvGeneratorCar::rvGeneratorCar(QObject* parent)
    : rvGenerator(own(new rvGeneratorPrivate), parent) {}

rvGeneratorCar::~rvGeneratorCar() = default;

rvEntity* rvGeneratorCar::createEntity() {
    return new rvCar;
}
