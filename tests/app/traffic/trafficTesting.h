// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Helpers shared by the traffic suites: the manual clock and fixed random draws.

#include "rvClock.h"
#include "rvRandom.h"

#include <QGraphicsScene>

#include <chrono>
#include <initializer_list>

using namespace std::chrono_literals;

// Switches the entities' clock to manual time for the life of the object.
class ManualClock {
public:
    ManualClock() { rvClock::setManual(true); }
    ~ManualClock() { rvClock::setManual(false); }
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    void advance(std::chrono::nanoseconds step) { rvClock::advance(step); }
};

// Seeds the generator so that its next draws from n values each are the given values.
inline void seedForDraws(int n, std::initializer_list<int> values) {
    for (quint32 seed = 1;; ++seed) {
        rvRandom::seed(seed);
        bool match = true;
        for (int value : values)
            match = match && rvRandom::draw(n) == value;
        if (match) {
            rvRandom::seed(seed);
            return;
        }
    }
}

inline void seedForNextDraw(int n, int value) {
    seedForDraws(n, {value});
}

// The scene rectangle of the built-in map, with nothing in it.
class EmptyBlock : public QGraphicsScene {
public:
    EmptyBlock() { setSceneRect(0, 0, 896, 640); }
};
