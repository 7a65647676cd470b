// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artNoise.h"
#include "artRandom.h"

#include <QTest>

class tst_artNoise : public QObject {
    Q_OBJECT

private slots:
    void sameSeedSameSequence();
    void drawsStayInRange();
    void noiseWrapsAroundItsPeriod_data();
    void noiseWrapsAroundItsPeriod();
    void fractalRepeatsEveryTile();
};

void tst_artNoise::sameSeedSameSequence() {
    artRandom first(42);
    artRandom second(42);
    artRandom other(43);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const quint64 value = first.next();
        QCOMPARE(second.next(), value);
        differs = differs || other.next() != value;
    }
    QVERIFY(differs);
}

void tst_artNoise::drawsStayInRange() {
    artRandom random(7);
    int hits[5] = {};
    for (int i = 0; i < 5000; ++i) {
        const double unit = random.unit();
        QVERIFY(unit >= 0.0 && unit < 1.0);
        const double range = random.range(-3.0, 2.0);
        QVERIFY(range >= -3.0 && range < 2.0);
        const int below = random.below(5);
        QVERIFY(below >= 0 && below < 5);
        ++hits[below];
    }
    for (int count : hits)
        QVERIFY2(count > 800 && count < 1200, "every value of below(5) comes up about as often");
    QCOMPARE(random.below(0), 0);
}

void tst_artNoise::noiseWrapsAroundItsPeriod_data() {
    QTest::addColumn<int>("period");
    QTest::addColumn<double>("u");
    QTest::addColumn<double>("v");
    QTest::newRow("lattice point") << 4 << 1.0 << 2.0;
    QTest::newRow("between points") << 8 << 3.3 << 0.7;
    QTest::newRow("negative") << 5 << -1.25 << -7.5;
}

void tst_artNoise::noiseWrapsAroundItsPeriod() {
    QFETCH(int, period);
    QFETCH(double, u);
    QFETCH(double, v);
    const artNoise noise(3, period);
    const double value = noise.at(u, v);
    QVERIFY(value >= 0.0 && value <= 1.0);
    QCOMPARE(noise.at(u + period, v), value);
    QCOMPARE(noise.at(u, v - 2 * period), value);
}

void tst_artNoise::fractalRepeatsEveryTile() {
    for (double x : {0.0, 13.5, 63.0}) {
        const double value = artNoise::fractal(9, x, 20.0, 64, 2, 4);
        QVERIFY(value >= 0.0 && value <= 1.0);
        QCOMPARE(artNoise::fractal(9, x + 64.0, 20.0 - 64.0, 64, 2, 4), value);
    }
}

QTEST_GUILESS_MAIN(tst_artNoise)
#include "tst_artNoise.moc"
