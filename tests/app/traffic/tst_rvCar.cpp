// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvCar.h"

#include "trafficTesting.h"

#include <QTest>

class tst_rvCar : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void modelsAreEquallyLikely();
    void picturesOfEachModel_data();
    void picturesOfEachModel();
    void movementIsExactAtAnyTickRate_data();
    void movementIsExactAtAnyTickRate();
    void finishesAtTheSceneEdge_data();
    void finishesAtTheSceneEdge();
    void touchingTheBorderIsInside();
    void finishedCarStaysHiddenAndStill();

private:
    rvCar* addCar(int variant, int direction, const QPointF& position);

    ManualClock* mClock = nullptr;
    QGraphicsScene* mScene = nullptr;
};

void tst_rvCar::init() {
    mClock = new ManualClock;
    mScene = new EmptyBlock;
}

void tst_rvCar::cleanup() {
    delete mScene;
    delete mClock;
}

rvCar* tst_rvCar::addCar(int variant, int direction, const QPointF& position) {
    seedForNextDraw(3, variant - 1);
    auto* car = new rvCar;
    mScene->addItem(car);
    car->setDirection(direction);
    car->setPosition(position);
    car->setPos(position);
    return car;
}

static int modelOf(const rvCar& car) {
    switch (int(qMin(car.boundingRect().width(), car.boundingRect().height()))) {
    case 39:
        return 1;
    case 33:
        return 2;
    case 37:
        return 3;
    }
    return 0;
}

void tst_rvCar::modelsAreEquallyLikely() {
    rvRandom::seed(20240601);
    int counts[4] = {};
    for (int i = 0; i < 600; ++i) {
        rvCar car;
        const int model = modelOf(car);
        ++counts[model];
        car.setDirection(i % 4);
        QCOMPARE(modelOf(car), model);
    }
    QCOMPARE(counts[0], 0);
    for (int variant = 1; variant <= 3; ++variant)
        QVERIFY2(counts[variant] > 150 && counts[variant] < 250,
                 qPrintable(QString::number(counts[variant])));
}

void tst_rvCar::picturesOfEachModel_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("width");
    QTest::newRow("model 1") << 1 << 39;
    QTest::newRow("model 2") << 2 << 33;
    QTest::newRow("model 3") << 3 << 37;
}

void tst_rvCar::picturesOfEachModel() {
    QFETCH(int, variant);
    QFETCH(int, width);
    seedForNextDraw(3, variant - 1);
    auto* car = new rvCar;
    mScene->addItem(car);
    QCOMPARE(car->type(), 1);
    // A new car shows its model going Up until its generator sets the direction.
    QCOMPARE(car->direction(), 0);
    QCOMPARE(car->boundingRect(), QRectF(0, 0, width, 64));
    const QSizeF vertical(width, 64);
    const QSizeF horizontal(64, width);
    const QSizeF expected[] = {vertical, horizontal, vertical, horizontal};
    for (int direction : {1, 2, 3, 0}) {
        car->setDirection(direction);
        QCOMPARE(car->boundingRect(), QRectF(QPointF(0, 0), expected[direction]));
    }
}

// The animation timer runs at 0 ms: ticks come far less than a millisecond apart.
void tst_rvCar::movementIsExactAtAnyTickRate_data() {
    QTest::addColumn<int>("tickMicroseconds");
    QTest::newRow("0.1 ms") << 100;
    QTest::newRow("0.25 ms") << 250;
    QTest::newRow("0.7 ms") << 700;
    QTest::newRow("1 ms") << 1000;
    QTest::newRow("16.7 ms") << 16700;
    QTest::newRow("1 s") << 1000000;
}

void tst_rvCar::movementIsExactAtAnyTickRate() {
    QFETCH(int, tickMicroseconds);
    mScene->setSceneRect(0, 0, 2000, 640);
    rvCar* car = addCar(2, 1, QPointF(0, 0));
    const int ticks = 1000000 / tickMicroseconds;
    for (int i = 0; i < ticks; ++i) {
        mClock->advance(std::chrono::microseconds(tickMicroseconds));
        mScene->advance();
    }
    const qreal oneStep = qMax(tickMicroseconds / 1000.0, 1.0) * rvCar::Speed;
    QVERIFY2(qAbs(car->position().x() - 150.0) <= oneStep + 1e-3,
             qPrintable(QString::number(car->position().x())));
    QCOMPARE(car->pos(), car->position());
}

void tst_rvCar::finishesAtTheSceneEdge_data() {
    QTest::addColumn<int>("direction");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<int>("milliseconds");
    // Variant 1, placed in the middle of its spawn tile.
    QTest::newRow("down from (6,0)") << 2 << QPointF(396.5, 0) << 3840;
    QTest::newRow("right from (0,5)") << 1 << QPointF(0, 332.5) << 5547;
    QTest::newRow("up from (7,9)") << 0 << QPointF(460.5, 576) << 3840;
    QTest::newRow("left from (13,4)") << 3 << QPointF(832, 268.5) << 5547;
}

void tst_rvCar::finishesAtTheSceneEdge() {
    QFETCH(int, direction);
    QFETCH(QPointF, start);
    QFETCH(int, milliseconds);
    rvCar* car = addCar(1, direction, start);
    int elapsed = 0;
    while (!car->isFinished() && elapsed < 10000) {
        mClock->advance(1ms);
        ++elapsed;
        mScene->advance();
        QVERIFY(car->isVisible() || car->isFinished());
    }
    QVERIFY2(qAbs(elapsed - milliseconds) <= 1, qPrintable(QString::number(elapsed)));
    QVERIFY(!car->isVisible());
    // It stays on its lane.
    if (direction % 2 == 0)
        QCOMPARE(car->position().x(), start.x());
    else
        QCOMPARE(car->position().y(), start.y());
}

void tst_rvCar::touchingTheBorderIsInside() {
    rvCar* car = addCar(1, 2, QPointF(396.5, 576));
    car->advance(0);
    QVERIFY(!car->isFinished());
    QVERIFY(car->isVisible());
    mClock->advance(1ms);
    car->advance(0);
    QVERIFY(car->isFinished());
    QVERIFY(!car->isVisible());
}

void tst_rvCar::finishedCarStaysHiddenAndStill() {
    rvCar* car = addCar(3, 3, QPointF(2, 100));
    mClock->advance(100ms);
    mScene->advance();
    QVERIFY(car->isFinished());
    const QPointF position = car->position();
    const QPointF shown = car->pos();
    QCOMPARE(shown, QPointF(2, 100));
    for (int i = 0; i < 5; ++i) {
        mClock->advance(100ms);
        mScene->advance();
    }
    QCOMPARE(car->position(), position);
    QCOMPARE(car->pos(), shown);
    QVERIFY(!car->isVisible());
    QCOMPARE(car->boundingRect(), QRectF(0, 0, 64, 37));
}

QTEST_MAIN(tst_rvCar)
#include "tst_rvCar.moc"
