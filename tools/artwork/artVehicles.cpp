// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artVehicles.h"

#include "artImage.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artVehicles {

namespace {

constexpr int CarLength = 64;

const QColor GlassDark(24, 32, 44);
const QColor GlassLight(84, 104, 124);
const QColor Headlight(252, 248, 220);
const QColor Taillight(196, 24, 28);

// A car body outline with separately rounded front (top) and rear (bottom) corners.
QPainterPath bodyOutline(const QRectF& r, double front, double rear) {
    QPainterPath path;
    path.moveTo(r.left() + front, r.top());
    path.lineTo(r.right() - front, r.top());
    path.quadTo(r.right(), r.top(), r.right(), r.top() + front);
    path.lineTo(r.right(), r.bottom() - rear);
    path.quadTo(r.right(), r.bottom(), r.right() - rear, r.bottom());
    path.lineTo(r.left() + rear, r.bottom());
    path.quadTo(r.left(), r.bottom(), r.left(), r.bottom() - rear);
    path.lineTo(r.left(), r.top() + front);
    path.quadTo(r.left(), r.top(), r.left() + front, r.top());
    path.closeSubpath();
    return path;
}

// A four-cornered panel, front edge first, listed left to right.
QPainterPath panel(QPointF frontLeft, QPointF frontRight, QPointF rearRight, QPointF rearLeft) {
    QPainterPath path;
    path.moveTo(frontLeft);
    path.lineTo(frontRight);
    path.lineTo(rearRight);
    path.lineTo(rearLeft);
    path.closeSubpath();
    return path;
}

// Paint with rounded flanks: darker at the sides, brightest a little left of the centre line.
QLinearGradient paintAcross(const QRectF& r, const QColor& color) {
    QLinearGradient gradient(r.left(), 0, r.right(), 0);
    gradient.setColorAt(0.0, artImage::scaled(color, 0.55));
    gradient.setColorAt(0.18, artImage::scaled(color, 0.9));
    gradient.setColorAt(0.42, artImage::scaled(color, 1.18));
    gradient.setColorAt(0.7, artImage::scaled(color, 1.0));
    gradient.setColorAt(0.88, artImage::scaled(color, 0.82));
    gradient.setColorAt(1.0, artImage::scaled(color, 0.5));
    return gradient;
}

void fillBody(QPainter& painter, const QPainterPath& outline, const QColor& color) {
    painter.setPen(QPen(artImage::scaled(color, 0.4), 0.8));
    painter.setBrush(paintAcross(outline.boundingRect(), color));
    painter.drawPath(outline);
}

void fillGlass(QPainter& painter, const QPainterPath& glass) {
    const QRectF r = glass.boundingRect();
    QLinearGradient gradient(r.topLeft(), r.bottomRight());
    gradient.setColorAt(0.0, GlassLight);
    gradient.setColorAt(0.45, GlassDark);
    gradient.setColorAt(0.55, artImage::mix(GlassDark, GlassLight, 0.35));
    gradient.setColorAt(1.0, GlassDark);
    painter.setPen(QPen(QColor(16, 18, 22), 0.6));
    painter.setBrush(gradient);
    painter.drawPath(glass);
}

void fillRoof(QPainter& painter, const QRectF& r, double radius, const QColor& color) {
    painter.setPen(QPen(artImage::scaled(color, 0.6), 0.6));
    QLinearGradient gradient(r.topLeft(), r.bottomRight());
    gradient.setColorAt(0.0, artImage::scaled(color, 1.22));
    gradient.setColorAt(1.0, artImage::scaled(color, 0.92));
    painter.setBrush(gradient);
    painter.drawRoundedRect(r, radius, radius);
}

void drawLamps(QPainter& painter, const QRectF& body, double width, double inset) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Headlight);
    const double y = body.top() + 0.6;
    painter.drawRoundedRect(QRectF(body.left() + inset, y, width, 2.6), 1.2, 1.2);
    painter.drawRoundedRect(QRectF(body.right() - inset - width, y, width, 2.6), 1.2, 1.2);
    painter.setBrush(Taillight);
    const double rear = body.bottom() - 2.4;
    painter.drawRoundedRect(QRectF(body.left() + inset, rear, width, 1.9), 0.8, 0.8);
    painter.drawRoundedRect(QRectF(body.right() - inset - width, rear, width, 1.9), 0.8, 0.8);
}

void drawMirrors(QPainter& painter, const QRectF& body, double y, const QColor& color) {
    painter.setPen(QPen(artImage::scaled(color, 0.4), 0.5));
    painter.setBrush(artImage::scaled(color, 0.85));
    painter.drawRoundedRect(QRectF(body.left() - 1.8, y, 2.6, 2.6), 1.0, 1.0);
    painter.drawRoundedRect(QRectF(body.right() - 0.8, y, 2.6, 2.6), 1.0, 1.0);
}

// The two narrow strips of side glass seen along the cabin.
void drawSideGlass(QPainter& painter, double left, double right, double top, double bottom) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(GlassDark);
    painter.drawRoundedRect(QRectF(left, top, 1.8, bottom - top), 0.8, 0.8);
    painter.drawRoundedRect(QRectF(right - 1.8, top, 1.8, bottom - top), 0.8, 0.8);
}

void drawHoodCreases(QPainter& painter, const QRectF& body, double end, const QColor& color) {
    painter.setPen(QPen(artImage::scaled(color, 0.78), 0.6));
    const double c = body.center().x();
    painter.drawLine(QPointF(c - 5.5, body.top() + 4.0), QPointF(c - 4.5, end - 1.0));
    painter.drawLine(QPointF(c + 5.5, body.top() + 4.0), QPointF(c + 4.5, end - 1.0));
}

QImage sedan(int scale) {
    const QColor red(200, 34, 38);
    QImage image = artImage::canvas(39 * scale, CarLength * scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    artImage::useLogicalPixels(painter, scale);
    const QRectF body(2.5, 2.0, 34.0, 60.0);
    fillBody(painter, bodyOutline(body, 8.0, 6.5), red);
    drawHoodCreases(painter, body, 20.0, red);
    drawMirrors(painter, body, 20.0, red);
    fillGlass(painter, panel({6.0, 19.5}, {33.0, 19.5}, {30.5, 28.0}, {8.5, 28.0}));
    drawSideGlass(painter, 6.2, 32.8, 28.5, 46.0);
    fillRoof(painter, QRectF(8.5, 28.0, 22.0, 18.5), 3.0, red);
    fillGlass(painter, panel({8.5, 46.5}, {30.5, 46.5}, {32.5, 53.0}, {6.5, 53.0}));
    drawLamps(painter, body, 6.0, 1.8);
    return image;
}

QImage compact(int scale) {
    const QColor blue(36, 92, 186);
    const QColor white(236, 236, 230);
    QImage image = artImage::canvas(33 * scale, CarLength * scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    artImage::useLogicalPixels(painter, scale);
    const QRectF body(2.5, 6.0, 28.0, 52.0);
    fillBody(painter, bodyOutline(body, 9.0, 5.0), blue);
    drawMirrors(painter, body, 17.5, blue);
    fillGlass(painter, panel({5.5, 17.0}, {27.5, 17.0}, {25.5, 25.0}, {7.5, 25.0}));
    drawSideGlass(painter, 5.7, 27.3, 25.5, 47.0);
    fillRoof(painter, QRectF(7.5, 25.0, 18.0, 22.5), 3.5, white);
    fillGlass(painter, panel({7.5, 47.5}, {25.5, 47.5}, {26.5, 52.5}, {6.5, 52.5}));
    drawLamps(painter, body, 5.0, 2.0);
    return image;
}

void drawRoofRibs(QPainter& painter, const QRectF& roof, const QColor& color) {
    painter.setPen(QPen(artImage::scaled(color, 0.8), 0.7));
    for (double y = roof.top() + 7.0; y < roof.bottom() - 3.0; y += 6.0)
        painter.drawLine(QPointF(roof.left() + 2.0, y), QPointF(roof.right() - 2.0, y));
    painter.setPen(QPen(artImage::scaled(color, 1.15), 0.5));
    for (double y = roof.top() + 7.8; y < roof.bottom() - 3.0; y += 6.0)
        painter.drawLine(QPointF(roof.left() + 2.0, y), QPointF(roof.right() - 2.0, y));
}

// A dark roof hatch with a lighter frame near the front of the cargo roof.
void drawRoofHatch(QPainter& painter, const QRectF& roof) {
    const QRectF hatch(roof.center().x() - 4.5, roof.top() + 2.0, 9.0, 5.5);
    painter.setPen(QPen(QColor(60, 58, 52), 0.6));
    painter.setBrush(QColor(96, 100, 104));
    painter.drawRoundedRect(hatch, 1.0, 1.0);
}

QImage van(int scale) {
    const QColor yellow(236, 182, 34);
    QImage image = artImage::canvas(37 * scale, CarLength * scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    artImage::useLogicalPixels(painter, scale);
    const QRectF body(2.5, 2.0, 32.0, 60.0);
    fillBody(painter, bodyOutline(body, 6.5, 2.5), yellow);
    drawMirrors(painter, body, 10.5, yellow);
    fillGlass(painter, panel({4.5, 9.0}, {32.5, 9.0}, {31.0, 16.5}, {6.0, 16.5}));
    const QRectF roof(5.0, 17.0, 27.0, 43.5);
    fillRoof(painter, roof, 2.0, yellow);
    drawRoofRibs(painter, roof, yellow);
    drawRoofHatch(painter, roof);
    drawLamps(painter, body, 5.0, 1.5);
    return image;
}

QImage master(int variant, int scale) {
    switch (variant) {
    case 1:
        return sedan(scale);
    case 2:
        return compact(scale);
    default:
        return van(scale);
    }
}

} // namespace

QImage car(int variant, int direction, int scale) {
    // The light falls from the top left in every picture, so the shadow goes on after the turn.
    return artImage::withShadow(artImage::rotated(master(variant, scale), direction),
                                QPoint(scale, scale), scale, 120);
}

} // namespace artVehicles
