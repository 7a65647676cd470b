#include "windowBench.h"

#include "rvMainBox.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

#include <memory>

namespace {

const char* const LaunchVariable = "VERRIN_BENCH_LAUNCH_NS";

// Monotonic time is the same clock in every process, so the child can measure from the moment
// the parent launched it.
qint64 monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

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

struct ChildFigures {
    double firstFrameMs = -1;
    double residentMib = -1;
    double cpuPerSecond = -1;
};

ChildFigures runChild(const QString& kind, int seconds) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(LaunchVariable), QString::number(monotonicNs()));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child"), kind, QStringLiteral("--seconds"),
                 QString::number(seconds)});
    ChildFigures figures;
    if (!child.waitForFinished((seconds + 60) * 1000))
        return figures;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 2)
            continue;
        const double value = fields.at(1).toDouble();
        if (fields.at(0) == "first-frame-ms")
            figures.firstFrameMs = value;
        else if (fields.at(0) == "rss-mib")
            figures.residentMib = value;
        else if (fields.at(0) == "cpu-per-second")
            figures.cpuPerSecond = value;
    }
    return figures;
}

QString number(double value, const char* unit, int decimals = 1) {
    return value < 0 ? QStringLiteral("failed")
                     : QStringLiteral("%1 %2").arg(value, 0, 'f', decimals).arg(unit);
}

BenchRow startupRow(int startups) {
    std::vector<double> verrin;
    std::vector<double> bare;
    // Interleaved, so that a busy moment of the machine falls on both sides alike.
    for (int i = 0; i < startups; ++i) {
        verrin.push_back(runChild(QStringLiteral("verrin"), 0).firstFrameMs);
        bare.push_back(runChild(QStringLiteral("bare"), 0).firstFrameMs);
    }
    const double ours = summarize(verrin).median;
    const double theirs = summarize(bare).median;
    return {QStringLiteral("start-up to the first painted frame (median of %1)").arg(startups),
            number(ours, "ms"), number(theirs, "ms") + QStringLiteral(" bare window"),
            theirs > 0 ? QStringLiteral("x %1").arg(ours / theirs, 0, 'f', 2) : QString()};
}

} // namespace

QList<BenchRow> windowRows(int seconds, int startups) {
    QList<BenchRow> rows{startupRow(startups)};
    const ChildFigures verrin = runChild(QStringLiteral("verrin"), seconds);
    const ChildFigures bare = runChild(QStringLiteral("bare"), seconds);
    rows << BenchRow{QStringLiteral("resident memory after %1 s").arg(seconds),
                     number(verrin.residentMib, "MiB"),
                     number(bare.residentMib, "MiB") + QStringLiteral(" bare window"),
                     QStringLiteral("+%1 MiB").arg(verrin.residentMib - bare.residentMib, 0, 'f', 1)};
    rows << BenchRow{QStringLiteral("CPU time per second of wall time, animating"),
                     number(verrin.cpuPerSecond, "s", 3),
                     number(bare.cpuPerSecond, "s", 3) + QStringLiteral(" bare window"),
                     QString()};
    return rows;
}

int runWindowChild(int argc, char* argv[], const QString& kind, int seconds) {
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> window;
    if (kind == QStringLiteral("verrin")) {
        window = std::make_unique<rvMainBox>();
    } else {
        window = std::make_unique<QWidget>();
        window->resize(900, 644);
    }
    FirstFrameWatcher watcher(window.get(), seconds);
    window->show();
    return application.exec();
}
