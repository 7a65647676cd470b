// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

// Fixed-seed xorshift generator, so every run of the generator paints the same pixels.
class artRandom {
public:
    explicit artRandom(quint64 seed);

    quint64 next();
    // Uniform in [0, 1).
    double unit();
    // Uniform in [low, high).
    double range(double low, double high);
    // Uniform integer in [0, count).
    int below(int count);
    // Roughly normal with mean 0 and deviation 1 (sum of four uniforms).
    double gauss();

private:
    quint64 mState;
};
