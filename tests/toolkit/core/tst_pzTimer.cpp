// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzTimer.h"

#include <QSignalSpy>
#include <QTest>

namespace {

int msecsSince(const QTime& time) {
    return time.msecsTo(QTime::currentTime());
}

} // namespace

class tst_pzTimer : public QObject {
    Q_OBJECT

private slots:
    void newTimerHasNoStartTime();
    void startRecordsTheMoment();
    void restartMovesTheMomentAndTheInterval();
    void chronoStartRecordsTheMoment();
    void stopKeepsTheLastStart();
    void startThroughQTimerLeavesTimeAlone();
    void startByNameReachesTheTimer();
    void timePropertyIsReadOnly();
};

void tst_pzTimer::newTimerHasNoStartTime() {
    pzTimer timer;
    QVERIFY(timer.time().isNull());
    QVERIFY(!timer.isActive());
    QVERIFY(!timer.isSingleShot());
}

void tst_pzTimer::startRecordsTheMoment() {
    pzTimer timer;
    timer.start(100);
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), 100);
    QVERIFY(qAbs(msecsSince(timer.time())) < 50);

    QSignalSpy timeouts(&timer, &QTimer::timeout);
    QVERIFY(timeouts.wait(2000));
    QVERIFY(msecsSince(timer.time()) >= 90);
}

void tst_pzTimer::restartMovesTheMomentAndTheInterval() {
    pzTimer timer;
    timer.setInterval(40);
    timer.start();
    const QTime first = timer.time();
    QTRY_VERIFY_WITH_TIMEOUT(QTime::currentTime() > first.addMSecs(20), 1000);

    timer.start();
    QVERIFY(timer.time() > first);
    QCOMPARE(timer.interval(), 40);
    QVERIFY(timer.remainingTime() > 20);
}

void tst_pzTimer::chronoStartRecordsTheMoment() {
    pzTimer timer;
    timer.start(std::chrono::milliseconds(100));
    QCOMPARE(timer.interval(), 100);
    QVERIFY(!timer.time().isNull());
}

void tst_pzTimer::stopKeepsTheLastStart() {
    pzTimer timer;
    timer.start(1000);
    const QTime started = timer.time();
    timer.stop();
    QVERIFY(!timer.isActive());
    QCOMPARE(timer.time(), started);
}

void tst_pzTimer::startThroughQTimerLeavesTimeAlone() {
    pzTimer timer;
    QTimer& plain = timer;
    plain.start(1000);
    QVERIFY(timer.isActive());
    QVERIFY(timer.time().isNull());
}

void tst_pzTimer::startByNameReachesTheTimer() {
    pzTimer timer;
    timer.setInterval(1000);
    QVERIFY(QMetaObject::invokeMethod(&timer, "start"));
    QVERIFY(timer.isActive());
    QVERIFY(!timer.time().isNull());
}

void tst_pzTimer::timePropertyIsReadOnly() {
    pzTimer timer;
    const QMetaObject* meta = timer.metaObject();
    const QMetaProperty property = meta->property(meta->indexOfProperty("time"));
    QVERIFY(property.isValid());
    QVERIFY(!property.isWritable());
    QCOMPARE(property.metaType(), QMetaType::fromType<QTime>());
    QVERIFY(meta->indexOfSlot("start(int)") >= meta->methodOffset());
}

QTEST_MAIN(tst_pzTimer)
#include "tst_pzTimer.moc"
