// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artBuildings.h"

#include "artImage.h"
#include "artNoise.h"
#include "artRandom.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace artBuildings {

namespace {

constexpr int Width = 144;
constexpr int Height = 239;
constexpr double RoofBottom = 100.0;
constexpr double RoofLeft = 2.0;
constexpr double RoofRight = 142.0;
// The base lies further from the eye than the roof, so the facade narrows towards the ground.
constexpr double BaseInset = 8.0;
constexpr int Floors = 13;
constexpr int WindowColumns = 9;

const QColor Concrete(196, 190, 178);
const QColor RoofSurface(132, 134, 136);

// Maps facade coordinates (s across from the left, t down from the roof, both 0 to 1) to pixels.
QPointF onFacade(double s, double t) {
    const double left = RoofLeft + BaseInset * t;
    const double right = RoofRight - BaseInset * t;
    return QPointF(left + s * (right - left), RoofBottom + t * (Height - RoofBottom));
}

QPolygonF facadeQuad(double s0, double t0, double s1, double t1) {
    return QPolygonF({onFacade(s0, t0), onFacade(s1, t0), onFacade(s1, t1), onFacade(s0, t1)});
}

void drawGroundShadow(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPolygon(QPolygonF({onFacade(1.0, 0.0), QPointF(Width, RoofBottom + 4.0),
                                   QPointF(Width, Height), onFacade(1.0, 1.0)}));
}

void drawFacadeWall(QPainter& painter) {
    QLinearGradient gradient(0, RoofBottom, 0, Height);
    gradient.setColorAt(0.0, artImage::scaled(Concrete, 0.92));
    gradient.setColorAt(1.0, artImage::scaled(Concrete, 0.62));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawPolygon(facadeQuad(0.0, 0.0, 1.0, 1.0));
}

QColor windowColour(artRandom& random, double t) {
    const double pick = random.unit();
    if (pick < 0.05)
        return QColor(236, 214, 150); // lit room
    if (pick < 0.22)
        return QColor(164, 170, 172); // blinds drawn
    const QColor sky(118, 156, 196);
    const QColor deep(34, 58, 92);
    return artImage::mix(sky, deep, 0.25 + 0.55 * t + random.range(-0.1, 0.1));
}

void drawWindowRow(QPainter& painter, artRandom& random, double t0, double t1) {
    const double column = 1.0 / WindowColumns;
    for (int c = 0; c < WindowColumns; ++c) {
        const double s0 = c * column + column * 0.14;
        const double s1 = (c + 1) * column - column * 0.14;
        const QPolygonF glass = facadeQuad(s0, t0, s1, t1);
        QLinearGradient gradient(glass.boundingRect().topLeft(), glass.boundingRect().bottomLeft());
        const QColor colour = windowColour(random, t0);
        gradient.setColorAt(0.0, artImage::scaled(colour, 1.25));
        gradient.setColorAt(1.0, artImage::scaled(colour, 0.85));
        painter.setPen(QPen(QColor(60, 62, 66), 0.5));
        painter.setBrush(gradient);
        painter.drawPolygon(glass);
    }
}

// Each storey: a band of concrete, then the windows, with a thin shade under the band.
void drawStoreys(QPainter& painter) {
    artRandom random(401);
    const double storey = 1.0 / (Floors + 0.6);
    for (int floor = 0; floor < Floors; ++floor) {
        const double top = 0.035 + floor * storey;
        const double windowTop = top + storey * 0.3;
        const double windowBottom = top + storey * 0.92;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawPolygon(facadeQuad(0.0, windowTop - storey * 0.06, 1.0, windowTop));
        drawWindowRow(painter, random, windowTop, windowBottom);
    }
}

void drawPilasters(QPainter& painter) {
    const double width = 0.022;
    for (double s : {0.0, 1.0 / 3.0, 2.0 / 3.0, 1.0}) {
        const double s0 = qBound(0.0, s - width, 1.0);
        const double s1 = qBound(0.0, s + width, 1.0);
        QLinearGradient gradient(onFacade(s0, 0.0), onFacade(s1, 0.0));
        gradient.setColorAt(0.0, artImage::scaled(Concrete, 1.05));
        gradient.setColorAt(1.0, artImage::scaled(Concrete, 0.8));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawPolygon(facadeQuad(s0, 0.0, s1, 1.0));
    }
}

void drawLobby(QPainter& painter) {
    const double top = 0.035 + Floors / (Floors + 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(36, 40, 46));
    painter.drawPolygon(facadeQuad(0.03, top - 0.005, 0.97, 1.0));
    painter.setBrush(QColor(90, 110, 130));
    for (double s : {0.4, 0.5})
        painter.drawPolygon(facadeQuad(s + 0.01, top + 0.008, s + 0.09, 1.0));
    painter.setBrush(artImage::scaled(Concrete, 0.55));
    painter.drawPolygon(facadeQuad(0.36, top - 0.012, 0.64, top + 0.004)); // canopy
}

// The facade's outer edges: lit on the left, in shade on the right.
void drawFacadeEdges(QPainter& painter) {
    painter.setPen(QPen(artImage::scaled(Concrete, 1.15), 1.0));
    painter.drawLine(onFacade(0.0, 0.0) + QPointF(0.5, 0), onFacade(0.0, 1.0) + QPointF(0.5, 0));
    painter.setPen(QPen(artImage::scaled(Concrete, 0.45), 1.0));
    painter.drawLine(onFacade(1.0, 0.0) - QPointF(0.5, 0), onFacade(1.0, 1.0) - QPointF(0.5, 0));
}

void drawFacade(QPainter& painter) {
    drawFacadeWall(painter);
    drawStoreys(painter);
    drawPilasters(painter);
    drawLobby(painter);
    drawFacadeEdges(painter);
    // The cornice throws a soft shade over the top storey.
    QLinearGradient shade(0, RoofBottom, 0, RoofBottom + 8.0);
    shade.setColorAt(0.0, QColor(0, 0, 0, 90));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPolygon(facadeQuad(0.0, 0.0, 1.0, 0.06));
}

QImage roofTexture(const QRectF& area, int scale) {
    QImage texture = artImage::canvas(int(area.width()) * scale, int(area.height()) * scale);
    texture.setDevicePixelRatio(scale);
    artRandom grain(402);
    for (int y = 0; y < texture.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(texture.scanLine(y));
        for (int x = 0; x < texture.width(); ++x) {
            const double stain = artNoise::fractal(403, (x + 0.5) / scale - 0.5,
                                                   (y + 0.5) / scale - 0.5, 128, 4, 3) -
                                 0.5;
            const int tone =
                qBound(0, int(RoofSurface.red() + stain * 18 + grain.gauss() * 4), 255);
            line[x] = qRgb(tone, tone + 1, tone + 3);
        }
    }
    return texture;
}

// A raised block on the roof: its south face shows below its top, its shadow falls to the lower
// right.
void drawRoofBox(QPainter& painter, const QRectF& top, double height, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRect(top.translated(height * 0.8, height));
    painter.setBrush(artImage::scaled(colour, 0.7));
    painter.drawRect(QRectF(top.left(), top.bottom(), top.width(), height * 0.5));
    QLinearGradient gradient(top.topLeft(), top.bottomRight());
    gradient.setColorAt(0.0, artImage::scaled(colour, 1.12));
    gradient.setColorAt(1.0, artImage::scaled(colour, 0.94));
    painter.setPen(QPen(artImage::scaled(colour, 0.65), 0.6));
    painter.setBrush(gradient);
    painter.drawRect(top);
}

void drawAirConditioner(QPainter& painter, const QPointF& at) {
    const QRectF top(at, QSizeF(13.0, 11.0));
    drawRoofBox(painter, top, 4.0, QColor(176, 180, 184));
    painter.setPen(QPen(QColor(70, 72, 76), 0.7));
    painter.setBrush(QColor(54, 56, 60));
    painter.drawEllipse(top.center(), 4.0, 4.0);
    painter.setPen(QPen(QColor(120, 124, 128), 0.6));
    painter.drawLine(top.center() - QPointF(3.5, 0), top.center() + QPointF(3.5, 0));
    painter.drawLine(top.center() - QPointF(0, 3.5), top.center() + QPointF(0, 3.5));
}

void drawWaterTank(QPainter& painter, const QPointF& centre, double radius) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawEllipse(centre + QPointF(4.0, 5.0), radius, radius);
    QRadialGradient gradient(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.6);
    gradient.setColorAt(0.0, QColor(190, 160, 120));
    gradient.setColorAt(1.0, QColor(110, 82, 56));
    painter.setPen(QPen(QColor(80, 60, 42), 0.8));
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(86, 64, 44, 160), 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.6, radius * 0.6);
}

void drawHelipad(QPainter& painter, const QPointF& centre, double radius) {
    painter.setPen(QPen(QColor(60, 62, 64), 1.0));
    painter.setBrush(QColor(78, 82, 86));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(236, 196, 60), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius - 4.0, radius - 4.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 240, 236));
    const double h = radius * 0.42;
    const double stroke = radius * 0.13;
    painter.drawRect(QRectF(centre.x() - h * 0.7, centre.y() - h, stroke, 2 * h));
    painter.drawRect(QRectF(centre.x() + h * 0.7 - stroke, centre.y() - h, stroke, 2 * h));
    painter.drawRect(QRectF(centre.x() - h * 0.7, centre.y() - stroke / 2, 1.4 * h, stroke));
}

void drawAntenna(QPainter& painter, const QPointF& foot) {
    painter.setPen(QPen(QColor(0, 0, 0, 70), 1.2));
    painter.drawLine(foot, foot + QPointF(5.0, 5.0));
    painter.setPen(QPen(QColor(70, 70, 74), 1.2));
    painter.drawLine(foot, foot + QPointF(0.0, -9.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 40, 40));
    painter.drawEllipse(foot + QPointF(0.0, -9.5), 1.4, 1.4);
}

// Parapet around the roof: a light rim, with its shade on the roof along the upper and left sides.
void drawParapet(QPainter& painter, const QRectF& roof) {
    const double rim = 4.0;
    const QRectF inner = roof.adjusted(rim, rim, -rim, -rim);
    QPainterPath ring;
    ring.addRect(roof);
    ring.addRect(inner);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRect(QRectF(inner.left(), inner.top(), inner.width(), 3.0));
    painter.drawRect(QRectF(inner.left(), inner.top() + 3.0, 3.0, inner.height() - 3.0));
    painter.setBrush(artImage::scaled(Concrete, 1.1));
    painter.drawPath(ring);
    painter.setPen(QPen(artImage::scaled(Concrete, 0.7), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner.adjusted(-0.5, -0.5, 0.5, 0.5));
    painter.setPen(QPen(artImage::scaled(Concrete, 1.25), 1.0));
    painter.drawLine(roof.topLeft() + QPointF(0, 0.5), roof.topRight() + QPointF(0, 0.5));
}

void drawRoof(QPainter& painter, int scale) {
    const QRectF roof(RoofLeft, 0.0, RoofRight - RoofLeft, RoofBottom);
    painter.drawImage(roof.topLeft(), roofTexture(roof, scale));
    drawRoofBox(painter, QRectF(12.0, 12.0, 34.0, 26.0), 7.0, QColor(186, 180, 168));
    drawWaterTank(painter, QPointF(28.0, 63.0), 9.0);
    for (int i = 0; i < 3; ++i)
        drawAirConditioner(painter, QPointF(12.0 + i * 17.0, 80.0));
    drawHelipad(painter, QPointF(100.0, 48.0), 30.0);
    drawAntenna(painter, QPointF(56.0, 22.0));
    drawParapet(painter, roof);
}

} // namespace

QImage tower(int scale) {
    QImage image = artImage::canvas(Width * scale, Height * scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    artImage::useLogicalPixels(painter, scale);
    drawGroundShadow(painter);
    drawFacade(painter);
    drawRoof(painter, scale);
    return image;
}

} // namespace artBuildings
