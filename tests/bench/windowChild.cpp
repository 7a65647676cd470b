// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "windowChild.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

#include <cstdio>

namespace {

qint64 cpuNs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ns = [](const timeval& time) {
        return qint64(time.tv_sec) * 1000000000 + qint64(time.tv_usec) * 1000;
    };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

double residentMib() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

// Sees the window's first paint; the frame is complete once the event loop comes round again.
class FirstFrameWatcher : public QObject {
public:
    FirstFrameWatcher(QWidget* window, int seconds)
        : mSeconds(seconds) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !mSeen) {
            mSeen = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, &FirstFrameWatcher::frameDone);
        }
        return false;
    }

private:
    void frameDone() {
        const qint64 launch = qEnvironmentVariable(LaunchVariable).toLongLong();
        std::printf("first-frame-ms %.3f\n", double(monotonicNs() - launch) / 1e6);
        std::fflush(stdout);
        mCpuStart = cpuNs();
        mWallStart = monotonicNs();
        QTimer::singleShot(mSeconds * 1000, this, &FirstFrameWatcher::finish);
    }

    void finish() {
        const double wall = double(monotonicNs() - mWallStart);
        std::printf("rss-mib %.2f\n", residentMib());
        std::printf("cpu-per-second %.3f\n", wall > 0 ? double(cpuNs() - mCpuStart) / wall : 0.0);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    int mSeconds;
    bool mSeen = false;
    qint64 mCpuStart = 0;
    qint64 mWallStart = 0;
};

} // namespace

qint64 monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

int runWindowChild(int argc, char* argv[], const std::function<QWidget*()>& createWindow) {
    int seconds = 0;
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "--seconds") == 0)
            seconds = qMax(0, atoi(argv[i + 1]));
    QApplication application(argc, argv);
    const std::unique_ptr<QWidget> window(createWindow());
    FirstFrameWatcher watcher(window.get(), seconds);
    window->show();
    return application.exec();
}
