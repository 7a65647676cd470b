#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QTime>
#include <QTimer>

class pzTimerPrivate;

// A timer that remembers the time of day at which it was last started.
class PZTOOLS_EXPORT pzTimer : public QTimer, public pzPrivatable {
    Q_OBJECT
    Q_PROPERTY(QTime time READ time)

public:
    explicit pzTimer(QObject* parent = nullptr);
    ~pzTimer() override;

    QTime time() const;

public slots:
    // These hide QTimer's slots; a call through a QTimer pointer does not update time().
    void start(int msec);
    void start();
    void stop();

public:
    // The std::chrono form of start(int), which it would otherwise hide.
    void start(std::chrono::milliseconds interval);

private:
    PZ_DECLARE_PRIVATE(pzTimer)
};
