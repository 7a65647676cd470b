// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvRandom.h"

#include <QRandomGenerator>

namespace {

QRandomGenerator& generator() {
    static QRandomGenerator instance;
    return instance;
}

} // namespace

void rvRandom::seed(quint32 seed) {
    generator().seed(seed);
}

int rvRandom::draw(int n) {
    if (n <= 0)
        return 0;
    return int(generator().generate() % quint32(n));
}
