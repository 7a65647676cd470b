// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "roundTripBench.h"

#include <QCoreApplication>
#include <QProcess>
#include <QThread>

#include <optional>

namespace {

// A benchmark window (windowChild.h) shown on the X display with its accessibility on, until
// the object goes.
class ShownWindow {
public:
    ShownWindow(const QString& program, const QString& kind) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        mProcess.setProcessEnvironment(environment);
        mProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Long enough for every run; the window ends when the object goes.
        mProcess.start(program, {QStringLiteral("--child"), kind, QStringLiteral("--seconds"),
                                 QStringLiteral("3600")});
        // The child reports its first painted frame on its first line.
        mShown = mProcess.waitForReadyRead(30000) && mProcess.readLine().startsWith("first-frame");
    }

    ~ShownWindow() {
        mProcess.terminate();
        if (!mProcess.waitForFinished(5000))
            mProcess.kill();
        mProcess.waitForFinished();
    }

    bool isShown() const { return mShown; }
    qint64 processId() const { return mProcess.processId(); }

private:
    QProcess mProcess;
    bool mShown = false;
};

// The median round trip in ms, or nothing where the script could not measure.
std::optional<double> medianRoundTrip(const ShownWindow& window, int calls) {
    QProcess script;
    script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    script.start(
        QStringLiteral(VERRIN_BENCH_ROUND_TRIP_SCRIPT),
        {QString::number(window.processId()), QStringLiteral("Close"), QString::number(calls)});
    if (!script.waitForFinished(60000) || script.exitCode() != 0)
        return std::nullopt;
    const QList<QByteArray> fields = script.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2 || fields.at(0) != "round-trip-ms")
        return std::nullopt;
    return fields.at(1).toDouble();
}

BenchRow failedRow(const QString& figure, const QString& reason) {
    return {figure, QStringLiteral("skipped"), reason, QString()};
}

} // namespace

QList<BenchRow> roundTripRows(int seconds, int runs, int calls) {
    const QString figure =
        QStringLiteral("accessibility round trip after %1 s (median of %2, best of %3 runs)")
            .arg(seconds)
            .arg(calls)
            .arg(runs);
    if (qEnvironmentVariableIsEmpty("DISPLAY") ||
        qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return {failedRow(figure, QStringLiteral("no X display or session bus"))};
    const ShownWindow verrin(QCoreApplication::applicationFilePath(), QStringLiteral("verrin"));
    const ShownWindow plain(QCoreApplication::applicationDirPath() +
                                QStringLiteral("/bench_bare_window"),
                            QStringLiteral("bare-list"));
    if (!verrin.isShown() || !plain.isShown())
        return {failedRow(figure, QStringLiteral("a window did not show"))};
    // The city block starts empty; its traffic builds up over the first seconds.
    QThread::sleep(seconds);
    std::vector<double> ours;
    std::vector<double> theirs;
    // Interleaved, so that a busy moment of the machine falls on both sides alike.
    for (int run = 0; run < runs; ++run) {
        const std::optional<double> verrinMs = medianRoundTrip(verrin, calls);
        const std::optional<double> plainMs = medianRoundTrip(plain, calls);
        if (!verrinMs || !plainMs)
            return {failedRow(figure, QStringLiteral("not measured (see above)"))};
        ours.push_back(*verrinMs);
        theirs.push_back(*plainMs);
    }
    const double best = summarize(ours).best;
    const double baseline = summarize(theirs).best;
    return {{figure, QStringLiteral("%1 ms").arg(best, 0, 'f', 3),
             QStringLiteral("%1 ms plain window with a list").arg(baseline, 0, 'f', 3),
             QStringLiteral("x %1").arg(best / baseline, 0, 'f', 2)}};
}
