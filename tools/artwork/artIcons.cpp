// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artIcons.h"

#include "artImage.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artIcons {

namespace {

constexpr int MenuIconSize = 32;
constexpr int ButtonWidth = 23;
constexpr int ButtonHeight = 22;

// A coloured badge, so the white glyph reads on the list's pale background and on its dark hover.
void drawBadge(QPainter& painter, const QColor& light, const QColor& dark) {
    const QPointF centre(MenuIconSize / 2.0, MenuIconSize / 2.0);
    QLinearGradient gradient(0, 2, 0, MenuIconSize - 2);
    gradient.setColorAt(0.0, light);
    gradient.setColorAt(1.0, dark);
    painter.setPen(QPen(artImage::scaled(dark, 0.7), 1.0));
    painter.setBrush(gradient);
    painter.drawEllipse(centre, 14.5, 14.5);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 13.2, 13.2);
}

QImage menuIcon(const QColor& light, const QColor& dark,
                const std::function<void(QPainter&)>& glyph, int scale) {
    QImage image = artImage::canvas(MenuIconSize * scale, MenuIconSize * scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    artImage::useLogicalPixels(painter, scale);
    drawBadge(painter, light, dark);
    glyph(painter);
    return image;
}

void drawInfoGlyph(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16.0, 9.6), 2.3, 2.3);
    painter.drawRoundedRect(QRectF(14.1, 13.4, 3.8, 10.6), 1.2, 1.2);
    painter.drawRoundedRect(QRectF(12.6, 13.4, 4.0, 2.2), 0.8, 0.8);
    painter.drawRoundedRect(QRectF(12.6, 22.4, 6.8, 2.2), 0.8, 0.8);
}

void drawPowerGlyph(QPainter& painter) {
    painter.setPen(QPen(Qt::white, 2.8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const QRectF ring(8.6, 9.6, 14.8, 14.8);
    painter.drawArc(ring, 62 * 16, -304 * 16);
    painter.drawLine(QPointF(16.0, 7.2), QPointF(16.0, 15.4));
}

// The window-button glyphs are drawn pixel by pixel, without antialiasing, so they stay crisp.
// Their strokes are whole device pixels: at scale 2 the shapes follow the plain ones, with finer
// steps and corners rounded by one device pixel.
QImage buttonCanvas(int scale) {
    return artImage::canvas(ButtonWidth * scale, ButtonHeight * scale);
}

void fill(QImage& image, const QRect& rect, const QColor& color = Qt::white) {
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect, color);
}

// Clears the outermost device pixel at each corner of `rect`.
void roundCorners(QImage& image, const QRect& rect) {
    for (const QPoint& corner :
         {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()})
        fill(image, QRect(corner, QSize(1, 1)), Qt::transparent);
}

// A window outline in logical pixels: `top` rows of title edge, one-pixel sides and bottom.
void outline(QImage& image, const QRect& logicalRect, int top, int scale) {
    const QRect rect(logicalRect.topLeft() * scale, logicalRect.size() * scale);
    fill(image, QRect(rect.left(), rect.top(), rect.width(), top * scale));
    fill(image, QRect(rect.left(), rect.top(), scale, rect.height()));
    fill(image, QRect(rect.right() - scale + 1, rect.top(), scale, rect.height()));
    fill(image, QRect(rect.left(), rect.bottom() - scale + 1, rect.width(), scale));
    if (scale > 1)
        roundCorners(image, rect);
}

void drawLogoMark(QPainter& painter, double size, const QColor& color) {
    const double ring = size * 0.095;
    painter.setPen(QPen(color, ring));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(size / 2, size / 2), size / 2 - ring / 2 - size * 0.02,
                        size / 2 - ring / 2 - size * 0.02);

    // A bold lowercase n inside the ring.
    const double stroke = size * 0.135;
    QPainterPath arch;
    arch.moveTo(size * 0.36, size * 0.72);
    arch.lineTo(size * 0.36, size * 0.50);
    arch.cubicTo(size * 0.36, size * 0.30, size * 0.64, size * 0.30, size * 0.64, size * 0.50);
    arch.lineTo(size * 0.64, size * 0.72);
    painter.setPen(QPen(color, stroke, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(arch);
}

} // namespace

QImage about(int scale) {
    return menuIcon(QColor(70, 146, 226), QColor(26, 82, 164), drawInfoGlyph, scale);
}

QImage exit(int scale) {
    return menuIcon(QColor(230, 84, 70), QColor(164, 32, 30), drawPowerGlyph, scale);
}

QImage iconify(int scale) {
    QImage image = buttonCanvas(scale);
    const QRect bar(QPoint(7, 14) * scale, QSize(9, 2) * scale);
    fill(image, bar);
    if (scale > 1)
        roundCorners(image, bar);
    return image;
}

QImage maximize(int scale) {
    QImage image = buttonCanvas(scale);
    outline(image, QRect(6, 5, 11, 11), 3, scale);
    return image;
}

QImage restore(int scale) {
    QImage image = buttonCanvas(scale);
    outline(image, QRect(9, 4, 9, 9), 2, scale);
    const QRect front(5, 8, 9, 9);
    fill(image, QRect(front.topLeft() * scale, front.size() * scale), Qt::transparent);
    outline(image, front, 2, scale);
    return image;
}

// Two diagonals of nine rows from (6, 6), each row a run of two pixels one pixel on from the row
// above. At scale 2 the rows are half as high and each moves on by one device pixel, so the
// strokes run smoothly instead of in steps of two; three device pixels keep their weight.
QImage close(int scale) {
    QImage image = buttonCanvas(scale);
    if (scale == 1) {
        for (int i = 0; i < 9; ++i) {
            fill(image, QRect(6 + i, 6 + i, 2, 1));
            fill(image, QRect(14 - i, 6 + i, 2, 1));
        }
        return image;
    }
    const int rows = 9 * scale;
    const int run = scale + 1;
    const int left = 6 * scale;
    const int right = 16 * scale; // one past the last lit column of the plain cross, scaled
    for (int j = 0; j < rows; ++j) {
        fill(image, QRect(left + j, left + j, run, 1));
        fill(image, QRect(right - run - j, left + j, run, 1));
    }
    return image;
}

QImage logo(int size, const QColor& color, int scale) {
    QImage image = artImage::canvas(size * scale, size * scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    artImage::useLogicalPixels(painter, scale);
    drawLogoMark(painter, size, color);
    return image;
}

} // namespace artIcons
