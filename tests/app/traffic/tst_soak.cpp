// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvCar.h"
#include "rvEntity.h"
#include "rvGenerator.h"
#include "rvMainContent.h"
#include "rvMan.h"
#include "rvRoadMap.h"
#include "trafficTesting.h"

#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QTest>

#include <random>

// The real city block run through many simulated hours on the manual clock: ticks at random
// intervals of 0 to 40 ms, a traffic update every 2000 ms, every invariant checked at each update.
// VERRIN_SOAK_HOURS sets the simulated time (default 24), VERRIN_SOAK_SEED replays a run.
class tst_soak : public QObject {
    Q_OBJECT

private slots:
    void cityBlockRunsForHours();

private:
    void checkAfterUpdate(rvMainContent& view);
    static bool onFootway(const QRectF& track);

    QList<rvGenerator*> mGenerators;
    qint64 mCarsChecked = 0;
    qint64 mPedestriansChecked = 0;
};

namespace {

const int BuiltItems = 148; // tiles and towers

// Where the middle of a car lies across its lane, and where its lane's middle is: the middle of
// the spawn tile it started on (column 6 down, 7 up; row 4 left, row 5 right).
qreal carMiddleAcross(const rvEntity& car) {
    const QSizeF size = car.boundingRect().size();
    const bool vertical =
        car.direction() == rvDirection::Up || car.direction() == rvDirection::Down;
    return vertical ? car.position().x() + size.width() / 2
                    : car.position().y() + size.height() / 2;
}

qreal laneMiddle(int direction) {
    switch (direction) {
    case rvDirection::Down:
        return 6 * TileSize + TileSize / 2;
    case rvDirection::Up:
        return 7 * TileSize + TileSize / 2;
    case rvDirection::Left:
        return 4 * TileSize + TileSize / 2;
    default:
        return 5 * TileSize + TileSize / 2;
    }
}

quint32 seedFromEnvironment() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("VERRIN_SOAK_SEED").toUInt(&ok);
    return ok ? seed : std::random_device()();
}

} // namespace

// Sidewalk or spawn tiles only; outside the map counts too, since leaving walkers cross the edge.
bool tst_soak::onFootway(const QRectF& track) {
    const int left = qFloor(track.left() / TileSize);
    const int right = qFloor((track.right() - 0.001) / TileSize);
    const int top = qFloor(track.top() / TileSize);
    const int bottom = qFloor((track.bottom() - 0.001) / TileSize);
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            const int code = tileAt(column, row);
            const bool footway =
                code == rvTile::Sidewalk || code == -1 ||
                (code >= rvTile::FirstPedestrianSpawn && code <= rvTile::LastPedestrianSpawn);
            if (!footway)
                return false;
        }
    }
    return true;
}

void tst_soak::checkAfterUpdate(rvMainContent& view) {
    int listed = 0;
    for (rvGenerator* generator : std::as_const(mGenerators)) {
        QVERIFY(generator->entities().size() <= rvGenerator::Maximum);
        listed += generator->entities().size();
        for (const rvEntity* entity : generator->entities()) {
            QVERIFY2(!entity->isFinished(), "a finished entity survived the sweep");
            if (dynamic_cast<const rvCar*>(entity)) {
                ++mCarsChecked;
                const qreal across = carMiddleAcross(*entity);
                if (across != laneMiddle(entity->direction()))
                    QCOMPARE(across, laneMiddle(entity->direction()));
            } else {
                QVERIFY(dynamic_cast<const rvMan*>(entity));
                ++mPedestriansChecked;
                const QRectF track(entity->position(), entity->boundingRect().size());
                // The message is built only on failure: millions of checks run per day.
                if (!onFootway(track))
                    QFAIL(qPrintable(QStringLiteral("pedestrian on the road at %1, %2")
                                         .arg(track.x())
                                         .arg(track.y())));
            }
        }
    }
    QCOMPARE(view.scene()->items().size(), BuiltItems + listed);
}

void tst_soak::cityBlockRunsForHours() {
    const quint32 seed = seedFromEnvironment();
    const double hours = qEnvironmentVariableIsSet("VERRIN_SOAK_HOURS")
                             ? qEnvironmentVariable("VERRIN_SOAK_HOURS").toDouble()
                             : 24.0;
    qInfo("soak seed %u (replay with VERRIN_SOAK_SEED=%u), %.1f simulated hours", seed, seed,
          hours);
    std::mt19937 ticks(seed);
    std::uniform_int_distribution<int> tickMicroseconds(0, 40000);
    rvRandom::seed(seed);

    ManualClock clock;
    rvMainContent view;
    mGenerators = view.findChildren<rvGenerator*>();
    QCOMPARE(mGenerators.size(), 12);

    QElapsedTimer wall;
    wall.start();
    const qint64 end = qint64(hours * 3600.0 * 1e6);
    qint64 nextUpdate = 2000 * 1000;
    qint64 updates = 0;
    for (qint64 now = 0; now < end;) {
        const int step = tickMicroseconds(ticks);
        now += step;
        clock.advance(std::chrono::microseconds(step));
        view.scene()->advance();
        while (now >= nextUpdate) {
            QVERIFY(QMetaObject::invokeMethod(&view, "updateTraffic"));
            // The scene's own deferred work, which the event loop runs between ticks: without it
            // the scene's list of items awaiting their polish only ever grows, and each removal
            // searches all of it.
            QCoreApplication::sendPostedEvents();
            nextUpdate += 2000 * 1000;
            ++updates;
            checkAfterUpdate(view);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(
                    QStringLiteral("at simulated second %1, seed %2").arg(now / 1e6).arg(seed)));
        }
    }
    qInfo("%lld traffic updates, %lld car and %lld pedestrian checks, in %.1f s of real time",
          updates, mCarsChecked, mPedestriansChecked, wall.elapsed() / 1000.0);
    QVERIFY(updates >= qint64(hours * 1800) - 1);
}

QTEST_MAIN(tst_soak)
#include "tst_soak.moc"
