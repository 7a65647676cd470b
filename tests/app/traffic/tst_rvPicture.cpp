// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzPicture.h"
#include "rvPicture.h"

#include "rvCar.h"
#include "rvMainContent.h"
#include "rvMan.h"
#include "rvRoadMap.h"
#include "trafficTesting.h"

#include <QGraphicsItem>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QTest>

// Runs at a device pixel ratio of 2 (QT_SCALE_FACTOR=2 on the offscreen platform): the pictures'
// "@2x" partners are shown, and everything keeps its logical size and place.
class tst_rvPicture : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void loadsThePartner();
    void sceneItemsKeepTheirLogicalSizes();
    void partnerIsDrawnPixelForPixel();
    void otherRatiosResampleSmoothly();
};

void tst_rvPicture::initTestCase() {
    QCOMPARE(qGuiApp->devicePixelRatio(), 2.0);
}

void tst_rvPicture::loadsThePartner() {
    const QPixmap tower = pzPicture::load(QStringLiteral(":/tower.png"));
    QCOMPARE(tower.size(), QSize(288, 478));
    QCOMPARE(tower.deviceIndependentSize(), QSizeF(144, 239));
    QVERIFY(pzPicture::load(QStringLiteral(":/car4Up.png")).isNull());
    // The toolkit's buttons get theirs through QIcon.
    QCOMPARE(QIcon(QStringLiteral(":/iconClose.png")).pixmap(QSize(23, 22)).size(), QSize(46, 44));
}

void tst_rvPicture::sceneItemsKeepTheirLogicalSizes() {
    rvMainContent view;
    int tiles = 0;
    int towers = 0;
    for (QGraphicsItem* item : view.scene()->items()) {
        if (item->zValue() == 0) {
            ++tiles;
            QCOMPARE(item->boundingRect(), QRectF(0, 0, TileSize, TileSize));
            QCOMPARE(std::fmod(item->pos().x(), TileSize), 0.0);
        } else {
            ++towers;
            QCOMPARE(item->boundingRect(), QRectF(0, 0, 144, 239));
            QVERIFY(item->pos().y() == 401 || item->pos().y() == -47);
        }
    }
    QCOMPARE(tiles, 140);
    QCOMPARE(towers, 8);
    seedForDraws(3, {2});
    QCOMPARE(rvCar().boundingRect(), QRectF(0, 0, 37, 64));
    QCOMPARE(rvMan().boundingRect(), QRectF(0, 0, 16, 20));
}

// The lower left tower, through its opaque middle column, shows the partner's own pixels.
void tst_rvPicture::partnerIsDrawnPixelForPixel() {
    rvMainContent view;
    view.resize(896, 640);
    const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), QSize(1792, 1280));
    const QImage partner = QImage(QStringLiteral(":/tower@2x.png"));
    const int column = partner.width() / 2;
    const int top = 401 * 2;
    for (int y = 0; y < 1280 - top; ++y)
        QCOMPARE(shot.pixel(column, top + y), partner.pixel(column, y));
}

// A partner drawn at another ratio (150 %) is blended from its pixels, not picked among them.
void tst_rvPicture::otherRatiosResampleSmoothly() {
    QImage checker(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            checker.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    QPixmap pixmap = QPixmap::fromImage(checker);
    pixmap.setDevicePixelRatio(2);
    QImage screen(3, 3, QImage::Format_RGB32);
    screen.setDevicePixelRatio(1.5);
    screen.fill(Qt::red);
    QPainter painter(&screen);
    rvPicture::draw(painter, pixmap);
    painter.end();
    const QRgb middle = screen.pixel(1, 1);
    QVERIFY2(qRed(middle) > 60 && qRed(middle) < 200 && qRed(middle) == qBlue(middle),
             qPrintable(QString::number(middle, 16)));
}

QTEST_MAIN(tst_rvPicture)
#include "tst_rvPicture.moc"
