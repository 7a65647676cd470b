// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRandomGenerator>
#include <QRect>
#include <QString>

// The arguments of a call sequence: ordinary, boundary and hostile values, all drawn from one
// seeded generator, so that a seed replays the same sequence.
class fuzzArguments {
public:
    explicit fuzzArguments(quint32 seed)
        : random(seed) {}

    // 0 to `bound` - 1; 0 for a bound below 1.
    int pick(int bound) { return int(random.bounded(quint32(qMax(1, bound)))); }
    bool chance(int percent) { return pick(100) < percent; }
    int hostileInt();
    QRect hostileRect();
    QString hostileText();

private:
    QRandomGenerator random;
};
