// Prints what one animation tick and one repaint of the full city block cost, with every
// generator holding its limit of entities. Runs on the software raster (offscreen platform).

#include "rvClock.h"
#include "rvGenerator.h"
#include "rvMainContent.h"
#include "rvRandom.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace std::chrono_literals;

namespace {

struct Figures {
    double median = 0;
    double mean = 0;
    double best = 0;
};

Figures summarize(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    Figures figures;
    figures.median = samples[samples.size() / 2];
    figures.best = samples.front();
    for (double sample : samples)
        figures.mean += sample;
    figures.mean /= double(samples.size());
    return figures;
}

void print(const char* what, const Figures& figures, const char* unit, double scale) {
    std::printf("%-48s median %8.2f %s   mean %8.2f %s   best %8.2f %s\n", what,
                figures.median * scale, unit, figures.mean * scale, unit, figures.best * scale,
                unit);
}

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

std::vector<double> timeTicks(QGraphicsScene& scene, int ticks, std::chrono::nanoseconds apart) {
    std::vector<double> samples;
    QElapsedTimer timer;
    for (int i = 0; i < ticks; ++i) {
        rvClock::advance(apart);
        timer.start();
        scene.advance();
        samples.push_back(double(timer.nsecsElapsed()));
        // The event loop's own work between ticks (index and repaint) is not part of the tick.
        QCoreApplication::processEvents();
    }
    return samples;
}

std::vector<double> timeConstructions(int count) {
    std::vector<double> samples;
    QElapsedTimer timer;
    for (int i = 0; i < count; ++i) {
        timer.start();
        rvMainContent view;
        samples.push_back(double(timer.nsecsElapsed()));
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

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
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
    std::printf("platform %s, view %dx%d, %d entities, %d items in the scene\n",
                qPrintable(QApplication::platformName()), view.width(), view.height(), entities,
                int(scene.items().size()));

    const double us = 1e-3;
    const double ms = 1e-6;
    print("tick, every entity moving (1 ms apart)", summarize(timeTicks(scene, 1000, 1ms)), "us",
          us);
    print("tick, sub-millisecond (0.1 ms apart)", summarize(timeTicks(scene, 5000, 100us)), "us",
          us);
    print("construction of the view (map, towers, timers)", summarize(timeConstructions(20)), "ms",
          ms);
    print("full repaint of the view", summarize(timeRepaints(*view.viewport(), 300)), "ms", ms);
    return 0;
}
