// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvRandom.h"

#include <QSet>
#include <QTest>
#include <algorithm>

class tst_rvRandom : public QObject {
    Q_OBJECT

private slots:
    void sameSeedGivesSameSequence();
    void drawsStayInRange();
};

static QList<int> drawSequence(quint32 seed, int n) {
    rvRandom::seed(seed);
    QList<int> values;
    for (int i = 0; i < 100 * qMax(n, 1); ++i)
        values.append(rvRandom::draw(n));
    return values;
}

void tst_rvRandom::sameSeedGivesSameSequence() {
    QCOMPARE(drawSequence(1700000000, 41), drawSequence(1700000000, 41));
    QVERIFY(drawSequence(1700000000, 41) != drawSequence(1700000001, 41));
}

void tst_rvRandom::drawsStayInRange() {
    for (int n : {1, 3, 41}) {
        const QList<int> values = drawSequence(42, n);
        const QSet<int> seen(values.begin(), values.end());
        QCOMPARE(seen.size(), n);
        QCOMPARE(*std::min_element(values.begin(), values.end()), 0);
        QCOMPARE(*std::max_element(values.begin(), values.end()), n - 1);
    }
    // No division by zero for an empty range.
    QCOMPARE(rvRandom::draw(0), 0);
    QCOMPARE(rvRandom::draw(-5), 0);
}

QTEST_APPLESS_MAIN(tst_rvRandom)
#include "tst_rvRandom.moc"
