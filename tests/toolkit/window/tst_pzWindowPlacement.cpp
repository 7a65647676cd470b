// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzWindowPlacement_p.h"

#include <QTest>

class tst_pzWindowPlacement : public QObject {
    Q_OBJECT

private slots:
    void restored_data();
    void restored();
};

void tst_pzWindowPlacement::restored_data() {
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QList<QRect>>("areas");
    QTest::addColumn<QRect>("fallback");
    QTest::addColumn<QRect>("expected");

    const QRect left(0, 0, 1000, 800);
    const QRect right(1000, 40, 800, 560);
    const QList<QRect> both{left, right};

    QTest::newRow("inside a screen")
        << QRect(100, 100, 300, 200) << both << left << QRect(100, 100, 300, 200);
    QTest::newRow("on the other screen")
        << QRect(1200, 100, 300, 200) << both << left << QRect(1200, 100, 300, 200);
    QTest::newRow("title bar across two screens")
        << QRect(900, 100, 300, 200) << both << left << QRect(900, 100, 300, 200);
    // Still on a screen, but not its title bar: moved the least to bring it back.
    QTest::newRow("one pixel on a screen")
        << QRect(-299, -199, 300, 200) << both << right << QRect(0, 0, 300, 200);
    QTest::newRow("title bar above the screen")
        << QRect(100, -10, 300, 200) << both << right << QRect(100, 0, 300, 200);
    // Enough of the title bar to take hold of is left on the screen.
    QTest::newRow("screen shrank under it")
        << QRect(800, 700, 300, 200) << QList<QRect>{left} << left << QRect(800, 700, 300, 200);
    QTest::newRow("less than a grip left")
        << QRect(980, 700, 300, 200) << QList<QRect>{left} << left << QRect(700, 700, 300, 200);
    QTest::newRow("title bar below the screen")
        << QRect(100, 790, 300, 200) << QList<QRect>{left} << left << QRect(100, 776, 300, 200);
    QTest::newRow("wider than the screen it shrank to")
        << QRect(100, -20, 1200, 300) << QList<QRect>{left} << left << QRect(0, 0, 1000, 300);
    // Centred as QRect::center places it: the area's centre (499, 399) and (1399, 319).
    QTest::newRow("screen gone") << QRect(2000, 100, 300, 200) << QList<QRect>{left} << left
                                 << QRect(350, 300, 300, 200);
    QTest::newRow("odd size") << QRect(2000, 100, 301, 201) << QList<QRect>{left} << left
                              << QRect(349, 299, 301, 201);
    QTest::newRow("touching but not on a screen")
        << QRect(-300, 0, 300, 200) << QList<QRect>{left} << left << QRect(350, 300, 300, 200);
    QTest::newRow("into the fallback screen")
        << QRect(-3000, 0, 300, 200) << both << right << QRect(1250, 220, 300, 200);
    QTest::newRow("wider than the area")
        << QRect(5000, 0, 1200, 200) << both << right << QRect(1000, 220, 800, 200);
    QTest::newRow("larger than the area") << QRect(5000, 0, 1200, 900) << both << right << right;
    QTest::newRow("no screens at all")
        << QRect(5000, 0, 300, 200) << QList<QRect>{} << QRect() << QRect(5000, 0, 300, 200);
}

void tst_pzWindowPlacement::restored() {
    QFETCH(QRect, saved);
    QFETCH(QList<QRect>, areas);
    QFETCH(QRect, fallback);
    QFETCH(QRect, expected);
    const int titleBarHeight = 24;
    QCOMPARE(pzWindowPlacement::restored(saved, titleBarHeight, areas, fallback), expected);
}

QTEST_APPLESS_MAIN(tst_pzWindowPlacement)
#include "tst_pzWindowPlacement.moc"
