// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QTime>
#include <QTimer>

class pzTimerPrivate;

/// A timer that remembers the time of day at which it was last started.
///
/// It is a QTimer whose time() tells when start() last ran, for code that shows or measures how
/// long something has been going. Start and stop it through pzTimer, not through a QTimer pointer,
/// so that time() follows.
/// \code
/// auto* timer = new pzTimer(this);
/// connect(timer, &QTimer::timeout, this, [this, timer] {
///     mElapsed->setText(QString::number(timer->time().secsTo(QTime::currentTime())));
/// });
/// timer->start(1000);
/// \endcode
class PZTOOLS_EXPORT pzTimer : public QTimer, public pzPrivatable {
    Q_OBJECT
    /// The time of day of the last start; null before the first.
    Q_PROPERTY(QTime time READ time)

public:
    /// A stopped timer with QTimer's defaults, owned by `parent` if not null; time() is null until
    /// the first start.
    explicit pzTimer(QObject* parent = nullptr);
    /// Stops and destroys the timer.
    ~pzTimer() override;

    /// The time of day of the last start through pzTimer; null if never started.
    QTime time() const;

    // These hide QTimer's slots: a call through a QTimer pointer does not update time().
public slots:
    /// Starts or restarts the timer with an interval of `msec` milliseconds and records the time.
    void start(int msec);
    /// Starts or restarts the timer with its current interval and records the time.
    void start();
    /// Stops the timer; time() keeps the last start.
    void stop();

public:
    /// The std::chrono form of start(int), which it would otherwise hide.
    void start(std::chrono::milliseconds interval);

private:
    PZ_DECLARE_PRIVATE(pzTimer)
};
