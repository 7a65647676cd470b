// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvSprite.h"

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTest>

class tst_rvSprite : public QObject {
    Q_OBJECT

private slots:
    void drawsUnscaledAtItsOrigin();
    void nullPictureHasNoBoundsAndDrawsNothing();
};

static QImage render(QGraphicsScene& scene) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, image.rect(), image.rect());
    return image;
}

void tst_rvSprite::drawsUnscaledAtItsOrigin() {
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(3, 2, qRgb(0, 255, 0));
    QGraphicsScene scene(0, 0, 20, 20);
    auto* sprite = new rvSprite(QPixmap::fromImage(picture));
    scene.addItem(sprite);
    sprite->setPos(5, 7);
    QCOMPARE(sprite->boundingRect(), QRectF(0, 0, 4, 3));
    QCOMPARE(sprite->zValue(), 0.0);

    const QImage image = render(scene);
    QCOMPARE(image.pixel(5, 7), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(8, 9), qRgb(0, 255, 0));
    QCOMPARE(image.pixel(6, 8), qRgb(0, 0, 255));
    for (const QPoint& outside : {QPoint(4, 7), QPoint(9, 9), QPoint(8, 10)})
        QCOMPARE(image.pixel(outside), qRgb(255, 255, 255));
}

void tst_rvSprite::nullPictureHasNoBoundsAndDrawsNothing() {
    QGraphicsScene scene(0, 0, 20, 20);
    auto* sprite = new rvSprite(QPixmap(QStringLiteral(":/noSuchPicture.png")));
    scene.addItem(sprite);
    QCOMPARE(sprite->boundingRect(), QRectF(0, 0, 0, 0));
    QImage blank(20, 20, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QCOMPARE(render(scene), blank);
}

QTEST_MAIN(tst_rvSprite)
#include "tst_rvSprite.moc"
