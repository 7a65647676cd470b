// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvGenerator.h"

#include "rvEntity.h"
#include "rvGeneratorCar.h"
#include "rvGeneratorMan.h"
#include "trafficTesting.h"

#include <QTest>

#include <memory>

class tst_rvGenerator : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newGenerator();
    void placesNewEntitiesOnTheTileCentre_data();
    void placesNewEntitiesOnTheTileCentre();
    void spawnsTwoTimesInThreeAndDrawsEveryTime_data();
    void spawnsTwoTimesInThreeAndDrawsEveryTime();
    void keepsAtMostTen();
    void sweepKeepsTheOrderOfTheOthers();
    void directionAppliesToLaterEntitiesOnly();
    void deletingTheGeneratorLeavesItsEntities();
    void forgetsEntitiesDeletedWithTheScene();

private:
    std::unique_ptr<rvGenerator> makeGenerator(bool cars, int direction, const QRectF& geometry);
    void fill(rvGenerator& generator, int count);

    ManualClock* mClock = nullptr;
    QGraphicsScene* mScene = nullptr;
};

void tst_rvGenerator::init() {
    mClock = new ManualClock;
    mScene = new EmptyBlock;
    rvRandom::seed(11);
}

void tst_rvGenerator::cleanup() {
    delete mScene;
    delete mClock;
}

std::unique_ptr<rvGenerator> tst_rvGenerator::makeGenerator(bool cars, int direction,
                                                            const QRectF& geometry) {
    std::unique_ptr<rvGenerator> generator;
    if (cars)
        generator = std::make_unique<rvGeneratorCar>();
    else
        generator = std::make_unique<rvGeneratorMan>();
    generator->setDirection(direction);
    generator->setGeometry(geometry);
    generator->setScene(mScene);
    return generator;
}

void tst_rvGenerator::fill(rvGenerator& generator, int count) {
    for (int i = 0; i < 1000 && generator.entities().size() < count; ++i)
        generator.update();
    QCOMPARE(generator.entities().size(), count);
}

// A new generator points Up, covers no area and has no scene; each makes its own kind.
void tst_rvGenerator::newGenerator() {
    rvGeneratorCar cars;
    QCOMPARE(cars.direction(), 0);
    QCOMPARE(cars.geometry(), QRectF(0, 0, 0, 0));
    QCOMPARE(cars.scene(), nullptr);
    rvGeneratorMan pedestrians;
    std::unique_ptr<rvEntity> car(cars.createEntity());
    std::unique_ptr<rvEntity> man(pedestrians.createEntity());
    QCOMPARE(car->type(), 1);
    QCOMPARE(man->type(), 2);
    QVERIFY(!car->scene() && !man->scene());
}

void tst_rvGenerator::placesNewEntitiesOnTheTileCentre_data() {
    QTest::addColumn<bool>("cars");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QRectF>("geometry");
    QTest::addColumn<QPointF>("placement"); // of a first-model car (39 by 64) or a pedestrian

    QTest::newRow("car down on (6,0)") << true << 2 << QRectF(384, 0, 64, 64) << QPointF(396.5, 0);
    QTest::newRow("car up on (7,9)")
        << true << 0 << QRectF(448, 576, 64, 64) << QPointF(460.5, 576);
    QTest::newRow("car left on (13,4)")
        << true << 3 << QRectF(832, 256, 64, 64) << QPointF(832, 268.5);
    QTest::newRow("car right on (0,5)") << true << 1 << QRectF(0, 320, 64, 64) << QPointF(0, 332.5);
    QTest::newRow("man down on (5,0)") << false << 2 << QRectF(320, 0, 64, 64) << QPointF(344, 22);
    QTest::newRow("man left on (13,6)")
        << false << 3 << QRectF(832, 384, 64, 64) << QPointF(856, 406);
    QTest::newRow("car on no area") << true << 1 << QRectF(0, 0, 0, 0) << QPointF(-32, -19.5);
    QTest::newRow("man on no area") << false << 0 << QRectF(0, 0, 0, 0) << QPointF(-8, -10);
}

void tst_rvGenerator::placesNewEntitiesOnTheTileCentre() {
    QFETCH(bool, cars);
    QFETCH(int, direction);
    QFETCH(QRectF, geometry);
    QFETCH(QPointF, placement);

    auto generator = makeGenerator(cars, direction, geometry);
    seedForDraws(3, {0, 0}); // spawn, then the first model
    generator->update();
    QCOMPARE(generator->entities().size(), 1);
    rvEntity* entity = generator->entities().first();
    QCOMPARE(entity->scene(), mScene);
    QCOMPARE(entity->direction(), direction);
    QCOMPARE(entity->position(), placement);
    QCOMPARE(entity->pos(), placement);
    QCOMPARE(entity->sceneBoundingRect().center(), geometry.center());
}

void tst_rvGenerator::spawnsTwoTimesInThreeAndDrawsEveryTime_data() {
    QTest::addColumn<bool>("cars");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("cars") << true << 1700000000u;
    QTest::newRow("pedestrians") << false << 1700000000u;
    QTest::newRow("cars, other seed") << true << 77u;
    QTest::newRow("pedestrians, other seed") << false << 77u;
}

// Replays the draws: one per update, then one more for a new car's model or three more for a
// new pedestrian's look and offsets.
void tst_rvGenerator::spawnsTwoTimesInThreeAndDrawsEveryTime() {
    QFETCH(bool, cars);
    QFETCH(quint32, seed);
    const int updates = 40;

    rvRandom::seed(seed);
    QList<int> expected;
    int count = 0;
    int spawned = 0;
    for (int i = 0; i < updates; ++i) {
        if (rvRandom::draw(3) != 2 && count < rvGenerator::Maximum) {
            ++count;
            ++spawned;
            rvRandom::draw(3);
            if (!cars) {
                rvRandom::draw(41);
                rvRandom::draw(41);
            }
        }
        expected.append(count);
    }
    const int next = rvRandom::draw(1000000);

    rvRandom::seed(seed);
    auto generator = makeGenerator(cars, 1, QRectF(0, 320, 64, 64));
    QList<int> counts;
    for (int i = 0; i < updates; ++i) {
        generator->update();
        counts.append(generator->entities().size());
    }
    QCOMPARE(counts, expected);
    QCOMPARE(rvRandom::draw(1000000), next);
    QCOMPARE(spawned, rvGenerator::Maximum);
}

void tst_rvGenerator::keepsAtMostTen() {
    auto generator = makeGenerator(false, 2, QRectF(320, 0, 64, 64));
    for (int i = 0; i < 100; ++i) {
        generator->update();
        QVERIFY(generator->entities().size() <= rvGenerator::Maximum);
    }
    QCOMPARE(generator->entities().size(), rvGenerator::Maximum);
    QCOMPARE(mScene->items().size(), rvGenerator::Maximum);
}

void tst_rvGenerator::sweepKeepsTheOrderOfTheOthers() {
    auto generator = makeGenerator(true, 1, QRectF(0, 320, 64, 64));
    fill(*generator, 10);
    QList<rvEntity*> entities = generator->entities();
    for (int index : {1, 4, 9}) {
        rvEntity* entity = entities[index];
        entity->setPosition(QPointF(-100, 320));
        entity->advance(0);
        QVERIFY(entity->isFinished());
    }
    const QList<rvEntity*> kept = {entities[0], entities[2], entities[3], entities[5],
                                   entities[6], entities[7], entities[8]};

    seedForNextDraw(3, 2); // sweep only
    generator->update();
    QCOMPARE(generator->entities(), kept);
    QCOMPARE(mScene->items().size(), 7);

    seedForNextDraw(3, 0); // sweep, then a new one at the end
    generator->update();
    QCOMPARE(generator->entities().size(), 8);
    QCOMPARE(generator->entities().mid(0, 7), kept);
}

void tst_rvGenerator::directionAppliesToLaterEntitiesOnly() {
    auto generator = makeGenerator(false, 2, QRectF(320, 0, 64, 64));
    fill(*generator, 1);
    generator->setDirection(3);
    QCOMPARE(generator->entities().first()->direction(), 2);
    fill(*generator, 2);
    QCOMPARE(generator->entities().last()->direction(), 3);
}

void tst_rvGenerator::deletingTheGeneratorLeavesItsEntities() {
    auto generator = makeGenerator(true, 2, QRectF(384, 0, 64, 64));
    fill(*generator, 3);
    generator.reset();
    QCOMPARE(mScene->items().size(), 3);
}

// Cleared or destroyed first, the scene takes the entities along; updates go on safely.
void tst_rvGenerator::forgetsEntitiesDeletedWithTheScene() {
    auto generator = makeGenerator(false, 2, QRectF(320, 0, 64, 64));
    fill(*generator, 3);
    mScene->clear();
    QVERIFY(generator->entities().isEmpty());
    fill(*generator, 2);
    delete mScene;
    mScene = nullptr;
    QVERIFY(generator->entities().isEmpty());
    QCOMPARE(generator->scene(), nullptr);
    generator->update();
    QVERIFY(generator->entities().isEmpty());
}

QTEST_MAIN(tst_rvGenerator)
#include "tst_rvGenerator.moc"
