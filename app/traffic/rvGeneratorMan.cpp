// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvGeneratorMan.h"

#include "rvGenerator_p.h"
#include "rvMan.h"

rvGeneratorMan::rvGeneratorMan(QObject* parent)
    : rvGenerator(own(new rvGeneratorPrivate), parent) {}

rvGeneratorMan::~rvGeneratorMan() = default;

rvEntity* rvGeneratorMan::createEntity() {
    return new rvMan;
}
