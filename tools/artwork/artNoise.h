// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QVector>

// Value noise on a square lattice that wraps around, so a texture built from it tiles seamlessly.
class artNoise {
public:
    // period: lattice cells across one repeat of the pattern.
    artNoise(quint64 seed, int period);

    // Smoothly interpolated lattice value in [0, 1]; u and v in lattice cells.
    double at(double u, double v) const;

    // Sum of octaves over a square of `size` pixels that repeats every `size` pixels; in [0, 1].
    static double fractal(quint64 seed, double x, double y, int size, int baseCells, int octaves,
                          double persistence = 0.5);

private:
    double lattice(int i, int j) const;

    int mPeriod;
    QVector<double> mValues;
};
