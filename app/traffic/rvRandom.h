// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

// The program's one pseudo-random generator: every random choice of the traffic draws from it.
// The main window seeds it once with the time; tests seed it to get fixed sequences.
class rvRandom {
public:
    static void seed(quint32 seed);

    // A value in [0, n); 0 when n is not positive.
    static int draw(int n);
};
