#include "windowBench.h"

#include "windowChild.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

struct ChildFigures {
    double firstFrameMs = -1;
    double residentMib = -1;
    double cpuPerSecond = -1;
};

// The bare window is a program of its own, linked to Qt Widgets alone, so that its start-up
// pays for nothing the program's libraries bring in.
QString childProgram(const QString& kind) {
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    return kind == QStringLiteral("verrin") ? QCoreApplication::applicationFilePath()
                                            : folder + QStringLiteral("bench_bare_window");
}

ChildFigures runChild(const QString& kind, int seconds) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(LaunchVariable), QString::number(monotonicNs()));
    child.setProcessEnvironment(environment);
    child.start(childProgram(kind), {QStringLiteral("--child"), kind, QStringLiteral("--seconds"),
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
