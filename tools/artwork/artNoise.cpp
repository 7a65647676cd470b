// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artNoise.h"

#include "artRandom.h"

#include <QHash>
#include <cmath>

namespace {

double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

int wrap(int value, int period) {
    const int rest = value % period;
    return rest < 0 ? rest + period : rest;
}

} // namespace

artNoise::artNoise(quint64 seed, int period)
    : mPeriod(qMax(1, period)) {
    artRandom random(seed);
    mValues.resize(mPeriod * mPeriod);
    for (double& value : mValues)
        value = random.unit();
}

double artNoise::lattice(int i, int j) const {
    return mValues[wrap(j, mPeriod) * mPeriod + wrap(i, mPeriod)];
}

double artNoise::at(double u, double v) const {
    const double fu = std::floor(u);
    const double fv = std::floor(v);
    const int i = int(fu);
    const int j = int(fv);
    const double su = smooth(u - fu);
    const double sv = smooth(v - fv);
    const double top = lattice(i, j) + (lattice(i + 1, j) - lattice(i, j)) * su;
    const double bottom = lattice(i, j + 1) + (lattice(i + 1, j + 1) - lattice(i, j + 1)) * su;
    return top + (bottom - top) * sv;
}

double artNoise::fractal(quint64 seed, double x, double y, int size, int baseCells, int octaves,
                         double persistence) {
    // Lattices are cached per seed and period: textures call this once per pixel.
    static QHash<QPair<quint64, int>, artNoise> cache;
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    int cells = baseCells;
    for (int octave = 0; octave < octaves; ++octave) {
        const QPair<quint64, int> key(seed + quint64(octave) * 7919u, cells);
        auto noise = cache.constFind(key);
        if (noise == cache.constEnd())
            noise = cache.insert(key, artNoise(key.first, cells));
        sum += weight * noise->at(x * cells / size, y * cells / size);
        total += weight;
        weight *= persistence;
        cells *= 2;
    }
    return sum / total;
}
