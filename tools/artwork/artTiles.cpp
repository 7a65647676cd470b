// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artTiles.h"

#include "artImage.h"
#include "artNoise.h"
#include "artRandom.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace artTiles {

namespace {

QRgb toRgb(double r, double g, double b) {
    auto channel = [](double value) { return qBound(0, int(std::lround(value)), 255); };
    return qRgb(channel(r), channel(g), channel(b));
}

void setPixel(QImage& image, int x, int y, QRgb rgb) {
    reinterpret_cast<QRgb*>(image.scanLine(y))[x] = rgb;
}

// Where the centre of device pixel `device` lies on the logical pixel grid, as the plain picture
// samples it: at scale 1 the pixel itself, at scale 2 a quarter pixel either side of it.
double logical(int device, int scale) {
    return (device + 0.5) / scale - 0.5;
}

QImage grassGround(int scale) {
    const int size = TileSize * scale;
    QImage image = artImage::canvas(size, size, Qt::black);
    artRandom grain(11);
    const QColor dark(46, 98, 36);
    const QColor light(98, 148, 56);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double u = logical(x, scale);
            const double v = logical(y, scale);
            const double patches = artNoise::fractal(101, u, v, TileSize, 2, 3);
            const double mottle = artNoise::fractal(102, u, v, TileSize, 8, 2);
            const QColor base = artImage::mix(dark, light, 0.15 + 0.5 * patches + 0.35 * mottle);
            const double jitter = grain.gauss() * 5.0;
            setPixel(image, x, y,
                     toRgb(base.red() + jitter * 0.7, base.green() + jitter,
                           base.blue() + jitter * 0.5));
        }
    }
    return image;
}

void drawBlades(QPainter& painter, quint64 seed, int count, const QColor& from, const QColor& to) {
    artRandom random(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF start(random.range(0, TileSize), random.range(0, TileSize));
        const double angle = random.range(0, 2 * M_PI);
        const double length = random.range(1.5, 4.0);
        const QPointF end = start + QPointF(std::cos(angle), std::sin(angle)) * length;
        QColor color = artImage::mix(from, to, random.unit());
        color.setAlpha(int(random.range(90, 190)));
        const QPen pen(color, random.range(0.7, 1.2), Qt::SolidLine, Qt::RoundCap);
        artImage::drawWrapped(painter, TileSize, [&] {
            painter.setPen(pen);
            painter.drawLine(start, end);
        });
    }
}

QImage asphaltGround(int scale) {
    const int size = TileSize * scale;
    QImage image = artImage::canvas(size, size, Qt::black);
    artRandom grain(21);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double u = logical(x, scale);
            const double v = logical(y, scale);
            const double wear = artNoise::fractal(201, u, v, TileSize, 2, 3) - 0.5;
            const double fine = artNoise::fractal(202, u, v, TileSize, 16, 2) - 0.5;
            const double tone = 62.0 + wear * 10.0 + fine * 8.0 + grain.gauss() * 4.5;
            setPixel(image, x, y, toRgb(tone - 1.0, tone, tone + 3.0));
        }
    }
    return image;
}

// Loose stones of the aggregate: single light or dark pixels blended over the asphalt. At a
// larger scale each stone covers its square of device pixels unevenly, so it reads as a pebble.
void scatterAggregate(QImage& image, int scale) {
    artRandom random(22);
    artRandom texture(23);
    for (int i = 0; i < 240; ++i) {
        const int x = random.below(TileSize);
        const int y = random.below(TileSize);
        const bool light = random.unit() < 0.6;
        const QColor stone = light ? QColor(100, 100, 102) : QColor(34, 35, 38);
        const double strength = random.range(0.2, 0.5);
        for (int dy = 0; dy < scale; ++dy) {
            for (int dx = 0; dx < scale; ++dx) {
                const int px = x * scale + dx;
                const int py = y * scale + dy;
                const double t = scale == 1 ? strength : strength * texture.range(0.6, 1.1);
                const QColor here(reinterpret_cast<const QRgb*>(image.constScanLine(py))[px]);
                setPixel(image, px, py, artImage::mix(here, stone, t).rgb());
            }
        }
    }
}

constexpr int SlabSize = 32;

// Tone of one slab pixel, `along` device pixels into its slab: the joint row or column is dark,
// the slab's top and left edges catch the light, its bottom and right edges fall off a little.
// At a larger scale the joint is as wide as before but bevelled into the slab.
double slabEdgeShade(int along, int scale) {
    const int last = SlabSize * scale - 1;
    if (scale == 1) {
        if (along == 0)
            return -46.0;
        if (along == 1)
            return 9.0;
        if (along == last)
            return -9.0;
        return 0.0;
    }
    switch (along) {
    case 0:
        return -46.0;
    case 1:
        return -30.0;
    case 2:
        return 9.0;
    case 3:
        return 5.0;
    default:
        break;
    }
    if (along == last)
        return -9.0;
    if (along == last - 1)
        return -5.0;
    return 0.0;
}

QImage pavingGround(int scale) {
    const int size = TileSize * scale;
    const int slab = SlabSize * scale;
    QImage image = artImage::canvas(size, size, Qt::black);
    artRandom slabs(31);
    double slabTone[2][2];
    for (auto& row : slabTone)
        for (double& tone : row)
            tone = slabs.range(-7.0, 7.0);
    artRandom grain(32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double stain =
                artNoise::fractal(301, logical(x, scale), logical(y, scale), TileSize, 4, 3) - 0.5;
            const double across = slabEdgeShade(x % slab, scale);
            const double down = slabEdgeShade(y % slab, scale);
            const double edge = std::min(across, 0.0) + std::min(down, 0.0) +
                                std::max(across, 0.0) + std::max(down, 0.0);
            const double tone = 184.0 + slabTone[y / slab][x / slab] + stain * 12.0 +
                                grain.gauss() * 3.0 + std::max(edge, -46.0);
            setPixel(image, x, y, toRgb(tone + 1.0, tone, tone - 4.0));
        }
    }
    return image;
}

} // namespace

QImage grass(int scale) {
    QImage image = grassGround(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    artImage::useLogicalPixels(painter, scale);
    drawBlades(painter, 12, 260, QColor(34, 78, 26), QColor(60, 112, 40));
    drawBlades(painter, 13, 220, QColor(110, 160, 62), QColor(150, 186, 84));
    return image;
}

QImage road(int scale) {
    QImage image = asphaltGround(scale);
    scatterAggregate(image, scale);
    return image;
}

QImage sidewalk(int scale) {
    return pavingGround(scale);
}

} // namespace artTiles
