// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artPortrait.h"

#include "artImage.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artPortrait {

namespace {

constexpr int Width = 300;
constexpr int Height = 464;

const QColor Skin(238, 196, 160);
const QColor SkinShade(214, 164, 128);
const QColor Hair(70, 46, 32);
const QColor Jacket(46, 66, 104);
const QColor Shirt(238, 238, 232);

void drawBackground(QPainter& painter) {
    QLinearGradient gradient(0, 0, 0, Height);
    gradient.setColorAt(0.0, QColor(150, 206, 206));
    gradient.setColorAt(1.0, QColor(78, 148, 164));
    painter.fillRect(QRect(0, 0, Width, Height), gradient);
    QRadialGradient halo(QPointF(150, 190), 170);
    halo.setColorAt(0.0, QColor(255, 255, 240, 120));
    halo.setColorAt(1.0, QColor(255, 255, 240, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(QPointF(150, 190), 170, 170);
}

void drawTorso(QPainter& painter) {
    QPainterPath jacket;
    jacket.moveTo(0, Height);
    jacket.lineTo(0, 372);
    jacket.cubicTo(14, 340, 64, 326, 114, 316);
    jacket.lineTo(186, 316);
    jacket.cubicTo(236, 326, 286, 340, 300, 372);
    jacket.lineTo(300, Height);
    jacket.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Jacket);
    painter.drawPath(jacket);

    QPainterPath shirt;
    shirt.moveTo(116, 314);
    shirt.lineTo(184, 314);
    shirt.lineTo(150, 410);
    shirt.closeSubpath();
    painter.setBrush(Shirt);
    painter.drawPath(shirt);

    painter.setBrush(artImage::scaled(Jacket, 0.75)); // lapels
    painter.drawPolygon(
        QPolygonF({QPointF(114, 316), QPointF(150, 410), QPointF(128, 432), QPointF(96, 334)}));
    painter.drawPolygon(
        QPolygonF({QPointF(186, 316), QPointF(150, 410), QPointF(172, 432), QPointF(204, 334)}));
    painter.setBrush(artImage::scaled(Jacket, 1.2)); // lit shoulder
    painter.drawPolygon(QPolygonF(
        {QPointF(0, 372), QPointF(14, 344), QPointF(64, 328), QPointF(28, 366), QPointF(0, 404)}));
}

void drawNeck(QPainter& painter) {
    QPainterPath neck;
    neck.moveTo(118, 240);
    neck.lineTo(182, 240);
    neck.lineTo(186, 322);
    neck.quadTo(150, 336, 114, 322);
    neck.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(SkinShade);
    painter.drawPath(neck);
    // Collar of the shirt around the neck.
    painter.setBrush(Shirt);
    painter.drawPolygon(
        QPolygonF({QPointF(114, 308), QPointF(150, 330), QPointF(134, 352), QPointF(102, 322)}));
    painter.drawPolygon(
        QPolygonF({QPointF(186, 308), QPointF(150, 330), QPointF(166, 352), QPointF(198, 322)}));
}

QPainterPath faceOutline() {
    QPainterPath face;
    face.moveTo(150, 98);
    face.cubicTo(200, 98, 222, 140, 220, 192);
    face.cubicTo(218, 236, 192, 274, 150, 280);
    face.cubicTo(108, 274, 82, 236, 80, 192);
    face.cubicTo(78, 140, 100, 98, 150, 98);
    face.closeSubpath();
    return face;
}

void drawEars(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(SkinShade);
    painter.drawEllipse(QPointF(82, 204), 13, 21);
    painter.drawEllipse(QPointF(218, 204), 13, 21);
    painter.setBrush(artImage::scaled(SkinShade, 0.88));
    painter.drawEllipse(QPointF(84, 206), 6, 12);
    painter.drawEllipse(QPointF(216, 206), 6, 12);
}

void drawFace(QPainter& painter) {
    const QPainterPath face = faceOutline();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Skin);
    painter.drawPath(face);
    // Flat shade on the side turned from the light.
    QPainterPath shade;
    shade.moveTo(196, 110);
    shade.cubicTo(230, 150, 226, 240, 150, 282);
    shade.lineTo(230, 282);
    shade.lineTo(230, 100);
    shade.closeSubpath();
    painter.setBrush(SkinShade);
    painter.drawPath(face.intersected(shade));
    painter.setBrush(QColor(236, 130, 120, 60));
    painter.drawEllipse(QPointF(112, 228), 15, 10);
    painter.drawEllipse(QPointF(190, 228), 15, 10);
}

void drawHair(QPainter& painter) {
    QPainterPath hair;
    hair.moveTo(79, 198);
    hair.cubicTo(62, 130, 92, 70, 152, 68);
    hair.cubicTo(214, 66, 240, 124, 221, 198);
    hair.cubicTo(217, 172, 214, 154, 206, 138);
    hair.cubicTo(184, 132, 160, 124, 140, 112);
    hair.cubicTo(122, 130, 100, 144, 88, 162);
    hair.cubicTo(84, 172, 81, 184, 79, 198);
    hair.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Hair);
    painter.drawPath(hair);
    // A flat highlight along the swept top.
    QPainterPath shine;
    shine.moveTo(104, 100);
    shine.cubicTo(124, 80, 170, 74, 200, 96);
    shine.cubicTo(176, 88, 136, 90, 112, 110);
    shine.closeSubpath();
    painter.setBrush(artImage::scaled(Hair, 1.45));
    painter.drawPath(shine);
}

void drawEye(QPainter& painter, const QPointF& centre) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(252, 250, 246));
    painter.drawEllipse(centre, 12, 7.5);
    painter.setBrush(QColor(86, 112, 70));
    painter.drawEllipse(centre + QPointF(0.5, 0.5), 6.2, 6.2);
    painter.setBrush(QColor(28, 24, 22));
    painter.drawEllipse(centre + QPointF(0.5, 0.5), 3.0, 3.0);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre + QPointF(-1.5, -1.5), 1.4, 1.4);
    painter.setPen(QPen(QColor(60, 40, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(centre.x() - 13, centre.y() - 8, 26, 16), 20 * 16, 140 * 16);
}

void drawBrows(QPainter& painter) {
    painter.setPen(QPen(artImage::scaled(Hair, 0.9), 5.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(108, 166), QPointF(134, 162));
    painter.drawLine(QPointF(166, 162), QPointF(192, 166));
}

void drawNose(QPainter& painter) {
    QPainterPath bridge;
    bridge.moveTo(156, 188);
    bridge.cubicTo(160, 204, 166, 214, 162, 222);
    painter.setPen(QPen(SkinShade, 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(bridge);
    QPainterPath base;
    base.moveTo(138, 222);
    base.quadTo(150, 230, 162, 222);
    painter.setPen(QPen(artImage::scaled(SkinShade, 0.85), 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(base);
}

void drawSmile(QPainter& painter) {
    QPainterPath mouth;
    mouth.moveTo(126, 242);
    mouth.quadTo(150, 248, 174, 242);
    mouth.quadTo(150, 270, 126, 242);
    mouth.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 52, 58));
    painter.drawPath(mouth);
    QPainterPath teeth;
    teeth.addRect(QRectF(126, 240, 48, 9));
    painter.setBrush(QColor(250, 248, 242));
    painter.drawPath(mouth.intersected(teeth));
}

} // namespace

QImage portrait(int scale) {
    QImage image = artImage::canvas(Width * scale, Height * scale, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    artImage::useLogicalPixels(painter, scale);
    drawBackground(painter);
    drawTorso(painter);
    drawNeck(painter);
    drawEars(painter);
    drawFace(painter);
    drawHair(painter);
    drawBrows(painter);
    drawEye(painter, QPointF(124, 190));
    drawEye(painter, QPointF(176, 190));
    drawNose(painter);
    drawSmile(painter);
    return image;
}

} // namespace artPortrait
