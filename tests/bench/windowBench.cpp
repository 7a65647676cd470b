// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

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

QString comparison(double ours, double theirs) {
    return theirs > 0 ? QStringLiteral("x %1").arg(ours / theirs, 0, 'f', 2) : QString();
}

QList<BenchRow> startupRows(int startups) {
    std::vector<double> verrin;
    std::vector<double> bare;
    std::vector<double> text;
    // Interleaved, so that a busy moment of the machine falls on every side alike.
    for (int i = 0; i < startups; ++i) {
        verrin.push_back(runChild(QStringLiteral("verrin"), 0).firstFrameMs);
        bare.push_back(runChild(QStringLiteral("bare"), 0).firstFrameMs);
        text.push_back(runChild(QStringLiteral("bare-text"), 0).firstFrameMs);
    }
    const double ours = summarize(verrin).median;
    const double bareMs = summarize(bare).median;
    const double textMs = summarize(text).median;
    const QString figure =
        QStringLiteral("start-up to the first painted frame (median of %1)").arg(startups);
    return {{figure, number(ours, "ms"), number(bareMs, "ms") + QStringLiteral(" bare window"),
             comparison(ours, bareMs)},
            {figure, number(ours, "ms"),
             number(textMs, "ms") + QStringLiteral(" with one line of text"),
             comparison(ours, textMs)}};
}

BenchRow memoryRow(int seconds, const ChildFigures& verrin, const ChildFigures& baseline,
                   const char* name) {
    return {QStringLiteral("resident memory after %1 s").arg(seconds),
            number(verrin.residentMib, "MiB"),
            number(baseline.residentMib, "MiB") + QLatin1String(name),
            QStringLiteral("+%1 MiB").arg(verrin.residentMib - baseline.residentMib, 0, 'f', 1)};
}

} // namespace

QList<BenchRow> windowRows(int seconds, int startups) {
    QList<BenchRow> rows = startupRows(startups);
    const ChildFigures verrin = runChild(QStringLiteral("verrin"), seconds);
    const ChildFigures bare = runChild(QStringLiteral("bare"), seconds);
    const ChildFigures text = runChild(QStringLiteral("bare-text"), seconds);
    rows << memoryRow(seconds, verrin, bare, " bare window");
    rows << memoryRow(seconds, verrin, text, " with one line of text");
    rows << BenchRow{QStringLiteral("CPU time per second of wall time, animating"),
                     number(verrin.cpuPerSecond, "s", 3),
                     number(bare.cpuPerSecond, "s", 3) + QStringLiteral(" bare window"), QString()};
    return rows;
}
