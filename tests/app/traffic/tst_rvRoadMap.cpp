// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvRoadMap.h"

#include <QPoint>
#include <QTest>

class tst_rvRoadMap : public QObject {
    Q_OBJECT

private slots:
    void tileAtReadsTheMap_data();
    void tileAtReadsTheMap();
    void nextDirection_data();
    void nextDirection();
};

void tst_rvRoadMap::tileAtReadsTheMap_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("code");
    QTest::newRow("pedestrian spawn going right") << 0 << 3 << 11;
    QTest::newRow("car spawn going left") << 13 << 4 << 23;
    QTest::newRow("car spawn going up") << 7 << 9 << 20;
    QTest::newRow("top left grass") << 0 << 0 << 0;
    QTest::newRow("bottom right grass") << 13 << 9 << 0;
    QTest::newRow("crossing") << 6 << 4 << 2;
    QTest::newRow("corner sidewalk") << 5 << 3 << 1;
    QTest::newRow("left of the map") << -1 << 3 << -1;
    QTest::newRow("right of the map") << 14 << 0 << -1;
    QTest::newRow("below the map") << 0 << 10 << -1;
    QTest::newRow("above the map") << 6 << -1 << -1;
}

void tst_rvRoadMap::tileAtReadsTheMap() {
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, code);
    QCOMPARE(tileAt(column, row), code);
}

void tst_rvRoadMap::nextDirection_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("next");
    QTest::newRow("down at (5,3): road ahead, turn left") << QPoint(344, 214) << 2 << 3;
    QTest::newRow("down at (8,3): road ahead, turn right") << QPoint(536, 214) << 2 << 1;
    QTest::newRow("down at (5,2): sidewalk ahead") << QPoint(344, 150) << 2 << 2;
    QTest::newRow("up at (5,6): turn left") << QPoint(344, 406) << 0 << 3;
    QTest::newRow("up at (8,6): turn right") << QPoint(536, 406) << 0 << 1;
    QTest::newRow("right at (5,3): turn up") << QPoint(344, 214) << 1 << 0;
    QTest::newRow("right at (5,6): turn down") << QPoint(344, 406) << 1 << 2;
    QTest::newRow("left at (8,3): turn up") << QPoint(536, 214) << 3 << 0;
    QTest::newRow("left at (8,6): turn down") << QPoint(536, 406) << 3 << 2;
    QTest::newRow("left at (1,3): spawn code ahead") << QPoint(88, 214) << 3 << 3;
    QTest::newRow("up at (5,0): map edge ahead") << QPoint(344, 22) << 0 << 0;
    QTest::newRow("right at (13,3): map edge ahead") << QPoint(856, 214) << 1 << 1;
    QTest::newRow("left of the map, truncated to column 0") << QPoint(-40, 214) << 3 << 3;
    QTest::newRow("unknown direction") << QPoint(344, 214) << 7 << 7;
    QTest::newRow("negative direction") << QPoint(344, 214) << -1 << -1;
}

void tst_rvRoadMap::nextDirection() {
    QFETCH(QPoint, point);
    QFETCH(int, direction);
    QFETCH(int, next);
    QCOMPARE(::nextDirection(point, direction), next);
}

QTEST_APPLESS_MAIN(tst_rvRoadMap)
#include "tst_rvRoadMap.moc"
