// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvClock.h"

#include "trafficTesting.h"

#include <QTest>

class tst_rvClock : public QObject {
    Q_OBJECT

private slots:
    void subMillisecondTicksAddUp_data();
    void subMillisecondTicksAddUp();
    void realClockMovesForward();
};

void tst_rvClock::subMillisecondTicksAddUp_data() {
    QTest::addColumn<int>("tickMicroseconds");
    QTest::addColumn<int>("ticks");
    QTest::newRow("0.1 ms for 1 s") << 100 << 10000;
    QTest::newRow("0.3 ms for 0.9 s") << 300 << 3000;
    QTest::newRow("0.999 ms for 999 ms") << 999 << 1000;
    QTest::newRow("1.5 ms for 3 s") << 1500 << 2000;
    QTest::newRow("10 s at once") << 10000000 << 1;
}

void tst_rvClock::subMillisecondTicksAddUp() {
    QFETCH(int, tickMicroseconds);
    QFETCH(int, ticks);
    ManualClock manual;
    rvClock clock;
    clock.start();
    qint64 total = 0;
    for (int i = 0; i < ticks; ++i) {
        manual.advance(std::chrono::microseconds(tickMicroseconds));
        const qint64 step = clock.restart();
        QVERIFY(step >= 0 && step <= tickMicroseconds / 1000 + 1);
        total += step;
    }
    // The first reading may have been taken part-way into a millisecond.
    const qint64 expected = qint64(tickMicroseconds) * ticks / 1000;
    QVERIFY2(qAbs(total - expected) <= 1, qPrintable(QString::number(total)));
    QCOMPARE(clock.restart(), 0);
}

void tst_rvClock::realClockMovesForward() {
    const qint64 start = rvClock::now();
    rvClock clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(rvClock::now() > start, 100);
    QVERIFY(clock.restart() >= 1);
}

QTEST_GUILESS_MAIN(tst_rvClock)
#include "tst_rvClock.moc"
