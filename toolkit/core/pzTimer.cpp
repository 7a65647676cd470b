// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzTimer.h"

#include "pzTimer_p.h"

pzTimer::pzTimer(QObject* parent)
    : QTimer(parent)
    , pzPrivatable(new pzTimerPrivate) {}

pzTimer::~pzTimer() = default;

QTime pzTimer::time() const {
    return d_func()->time;
}

void pzTimer::start(int msec) {
    QTimer::start(msec);
    d_func()->time = QTime::currentTime();
}

void pzTimer::start() {
    QTimer::start();
    d_func()->time = QTime::currentTime();
}

void pzTimer::start(std::chrono::milliseconds interval) {
    start(int(interval.count()));
}

void pzTimer::stop() {
    QTimer::stop();
}
