// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzNativeGeometry_p.h"

#include <QTest>

class tst_pzNativeGeometry : public QObject {
    Q_OBJECT

private slots:
    void stepBase_data();
    void stepBase();
};

void tst_pzNativeGeometry::stepBase_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<qreal>("factor");
    QTest::addColumn<int>("nativeBase");

    QTest::newRow("even at 150 %") << 966 << 1.5 << 0;
    QTest::newRow("odd at 150 %") << 965 << 1.5 << 3;
    QTest::newRow("odd at 175 %") << 1575 << 1.75 << 5;
    QTest::newRow("even at 175 %") << 1560 << 1.75 << 0;
    QTest::newRow("odd at 200 %, out of reach") << 1561 << 2.0 << 0;
}

// The base, scaled as Qt sends it, lies whole steps below the length.
void tst_pzNativeGeometry::stepBase() {
    QFETCH(int, length);
    QFETCH(qreal, factor);
    QFETCH(int, nativeBase);
    const int step = qRound(factor);
    QCOMPARE(qRound(pzNativeGeometry::stepBase(length, step, factor) * factor), nativeBase);
}

QTEST_APPLESS_MAIN(tst_pzNativeGeometry)
#include "tst_pzNativeGeometry.moc"
