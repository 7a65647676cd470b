#include "rvRandom.h"

#include <QSet>
#include <QTest>

class tst_rvRandom : public QObject {
    Q_OBJECT

private slots:
    void sameSeedGivesSameSequence();
    void drawsCoverTheRange_data();
    void drawsCoverTheRange();
    void emptyRangeDrawsZero();
};

static QList<int> drawSequence(quint32 seed, int n, int count) {
    rvRandom::seed(seed);
    QList<int> values;
    for (int i = 0; i < count; ++i)
        values.append(rvRandom::draw(n));
    return values;
}

void tst_rvRandom::sameSeedGivesSameSequence() {
    QCOMPARE(drawSequence(1700000000, 41, 50), drawSequence(1700000000, 41, 50));
    QVERIFY(drawSequence(1700000000, 41, 50) != drawSequence(1700000001, 41, 50));
}

void tst_rvRandom::drawsCoverTheRange_data() {
    QTest::addColumn<int>("n");
    QTest::newRow("car variant") << 3;
    QTest::newRow("pedestrian offset") << 41;
    QTest::newRow("one value") << 1;
}

void tst_rvRandom::drawsCoverTheRange() {
    QFETCH(int, n);
    QSet<int> seen;
    for (int value : drawSequence(42, n, 100 * n)) {
        QVERIFY(value >= 0 && value < n);
        seen.insert(value);
    }
    QCOMPARE(seen.size(), n);
}

void tst_rvRandom::emptyRangeDrawsZero() {
    QCOMPARE(rvRandom::draw(0), 0);
    QCOMPARE(rvRandom::draw(-5), 0);
}

QTEST_APPLESS_MAIN(tst_rvRandom)
#include "tst_rvRandom.moc"
