// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artPeople.h"

#include "artImage.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artPeople {

namespace {

constexpr int Width = 16;
constexpr int Height = 20;

enum class Hair { Short, Ponytail, Cap };

struct Look {
    QColor shirt;
    QColor skin;
    QColor hair;
    Hair style;
};

Look lookOf(int variant) {
    switch (variant) {
    case 1:
        return {QColor(206, 58, 48), QColor(232, 186, 150), QColor(84, 52, 30), Hair::Short};
    case 2:
        return {QColor(40, 164, 160), QColor(244, 204, 172), QColor(226, 186, 96), Hair::Ponytail};
    default:
        return {QColor(236, 190, 50), QColor(150, 100, 70), QColor(30, 28, 30), Hair::Cap};
    }
}

// The figure is drawn facing up (towards negative y) around the origin, within a radius of 7.
void drawFeet(QPainter& painter) {
    const QColor shoe(58, 42, 34);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shoe);
    painter.drawEllipse(QPointF(-1.7, -4.1), 1.15, 1.6);
    painter.drawEllipse(QPointF(1.7, 3.8), 1.15, 1.4);
}

// Arms swing a little against the legs: the right hand forward while the left foot steps out.
void drawArms(QPainter& painter, const Look& look) {
    painter.setPen(QPen(artImage::scaled(look.shirt, 0.5), 0.5));
    painter.setBrush(artImage::scaled(look.shirt, 0.85));
    painter.drawEllipse(QPointF(-5.1, 0.7), 1.5, 2.3);
    painter.drawEllipse(QPointF(5.1, -0.7), 1.5, 2.3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.skin);
    painter.drawEllipse(QPointF(-5.2, 2.7), 0.95, 0.95);
    painter.drawEllipse(QPointF(5.2, -2.7), 0.95, 0.95);
}

void drawTorso(QPainter& painter, const Look& look) {
    QRadialGradient gradient(QPointF(-1.5, -1.0), 6.5);
    gradient.setColorAt(0.0, artImage::scaled(look.shirt, 1.2));
    gradient.setColorAt(1.0, artImage::scaled(look.shirt, 0.78));
    painter.setPen(QPen(artImage::scaled(look.shirt, 0.5), 0.5));
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(-5.3, -2.4, 10.6, 5.0), 2.5, 2.5);
}

void drawHead(QPainter& painter, const Look& look) {
    const QPointF centre(0.0, -0.5);
    const double radius = 3.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(artImage::scaled(look.skin, 0.9));
    painter.drawEllipse(QPointF(0.0, -3.5), 0.75, 0.75); // nose
    painter.setPen(QPen(artImage::scaled(look.skin, 0.6), 0.4));
    painter.setBrush(look.skin);
    painter.drawEllipse(centre, radius, radius);

    // Hair covers all of the crown but a crescent of face at the front.
    QPainterPath head;
    head.addEllipse(centre, radius, radius);
    QPainterPath crown;
    crown.addEllipse(centre + QPointF(0.0, 1.5), radius + 0.3, radius);
    QRadialGradient shine(centre + QPointF(-1.0, 0.2), radius + 1.0);
    shine.setColorAt(0.0, artImage::scaled(look.hair, 1.45));
    shine.setColorAt(1.0, look.hair);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawPath(head.intersected(crown));
}

void drawPonytail(QPainter& painter, const Look& look) {
    painter.setPen(QPen(artImage::scaled(look.hair, 0.7), 0.4));
    painter.setBrush(look.hair);
    painter.drawEllipse(QPointF(0.0, 3.6), 1.3, 1.9);
}

void drawCap(QPainter& painter, const Look& look) {
    const QColor cap(46, 84, 160);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.hair); // hair showing below the cap at the back
    painter.drawEllipse(QPointF(0.0, 0.9), 3.2, 3.0);
    painter.setPen(QPen(artImage::scaled(cap, 0.55), 0.5));
    painter.setBrush(artImage::scaled(cap, 0.85));
    painter.drawChord(QRectF(-2.4, -5.2, 4.8, 4.4), 0, 180 * 16); // visor
    QRadialGradient gradient(QPointF(-1.0, -0.8), 4.0);
    gradient.setColorAt(0.0, artImage::scaled(cap, 1.35));
    gradient.setColorAt(1.0, cap);
    painter.setBrush(gradient);
    painter.drawEllipse(QPointF(0.0, -0.2), 3.3, 3.3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(artImage::scaled(cap, 0.6));
    painter.drawEllipse(QPointF(0.0, -0.2), 0.6, 0.6);
}

void drawFigure(QPainter& painter, const Look& look) {
    drawFeet(painter);
    drawArms(painter, look);
    drawTorso(painter, look);
    if (look.style == Hair::Ponytail)
        drawPonytail(painter, look);
    if (look.style == Hair::Cap)
        drawCap(painter, look);
    else
        drawHead(painter, look);
}

} // namespace

QImage person(int variant, int direction, int scale) {
    QImage image = artImage::canvas(Width * scale, Height * scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    artImage::useLogicalPixels(painter, scale);
    painter.translate(Width / 2.0, Height / 2.0);
    painter.rotate(90.0 * direction);
    drawFigure(painter, lookOf(variant));
    painter.end();
    return artImage::withShadow(image, QPoint(scale, scale), scale, 100);
}

} // namespace artPeople
