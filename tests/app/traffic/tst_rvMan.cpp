// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvMan.h"

#include "rvRoadMap.h"
#include "trafficTesting.h"

#include <QTest>

class tst_rvMan : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newPedestrian();
    void drawsLookThenOffsets();
    void routes_data();
    void routes();
    void stepsAreCutAtEachTileMark();
    void longPauseStopsAtTheNextMark();
    void offsetIsKeptThroughTheTurn();
    void leavingAtAMarkStillTurnsButMovesNoMore();

private:
    rvMan* addMan(int column, int row, int direction);

    ManualClock* mClock = nullptr;
    QGraphicsScene* mScene = nullptr;
};

void tst_rvMan::init() {
    mClock = new ManualClock;
    mScene = new EmptyBlock;
    rvRandom::seed(7);
}

void tst_rvMan::cleanup() {
    delete mScene;
    delete mClock;
}

// Placed as its generator places it: picture centred on the spawn tile.
rvMan* tst_rvMan::addMan(int column, int row, int direction) {
    auto* man = new rvMan;
    mScene->addItem(man);
    man->setDirection(direction);
    const QPointF start(TileSize * column + 24, TileSize * row + 22);
    man->setPosition(start);
    man->setPos(start);
    return man;
}

static QPoint tileOf(const QPointF& position) {
    const QPoint point = position.toPoint();
    return QPoint(point.x() / TileSize, point.y() / TileSize);
}

void tst_rvMan::newPedestrian() {
    rvMan man;
    QCOMPARE(man.direction(), 0);
    QCOMPARE(man.boundingRect(), QRectF(0, 0, 16, 20));
    QCOMPARE(man.type(), 2);
}

void tst_rvMan::drawsLookThenOffsets() {
    for (quint32 seed : {1u, 99u, 123456u}) {
        rvRandom::seed(seed);
        rvRandom::draw(3);
        const int offsetX = rvRandom::draw(41) - 20;
        const int offsetY = rvRandom::draw(41) - 20;
        const int after = rvRandom::draw(1000);

        rvRandom::seed(seed);
        rvMan* man = addMan(5, 0, 2);
        QCOMPARE(rvRandom::draw(1000), after);
        man->advance(1);
        QCOMPARE(man->pos() - man->position(), QPointF(offsetX, offsetY));
    }
}

void tst_rvMan::routes_data() {
    QTest::addColumn<QPoint>("spawn");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QPoint>("turn");
    QTest::addColumn<int>("newDirection");
    QTest::addColumn<QString>("edge");

    QTest::newRow("(5,0) down") << QPoint(5, 0) << 2 << QPoint(5, 3) << 3 << "left";
    QTest::newRow("(8,0) down") << QPoint(8, 0) << 2 << QPoint(8, 3) << 1 << "right";
    QTest::newRow("(0,3) right") << QPoint(0, 3) << 1 << QPoint(5, 3) << 0 << "top";
    QTest::newRow("(13,3) left") << QPoint(13, 3) << 3 << QPoint(8, 3) << 0 << "top";
    QTest::newRow("(0,6) right") << QPoint(0, 6) << 1 << QPoint(5, 6) << 2 << "bottom";
    QTest::newRow("(13,6) left") << QPoint(13, 6) << 3 << QPoint(8, 6) << 2 << "bottom";
    QTest::newRow("(5,9) up") << QPoint(5, 9) << 0 << QPoint(5, 6) << 3 << "left";
    QTest::newRow("(8,9) up") << QPoint(8, 9) << 0 << QPoint(8, 6) << 1 << "right";
}

// Walks the whole route in 100 ms ticks: one turn, where the table says, on sidewalks all along.
void tst_rvMan::routes() {
    QFETCH(QPoint, spawn);
    QFETCH(int, direction);
    QFETCH(QPoint, turn);
    QFETCH(int, newDirection);
    QFETCH(QString, edge);

    rvMan* man = addMan(spawn.x(), spawn.y(), direction);
    QList<QPoint> turns;
    int elapsed = 0;
    while (!man->isFinished() && elapsed < 60000) {
        const int before = man->direction();
        mClock->advance(100ms);
        elapsed += 100;
        mScene->advance();
        if (man->direction() != before)
            turns.append(tileOf(man->position()));
        if (man->isFinished())
            break;
        const QPointF centre = man->position() + QPointF(8, 10);
        const int code = tileAt(int(centre.x()) / TileSize, int(centre.y()) / TileSize);
        QVERIFY2(code == 1 || (code >= 10 && code <= 13),
                 qPrintable(QStringLiteral("off the sidewalk at %1, %2")
                                .arg(man->position().x())
                                .arg(man->position().y())));
    }
    QVERIFY(man->isFinished());
    QCOMPARE(turns, QList<QPoint>{turn});
    QCOMPARE(man->direction(), newDirection);

    const QRectF last(man->position(), QSizeF(16, 20));
    const QString left = last.left() < 0       ? "left"
                         : last.right() > 896  ? "right"
                         : last.top() < 0      ? "top"
                         : last.bottom() > 640 ? "bottom"
                                               : "inside";
    QCOMPARE(left, edge);
    // It leaves along the crossing arm, at the track offset of the turn tile.
    const QPointF atTurn(TileSize * turn.x() + 24, TileSize * turn.y() + 22);
    if (newDirection % 2 == 0)
        QVERIFY(qAbs(man->position().x() - atTurn.x()) < 1e-3);
    else
        QVERIFY(qAbs(man->position().y() - atTurn.y()) < 1e-3);
    // About 536 pixels at 30 pixels per second, a little more for the time dropped at the marks.
    if (spawn == QPoint(5, 0))
        QVERIFY2(elapsed > 17800 && elapsed < 19000, qPrintable(QString::number(elapsed)));
}

void tst_rvMan::stepsAreCutAtEachTileMark() {
    rvMan* man = addMan(5, 0, 2);
    for (int i = 0; i < 21; ++i) {
        mClock->advance(100ms);
        man->advance(0);
    }
    QVERIFY(qAbs(man->position().y() - (22 + 21 * 3.0)) < 1e-4);
    mClock->advance(100ms);
    man->advance(0);
    QVERIFY(qAbs(man->position().y() - 86.0) < 1e-4);
    // The count starts again from the mark.
    mClock->advance(100ms);
    man->advance(0);
    QVERIFY(qAbs(man->position().y() - 89.0) < 1e-4);
    QCOMPARE(man->direction(), 2);
}

void tst_rvMan::longPauseStopsAtTheNextMark() {
    rvMan* man = addMan(5, 0, 2);
    mClock->advance(50ms);
    man->advance(0);
    const qreal start = man->position().y();
    mClock->advance(10s);
    man->advance(0);
    QVERIFY(qAbs(man->position().y() - 86.0) < 1e-4);
    QVERIFY(start > 22);
    mClock->advance(10s);
    man->advance(0);
    QVERIFY(qAbs(man->position().y() - 150.0) < 1e-4);
    QCOMPARE(man->position().x(), 344.0);
}

void tst_rvMan::offsetIsKeptThroughTheTurn() {
    rvMan* man = addMan(0, 3, 1);
    mScene->advance();
    const QPointF offset = man->pos() - man->position();
    for (int mark = 0; mark < 6; ++mark) {
        mClock->advance(3s);
        mScene->advance();
        QCOMPARE(man->pos() - man->position(), offset);
    }
    QCOMPARE(man->direction(), 0);
    QCOMPARE(tileOf(man->position()), QPoint(5, 2));
}

void tst_rvMan::leavingAtAMarkStillTurnsButMovesNoMore() {
    mScene->setSceneRect(0, 0, 896, 200);
    rvMan* man = addMan(5, 0, 2);
    for (int mark = 0; mark < 3; ++mark) {
        mClock->advance(3s);
        mScene->advance();
    }
    QVERIFY(man->isFinished());
    QVERIFY(!man->isVisible());
    QCOMPARE(man->direction(), 3);
    const QPointF position = man->position();
    const QPointF shown = man->pos();
    mClock->advance(3s);
    mScene->advance();
    QCOMPARE(man->position(), position);
    QCOMPARE(man->pos(), shown);
    QCOMPARE(man->direction(), 3);
}

QTEST_MAIN(tst_rvMan)
#include "tst_rvMan.moc"
