#include "rvClock.h"

#include "trafficTesting.h"

#include <QTest>

class tst_rvClock : public QObject {
    Q_OBJECT

private slots:
    void subMillisecondTicksAddUp_data();
    void subMillisecondTicksAddUp();
    void restartCountsFromTheLastReading();
    void realClockMovesForward();
};

void tst_rvClock::subMillisecondTicksAddUp_data() {
    QTest::addColumn<qint64>("tickMicroseconds");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("0.1 ms for 1 s") << qint64(100) << 10000 << qint64(1000);
    QTest::newRow("0.3 ms for 0.9 s") << qint64(300) << 3000 << qint64(900);
    QTest::newRow("0.999 ms for 999 ms") << qint64(999) << 1000 << qint64(999);
    QTest::newRow("1.5 ms for 3 s") << qint64(1500) << 2000 << qint64(3000);
}

void tst_rvClock::subMillisecondTicksAddUp() {
    QFETCH(qint64, tickMicroseconds);
    QFETCH(int, ticks);
    QFETCH(qint64, expected);
    ManualClock manual;
    rvClock clock;
    clock.start();
    qint64 total = 0;
    for (int i = 0; i < ticks; ++i) {
        manual.advance(std::chrono::microseconds(tickMicroseconds));
        const qint64 step = clock.restart();
        QVERIFY(step >= 0);
        total += step;
    }
    // The reading may have started part-way into a millisecond.
    QVERIFY2(qAbs(total - expected) <= 1, qPrintable(QString::number(total)));
}

void tst_rvClock::restartCountsFromTheLastReading() {
    ManualClock manual;
    rvClock clock;
    clock.start();
    manual.advance(2500us);
    const qint64 first = clock.restart();
    QVERIFY2(first == 2 || first == 3, qPrintable(QString::number(first)));
    QCOMPARE(clock.restart(), 0);
    manual.advance(10s);
    QCOMPARE(clock.restart(), 10000);
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
