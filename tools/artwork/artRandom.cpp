// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artRandom.h"

artRandom::artRandom(quint64 seed)
    : mState(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {
    // A zero state would stay zero forever.
    if (mState == 0)
        mState = 0x2545F4914F6CDD1Dull;
    for (int i = 0; i < 8; ++i)
        next();
}

quint64 artRandom::next() {
    mState ^= mState >> 12;
    mState ^= mState << 25;
    mState ^= mState >> 27;
    return mState * 0x2545F4914F6CDD1Dull;
}

double artRandom::unit() {
    return double(next() >> 11) / double(1ull << 53);
}

double artRandom::range(double low, double high) {
    return low + (high - low) * unit();
}

int artRandom::below(int count) {
    return count > 0 ? int(next() % quint64(count)) : 0;
}

double artRandom::gauss() {
    const double sum = unit() + unit() + unit() + unit();
    return (sum - 2.0) * 1.7320508;
}
