// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artImage.h"

#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A 3 by 2 image whose every pixel is different, to follow pixels through a turn.
QImage marked() {
    QImage image = artImage::canvas(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, y, qRgba(40 * x, 100 * y, 10, 255));
    return image;
}

} // namespace

class tst_artImage : public QObject {
    Q_OBJECT

private slots:
    void quarterTurnsMovePixels_data();
    void quarterTurnsMovePixels();
    void fourTurnsGiveTheImageBack();
    void shadowFallsBehindTheBody();
    void savedPngKeepsAlphaOnlyWhenNeeded_data();
    void savedPngKeepsAlphaOnlyWhenNeeded();
    void mixAndScale();
};

void tst_artImage::quarterTurnsMovePixels_data() {
    QTest::addColumn<int>("turns");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("topLeftGoesTo");
    QTest::newRow("none") << 0 << QSize(3, 2) << QPoint(0, 0);
    QTest::newRow("clockwise") << 1 << QSize(2, 3) << QPoint(1, 0);
    QTest::newRow("half") << 2 << QSize(3, 2) << QPoint(2, 1);
    QTest::newRow("anticlockwise") << 3 << QSize(2, 3) << QPoint(0, 2);
    QTest::newRow("negative") << -1 << QSize(2, 3) << QPoint(0, 2);
}

void tst_artImage::quarterTurnsMovePixels() {
    QFETCH(int, turns);
    QFETCH(QSize, size);
    QFETCH(QPoint, topLeftGoesTo);
    const QImage source = marked();
    const QImage turned = artImage::rotated(source, turns);
    QCOMPARE(turned.size(), size);
    QCOMPARE(turned.pixel(topLeftGoesTo), source.pixel(0, 0));
}

void tst_artImage::fourTurnsGiveTheImageBack() {
    const QImage source = marked();
    QImage image = source;
    for (int i = 0; i < 4; ++i)
        image = artImage::rotated(image, 1);
    QCOMPARE(image, source);
}

void tst_artImage::shadowFallsBehindTheBody() {
    QImage body = artImage::canvas(20, 20);
    {
        QPainter painter(&body);
        painter.fillRect(QRect(4, 4, 10, 10), Qt::red);
    }
    const QImage shaded = artImage::withShadow(body, QPoint(2, 2), 1, 128);
    QCOMPARE(shaded.pixel(8, 8), body.pixel(8, 8));
    QCOMPARE(qAlpha(shaded.pixel(1, 1)), 0);
    const QRgb below = shaded.pixel(15, 15);
    QVERIFY(qAlpha(below) > 40 && qAlpha(below) < 200);
    QCOMPARE(qRed(below), 0);
}

void tst_artImage::savedPngKeepsAlphaOnlyWhenNeeded_data() {
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<bool>("alpha");
    QTest::newRow("opaque") << QColor(10, 20, 30) << false;
    QTest::newRow("translucent") << QColor(10, 20, 30, 128) << true;
}

void tst_artImage::savedPngKeepsAlphaOnlyWhenNeeded() {
    QFETCH(QColor, fill);
    QFETCH(bool, alpha);
    QTemporaryDir dir;
    const QString path = dir.filePath("probe.png");
    QVERIFY(artImage::save(artImage::canvas(8, 8, fill), path));
    const QImage read(path);
    QCOMPARE(read.size(), QSize(8, 8));
    QCOMPARE(read.hasAlphaChannel(), alpha);
    QCOMPARE(qAlpha(read.pixel(3, 3)), fill.alpha());
}

void tst_artImage::mixAndScale() {
    QCOMPARE(artImage::mix(Qt::black, Qt::white, 0.0), QColor(Qt::black));
    QCOMPARE(artImage::mix(Qt::black, Qt::white, 1.0), QColor(Qt::white));
    QCOMPARE(artImage::mix(QColor(0, 0, 0), QColor(200, 100, 50), 0.5).red(), 100);
    QCOMPARE(artImage::scaled(QColor(100, 200, 10), 0.5), QColor(50, 100, 5));
    QCOMPARE(artImage::scaled(QColor(100, 200, 10), 2.0), QColor(200, 255, 20));
}

QTEST_GUILESS_MAIN(tst_artImage)
#include "tst_artImage.moc"
