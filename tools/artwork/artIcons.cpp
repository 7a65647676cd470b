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
                const std::function<void(QPainter&)>& glyph) {
    QImage image = artImage::canvas(MenuIconSize, MenuIconSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
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
QImage buttonCanvas() {
    return artImage::canvas(ButtonWidth, ButtonHeight);
}

void fill(QImage& image, const QRect& rect, const QColor& color = Qt::white) {
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect, color);
}

// A window outline: `top` rows of title edge, one-pixel sides and bottom.
void outline(QImage& image, const QRect& rect, int top) {
    fill(image, QRect(rect.left(), rect.top(), rect.width(), top));
    fill(image, QRect(rect.left(), rect.top(), 1, rect.height()));
    fill(image, QRect(rect.right(), rect.top(), 1, rect.height()));
    fill(image, QRect(rect.left(), rect.bottom(), rect.width(), 1));
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

QImage about() {
    return menuIcon(QColor(70, 146, 226), QColor(26, 82, 164), drawInfoGlyph);
}

QImage exit() {
    return menuIcon(QColor(230, 84, 70), QColor(164, 32, 30), drawPowerGlyph);
}

QImage iconify() {
    QImage image = buttonCanvas();
    fill(image, QRect(7, 14, 9, 2));
    return image;
}

QImage maximize() {
    QImage image = buttonCanvas();
    outline(image, QRect(6, 5, 11, 11), 3);
    return image;
}

QImage restore() {
    QImage image = buttonCanvas();
    outline(image, QRect(9, 4, 9, 9), 2);
    const QRect front(5, 8, 9, 9);
    fill(image, front, Qt::transparent);
    outline(image, front, 2);
    return image;
}

QImage close() {
    QImage image = buttonCanvas();
    for (int i = 0; i < 9; ++i) {
        fill(image, QRect(6 + i, 6 + i, 2, 1));
        fill(image, QRect(14 - i, 6 + i, 2, 1));
    }
    return image;
}

QImage logo(int size, const QColor& color) {
    QImage image = artImage::canvas(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawLogoMark(painter, size, color);
    return image;
}

} // namespace artIcons
