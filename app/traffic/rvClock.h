// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

#include <chrono>

// Whole-millisecond stopwatch of the moving entities, on a monotonic clock.
// restart() returns the difference of two millisecond readings: a part of a millisecond that
// has not been counted at one step is counted at a later one, however close the steps come.
// (QElapsedTimer::restart() would drop that rest on every call.)
class rvClock {
public:
    void start();
    qint64 restart();

    // The millisecond reading every stopwatch counts from.
    static qint64 now();

    // For tests: a manual clock stands still at its last reading and moves only by advance().
    static void setManual(bool manual);
    static void advance(std::chrono::nanoseconds step);

private:
    qint64 mLastReading = 0;
};
