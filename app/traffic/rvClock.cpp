// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvClock.h"

#include <QElapsedTimer>

namespace {

struct ClockSource {
    ClockSource() { real.start(); }

    qint64 nanoseconds() const { return manual ? manualNanoseconds : real.nsecsElapsed(); }

    QElapsedTimer real;
    bool manual = false;
    qint64 manualNanoseconds = 0;
};

ClockSource& source() {
    static ClockSource instance;
    return instance;
}

} // namespace

void rvClock::start() {
    mLastReading = now();
}

qint64 rvClock::restart() {
    const qint64 reading = now();
    // Switching between the manual and the real clock may step backwards; never move back.
    const qint64 elapsed = qMax<qint64>(0, reading - mLastReading);
    mLastReading = reading;
    return elapsed;
}

qint64 rvClock::now() {
    return source().nanoseconds() / 1000000;
}

void rvClock::setManual(bool manual) {
    ClockSource& clock = source();
    if (manual && !clock.manual)
        clock.manualNanoseconds = clock.real.nsecsElapsed();
    clock.manual = manual;
}

void rvClock::advance(std::chrono::nanoseconds step) {
    ClockSource& clock = source();
    if (clock.manual)
        clock.manualNanoseconds += step.count();
}
