#include "rvSprite.h"

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTest>

class tst_rvSprite : public QObject {
    Q_OBJECT

private slots:
    void boundsFollowThePicture();
    void nullPictureHasNoBoundsAndDrawsNothing();
    void drawsUnscaledAtItsOrigin();
};

static QImage render(QGraphicsScene& scene, const QSize& size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    return image;
}

void tst_rvSprite::boundsFollowThePicture() {
    rvSprite tower(QPixmap(QStringLiteral(":/tower.png")));
    QCOMPARE(tower.boundingRect(), QRectF(0, 0, 144, 239));
    QCOMPARE(tower.zValue(), 0.0);
    QCOMPARE(tower.pos(), QPointF(0, 0));
}

void tst_rvSprite::nullPictureHasNoBoundsAndDrawsNothing() {
    QGraphicsScene scene(0, 0, 20, 20);
    auto* sprite = new rvSprite(QPixmap(QStringLiteral(":/noSuchPicture.png")));
    scene.addItem(sprite);
    QCOMPARE(sprite->boundingRect(), QRectF(0, 0, 0, 0));
    const QImage image = render(scene, QSize(20, 20));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixel(x, y), qRgb(255, 255, 255));
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

    const QImage image = render(scene, QSize(20, 20));
    QCOMPARE(image.pixel(5, 7), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(8, 9), qRgb(0, 255, 0));
    QCOMPARE(image.pixel(6, 8), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(4, 7), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(9, 9), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(8, 10), qRgb(255, 255, 255));
}

QTEST_MAIN(tst_rvSprite)
#include "tst_rvSprite.moc"
