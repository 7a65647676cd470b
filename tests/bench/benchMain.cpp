// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

// Prints one table of the program's costs, each next to a baseline measured in the same run.
//   bench_verrin [--seconds N] [--startups N]
// --seconds: how long the windows run before memory and CPU are read and the accessibility
// round trip is timed (default 30);
// --startups: start-ups measured on each side (default 5).

#include "roundTripBench.h"
#include "rvMainBox.h"
#include "rvSound.h"
#include "trafficBench.h"
#include "windowBench.h"
#include "windowChild.h"

#include <QApplication>
#include <QThread>

#include <cstdio>
#include <cstring>

namespace {

struct Options {
    QString child;
    int seconds = 30;
    int startups = 5;
};

Options parse(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--child") == 0)
            options.child = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--seconds") == 0)
            options.seconds = qMax(0, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--startups") == 0)
            options.startups = qMax(1, std::atoi(argv[++i]));
    }
    return options;
}

void printTable(const QList<BenchRow>& rows) {
    const QStringList headings{QStringLiteral("figure"), QStringLiteral("verrin"),
                               QStringLiteral("baseline"), QStringLiteral("comparison")};
    QList<qsizetype> widths;
    for (const QString& heading : headings)
        widths << heading.size();
    for (const BenchRow& row : rows) {
        const QStringList cells{row.figure, row.value, row.baseline, row.comparison};
        for (int i = 0; i < cells.size(); ++i)
            widths[i] = qMax(widths[i], cells.at(i).size());
    }
    const auto line = [&](const QStringList& cells) {
        QString text;
        for (int i = 0; i < cells.size(); ++i)
            text += QStringLiteral("| ") + cells.at(i).leftJustified(widths[i]) + QLatin1Char(' ');
        std::printf("%s|\n", qPrintable(text));
    };
    line(headings);
    QStringList rule;
    for (qsizetype width : widths)
        rule << QString(width, QLatin1Char('-'));
    line(rule);
    for (const BenchRow& row : rows)
        line({row.figure, row.value, row.baseline, row.comparison});
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const Options options = parse(argc, argv);
    if (!options.child.isEmpty()) {
        return runWindowChild(argc, argv, [] {
            rvSound::moduleFolders().append(QStringLiteral(VERRIN_SOUND_MODULE_FOLDER));
            return new rvMainBox;
        });
    }

    QApplication application(argc, argv);
    std::printf("platform %s, %d cores available, windows run %d s each\n",
                qPrintable(QApplication::platformName()), QThread::idealThreadCount(),
                options.seconds);
    std::fflush(stdout);
    QList<BenchRow> rows = windowRows(options.seconds, options.startups);
    rows << trafficRows();
    rows << roundTripRows(options.seconds, 3, 200);
    printTable(rows);
    return 0;
}
