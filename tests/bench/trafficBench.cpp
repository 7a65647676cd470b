// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "trafficBench.h"

#include "rvClock.h"
#include "rvGenerator.h"
#include "rvMainContent.h"
#include "rvRandom.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QTimer>

#include <chrono>

using namespace std::chrono_literals;

namespace {

constexpr double FrameNs = 1e9 / 60.0;

// Fills every generator up to its limit, letting time pass between traffic updates so that the
// entities spread along their ways as they do in the running program.
int fillTraffic(rvMainContent& view, QGraphicsScene& scene) {
    const QList<rvGenerator*> generators =
        view.findChildren<rvGenerator*>(QString(), Qt::FindDirectChildrenOnly);
    auto full = [&] {
        return std::all_of(generators.begin(), generators.end(), [](rvGenerator* generator) {
            return generator->entities().size() == rvGenerator::Maximum;
        });
    };
    for (int round = 0; round < 200 && !full(); ++round) {
        QMetaObject::invokeMethod(&view, "updateTraffic");
        for (int tick = 0; tick < 100; ++tick) {
            rvClock::advance(1ms);
            scene.advance();
        }
        QCoreApplication::processEvents();
    }
    int count = 0;
    for (rvGenerator* generator : generators)
        count += int(generator->entities().size());
    return count;
}

std::vector<double> timeTicks(QGraphicsScene& scene, int ticks) {
    std::vector<double> samples;
    QElapsedTimer timer;
    for (int i = 0; i < ticks; ++i) {
        rvClock::advance(1ms);
        timer.start();
        scene.advance();
        samples.push_back(double(timer.nsecsElapsed()));
        // The event loop's own work between ticks (the repaint) is not part of the tick.
        QCoreApplication::processEvents();
    }
    return samples;
}

std::vector<double> timeRepaints(QWidget& viewport, int repaints) {
    std::vector<double> samples;
    QElapsedTimer timer;
    for (int i = 0; i < repaints; ++i) {
        timer.start();
        viewport.repaint();
        samples.push_back(double(timer.nsecsElapsed()));
    }
    return samples;
}

BenchRow frameShareRow(const QString& figure, const Summary& summary, double unitNs,
                       const char* unit) {
    return {figure, QStringLiteral("%1 %2").arg(summary.median / unitNs, 0, 'f', 2).arg(unit),
            QStringLiteral("16.7 ms frame"),
            QStringLiteral("%1 % of a frame").arg(100.0 * summary.median / FrameNs, 0, 'f', 2)};
}

} // namespace

QList<BenchRow> trafficRows() {
    rvClock::setManual(true);
    rvRandom::seed(1);
    rvMainContent view;
    view.resize(900, 644);
    view.show();
    QCoreApplication::processEvents();
    for (QTimer* timer : view.findChildren<QTimer*>())
        timer->stop();
    QGraphicsScene& scene = *view.scene();
    const int entities = fillTraffic(view, scene);
    const QString traffic =
        QStringLiteral("%1 entities, %2 items").arg(entities).arg(scene.items().size());

    QList<BenchRow> rows;
    rows << frameShareRow(QStringLiteral("animation tick (%1)").arg(traffic),
                          summarize(timeTicks(scene, 2000)), 1e3, "us");
    rows << frameShareRow(
        QStringLiteral("full repaint of the view at %1x%2").arg(view.width()).arg(view.height()),
        summarize(timeRepaints(*view.viewport(), 300)), 1e6, "ms");
    rvClock::setManual(false);
    return rows;
}
