// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzWallpaper.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A picture whose every pixel tells where it came from: red grows with x, green with y.
QPixmap coordinatePicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / (width - 1), y * 255 / (height - 1), 0));
    return QPixmap::fromImage(image);
}

QImage paintInto(pzWallpaper& wallpaper, const QSize& canvas) {
    QImage image(canvas, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    wallpaper.paint(painter);
    return image;
}

// The working copy the wallpaper makes of a picture: rescaled to 1024 x 768.
QImage workingCopy(const QPixmap& picture) {
    return picture.scaled(1024, 768, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).toImage();
}

} // namespace

class tst_pzWallpaper : public QObject {
    Q_OBJECT

private slots:
    void cutsTargetsWithinTheWorkingCopyUnscaled_data();
    void cutsTargetsWithinTheWorkingCopyUnscaled();
    void stretchesAlongAxesLargerThanTheWorkingCopy();
    void offsetTargetCutsFromTheSameOffsetAndStretchesTheClippedCut();
    void picturesAndTargetsMayArriveInAnyOrder();
    void freshOrHalfSetWallpaperPaintsNothing();
    void nullPictureDrawsNothing();
    void pictureFromAFileIsReadWhenFirstPainted();
};

void tst_pzWallpaper::cutsTargetsWithinTheWorkingCopyUnscaled_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("target");
    QTest::newRow("800x600 into the window content") << QSize(800, 600) << QSize(900, 644);
    QTest::newRow("exactly the working size") << QSize(800, 600) << QSize(1024, 768);
    QTest::newRow("wide picture is distorted first") << QSize(1680, 1050) << QSize(500, 300);
}

void tst_pzWallpaper::cutsTargetsWithinTheWorkingCopyUnscaled() {
    QFETCH(QSize, picture);
    QFETCH(QSize, target);
    const QPixmap source = coordinatePicture(picture.width(), picture.height());
    pzWallpaper wallpaper;
    wallpaper.setPixmap(source);
    wallpaper.resize(QRect(QPoint(0, 0), target));

    const QImage painted = paintInto(wallpaper, target);
    const QImage expected = workingCopy(source).copy(QRect(QPoint(0, 0), target));
    QCOMPARE(painted, expected.convertToFormat(painted.format()));
}

void tst_pzWallpaper::stretchesAlongAxesLargerThanTheWorkingCopy() {
    const QPixmap source = coordinatePicture(800, 600);
    const QImage working = workingCopy(source);
    pzWallpaper wallpaper;
    wallpaper.setPixmap(source);

    // Both axes larger: the whole copy fills the target, so its far corner lands in the target's.
    wallpaper.resize(QRect(0, 0, 1280, 1024));
    QImage painted = paintInto(wallpaper, QSize(1280, 1024));
    QCOMPARE(painted.pixel(1279, 1023), working.pixel(1023, 767));
    QCOMPARE(painted.pixel(0, 0), working.pixel(0, 0));

    // Wider only: the full width is stretched, the rows are shown one to one.
    wallpaper.resize(QRect(0, 0, 1200, 600));
    painted = paintInto(wallpaper, QSize(1200, 600));
    QCOMPARE(painted.pixel(1199, 599), working.pixel(1023, 599));
    QCOMPARE(painted.pixel(0, 300), working.pixel(0, 300));
    const int redHalfway = qRed(painted.pixel(600, 10));
    QVERIFY(qAbs(redHalfway - qRed(working.pixel(512, 10))) <= 2);
}

void tst_pzWallpaper::offsetTargetCutsFromTheSameOffsetAndStretchesTheClippedCut() {
    const QPixmap source = coordinatePicture(800, 600);
    const QImage working = workingCopy(source);
    pzWallpaper wallpaper;
    wallpaper.setPixmap(source);
    // Cut (100, 50, 1024, 768) is clipped to (100, 50, 924, 718) and stretched over the target.
    wallpaper.resize(QRect(100, 50, 1100, 800));
    const QImage painted = paintInto(wallpaper, QSize(1200, 850));

    QCOMPARE(painted.pixel(100, 50), working.pixel(100, 50));
    QCOMPARE(painted.pixel(1199, 849), working.pixel(1023, 767));
    QCOMPARE(painted.pixel(99, 49), QColor(Qt::blue).rgb());
}

void tst_pzWallpaper::picturesAndTargetsMayArriveInAnyOrder() {
    const QPixmap first = coordinatePicture(800, 600);
    QPixmap second(640, 480);
    second.fill(Qt::darkGreen);

    pzWallpaper wallpaper;
    wallpaper.resize(QRect(0, 0, 300, 200));
    QCOMPARE(paintInto(wallpaper, QSize(300, 200)).pixel(10, 10), QColor(Qt::blue).rgb());

    wallpaper.setPixmap(first);
    QCOMPARE(paintInto(wallpaper, QSize(300, 200)),
             workingCopy(first).copy(0, 0, 300, 200).convertToFormat(QImage::Format_RGB32));

    wallpaper.setPixmap(second);
    const QImage painted = paintInto(wallpaper, QSize(300, 200));
    QCOMPARE(painted.pixel(0, 0), QColor(Qt::darkGreen).rgb());
    QCOMPARE(painted.pixel(299, 199), QColor(Qt::darkGreen).rgb());
}

void tst_pzWallpaper::freshOrHalfSetWallpaperPaintsNothing() {
    pzWallpaper fresh;
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    painter.setPen(Qt::red);
    painter.setBrush(Qt::yellow);
    fresh.paint(painter);
    QCOMPARE(painter.pen().color(), QColor(Qt::red));
    QCOMPARE(painter.brush().color(), QColor(Qt::yellow));
    painter.end();
    QCOMPARE(image.pixel(25, 25), QColor(Qt::blue).rgb());

    pzWallpaper pictureOnly;
    pictureOnly.setPixmap(coordinatePicture(800, 600));
    QCOMPARE(paintInto(pictureOnly, QSize(50, 50)).pixel(0, 0), QColor(Qt::blue).rgb());
}

void tst_pzWallpaper::nullPictureDrawsNothing() {
    pzWallpaper wallpaper;
    wallpaper.setPixmap(QPixmap(QStringLiteral(":/no/such/picture.png")));
    wallpaper.resize(QRect(0, 0, 100, 100));
    QCOMPARE(paintInto(wallpaper, QSize(100, 100)).pixel(50, 50), QColor(Qt::blue).rgb());
}

// The file is read when a paint needs it, not when it is named; a later picture replaces it.
void tst_pzWallpaper::pictureFromAFileIsReadWhenFirstPainted() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("wall.png"));
    const QPixmap picture = coordinatePicture(800, 600);
    pzWallpaper wallpaper;
    wallpaper.setPicture(path);
    wallpaper.resize(QRect(0, 0, 300, 200));
    QVERIFY(picture.save(path));
    QCOMPARE(paintInto(wallpaper, QSize(300, 200)),
             workingCopy(picture).copy(0, 0, 300, 200).convertToFormat(QImage::Format_RGB32));

    wallpaper.setPicture(path);
    QPixmap green(640, 480);
    green.fill(Qt::darkGreen);
    wallpaper.setPixmap(green);
    QCOMPARE(paintInto(wallpaper, QSize(300, 200)).pixel(10, 10), QColor(Qt::darkGreen).rgb());
}

QTEST_MAIN(tst_pzWallpaper)
#include "tst_pzWallpaper.moc"
