// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artWallpapers.h"

#include "artImage.h"
#include "artRandom.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace artWallpapers {

namespace {

struct Wave {
    double amplitude;
    double length;
    double phase;
};

// Height of a sum of sine waves at x.
double waveAt(const QVector<Wave>& waves, double x) {
    double y = 0.0;
    for (const Wave& wave : waves)
        y += wave.amplitude * std::sin(x * 2.0 * M_PI / wave.length + wave.phase);
    return y;
}

QVector<Wave> randomWaves(artRandom& random, int count, double amplitude, double length) {
    QVector<Wave> waves;
    for (int i = 0; i < count; ++i) {
        waves.append({amplitude * random.range(0.4, 1.0), length * random.range(0.5, 1.5),
                      random.range(0.0, 2.0 * M_PI)});
        amplitude *= 0.5;
        length *= 0.5;
    }
    return waves;
}

// The area under a wavy line from the left edge to the right edge of a picture.
QPainterPath belowCurve(const QVector<Wave>& waves, double base, double width, double height) {
    QPainterPath path;
    path.moveTo(0, height);
    for (double x = 0; x <= width; x += 4.0)
        path.lineTo(x, base + waveAt(waves, x));
    path.lineTo(width, base + waveAt(waves, width));
    path.lineTo(width, height);
    path.closeSubpath();
    return path;
}

// A ribbon between two wavy lines, as a closed path.
QPainterPath ribbon(const QVector<Wave>& upper, const QVector<Wave>& lower, double centre,
                    double thickness, double width, double tilt) {
    QPainterPath path;
    path.moveTo(0, centre + waveAt(upper, 0));
    for (double x = 0; x <= width; x += 4.0)
        path.lineTo(x, centre + tilt * x + waveAt(upper, x));
    for (double x = width; x >= 0; x -= 4.0)
        path.lineTo(x, centre + tilt * x + thickness + waveAt(lower, x));
    path.closeSubpath();
    return path;
}

void fillVertical(QPainter& painter, const QRectF& area,
                  const QVector<QPair<double, QColor>>& stops) {
    QLinearGradient gradient(0, area.top(), 0, area.bottom());
    for (const auto& stop : stops)
        gradient.setColorAt(stop.first, stop.second);
    painter.fillRect(area, gradient);
}

void drawGlow(QPainter& painter, const QPointF& centre, double radius, const QColor& color) {
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0.0, color);
    QColor clear = color;
    clear.setAlpha(0);
    gradient.setColorAt(1.0, clear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

void drawBokeh(QPainter& painter, artRandom& random, const QRectF& area, int count,
               const QColor& tint) {
    for (int i = 0; i < count; ++i) {
        const QPointF at(random.range(area.left(), area.right()),
                         random.range(area.top(), area.bottom()));
        const double radius = random.range(10.0, 46.0);
        QColor color = tint;
        color.setAlpha(int(random.range(14, 40)));
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawEllipse(at, radius, radius);
    }
}

// Layered hills at dusk: each range further back is lighter and hazier.
void drawHills(QPainter& painter, artRandom& random, double width, double height) {
    const QColor far(164, 86, 116);
    const QColor near(44, 20, 50);
    const int ranges = 5;
    for (int i = 0; i < ranges; ++i) {
        const double t = double(i) / (ranges - 1);
        const QVector<Wave> waves = randomWaves(random, 4, 30.0 - t * 8.0, 620.0 - t * 200.0);
        const double base = height * (0.64 + 0.22 * t);
        painter.setPen(Qt::NoPen);
        painter.setBrush(artImage::mix(far, near, t));
        painter.drawPath(belowCurve(waves, base, width, height));
    }
}

} // namespace

QImage fallout() {
    const int width = 800;
    const int height = 600;
    QImage image = artImage::canvas(width, height, Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, QRectF(0, 0, width, height),
                 {{0.0, QColor(24, 20, 56)},
                  {0.35, QColor(86, 40, 92)},
                  {0.55, QColor(196, 86, 92)},
                  {0.68, QColor(246, 160, 84)},
                  {1.0, QColor(250, 196, 120)}});
    drawGlow(painter, QPointF(width * 0.62, height * 0.6), 260.0, QColor(255, 196, 120, 150));
    drawGlow(painter, QPointF(width * 0.62, height * 0.6), 52.0, QColor(255, 236, 190, 255));
    artRandom random(501);
    drawBokeh(painter, random, QRectF(0, 0, width, height * 0.5), 16, QColor(255, 220, 240));
    drawHills(painter, random, width, height);
    return image;
}

QImage vista() {
    const int width = 1280;
    const int height = 1024;
    QImage image = artImage::canvas(width, height, Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, QRectF(0, 0, width, height),
                 {{0.0, QColor(6, 22, 64)}, {0.55, QColor(16, 70, 150)}, {1.0, QColor(4, 28, 80)}});
    drawGlow(painter, QPointF(width * 0.78, height * 0.22), 520.0, QColor(120, 200, 255, 110));
    artRandom random(601);
    painter.setCompositionMode(QPainter::CompositionMode_Screen);
    for (int i = 0; i < 7; ++i) {
        const QVector<Wave> upper = randomWaves(random, 3, 70.0, 1400.0);
        const QVector<Wave> lower = randomWaves(random, 3, 90.0, 1200.0);
        const double centre = height * random.range(0.35, 0.62);
        const QPainterPath band = ribbon(upper, lower, centre, random.range(20.0, 90.0), width,
                                         random.range(-0.18, -0.06));
        QLinearGradient gradient(0, 0, width, 0);
        gradient.setColorAt(0.0, QColor(40, 120, 220, 10));
        gradient.setColorAt(random.range(0.4, 0.8),
                            QColor(140, 220, 255, int(random.range(40, 90))));
        gradient.setColorAt(1.0, QColor(60, 160, 240, 16));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawPath(band);
    }
    return image;
}

QImage red() {
    const int width = 1680;
    const int height = 1050;
    QImage image = artImage::canvas(width, height, Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient background(QPointF(width * 0.35, height * 0.4), width * 0.8);
    background.setColorAt(0.0, QColor(176, 24, 34));
    background.setColorAt(0.6, QColor(96, 8, 20));
    background.setColorAt(1.0, QColor(36, 2, 8));
    painter.fillRect(QRectF(0, 0, width, height), background);
    artRandom random(701);
    for (int i = 0; i < 6; ++i) {
        const QVector<Wave> upper = randomWaves(random, 3, 90.0, 1900.0);
        const QVector<Wave> lower = randomWaves(random, 3, 110.0, 1700.0);
        const double centre = height * (0.25 + 0.1 * i);
        const QPainterPath band = ribbon(upper, lower, centre, random.range(60.0, 160.0), width,
                                         random.range(-0.12, 0.02));
        QLinearGradient gradient(0, 0, width, height * 0.3);
        gradient.setColorAt(0.0, QColor(255, 120, 80, 0));
        gradient.setColorAt(random.range(0.3, 0.7),
                            QColor(255, 110, 90, int(random.range(30, 70))));
        gradient.setColorAt(1.0, QColor(120, 0, 30, 20));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawPath(band);
    }
    drawGlow(painter, QPointF(width * 0.7, height * 0.3), 300.0, QColor(255, 170, 130, 60));
    return image;
}

} // namespace artWallpapers
