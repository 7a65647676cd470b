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

QImage grassGround() {
    QImage image = artImage::canvas(TileSize, TileSize, Qt::black);
    artRandom grain(11);
    const QColor dark(46, 98, 36);
    const QColor light(98, 148, 56);
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x) {
            const double patches = artNoise::fractal(101, x, y, TileSize, 2, 3);
            const double mottle = artNoise::fractal(102, x, y, TileSize, 8, 2);
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

QImage asphaltGround() {
    QImage image = artImage::canvas(TileSize, TileSize, Qt::black);
    artRandom grain(21);
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x) {
            const double wear = artNoise::fractal(201, x, y, TileSize, 2, 3) - 0.5;
            const double fine = artNoise::fractal(202, x, y, TileSize, 16, 2) - 0.5;
            const double tone = 62.0 + wear * 10.0 + fine * 8.0 + grain.gauss() * 4.5;
            setPixel(image, x, y, toRgb(tone - 1.0, tone, tone + 3.0));
        }
    }
    return image;
}

// Loose stones of the aggregate: single light or dark pixels blended over the asphalt.
void scatterAggregate(QImage& image) {
    artRandom random(22);
    for (int i = 0; i < 240; ++i) {
        const int x = random.below(TileSize);
        const int y = random.below(TileSize);
        const bool light = random.unit() < 0.6;
        const QColor stone = light ? QColor(100, 100, 102) : QColor(34, 35, 38);
        const QColor here(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]);
        setPixel(image, x, y, artImage::mix(here, stone, random.range(0.2, 0.5)).rgb());
    }
}

constexpr int SlabSize = 32;

// Tone of one slab pixel: the joint row or column is dark, the slab's top and left edges catch the
// light, its bottom and right edges fall off a little.
double slabEdgeShade(int along) {
    if (along == 0)
        return -46.0;
    if (along == 1)
        return 9.0;
    if (along == SlabSize - 1)
        return -9.0;
    return 0.0;
}

QImage pavingGround() {
    QImage image = artImage::canvas(TileSize, TileSize, Qt::black);
    artRandom slabs(31);
    double slabTone[2][2];
    for (auto& row : slabTone)
        for (double& tone : row)
            tone = slabs.range(-7.0, 7.0);
    artRandom grain(32);
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x) {
            const double stain = artNoise::fractal(301, x, y, TileSize, 4, 3) - 0.5;
            const double edge = std::min(slabEdgeShade(x % SlabSize), 0.0) +
                                std::min(slabEdgeShade(y % SlabSize), 0.0) +
                                std::max(slabEdgeShade(x % SlabSize), 0.0) +
                                std::max(slabEdgeShade(y % SlabSize), 0.0);
            const double tone = 184.0 + slabTone[y / SlabSize][x / SlabSize] + stain * 12.0 +
                                grain.gauss() * 3.0 + std::max(edge, -46.0);
            setPixel(image, x, y, toRgb(tone + 1.0, tone, tone - 4.0));
        }
    }
    return image;
}

} // namespace

QImage grass() {
    QImage image = grassGround();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBlades(painter, 12, 260, QColor(34, 78, 26), QColor(60, 112, 40));
    drawBlades(painter, 13, 220, QColor(110, 160, 62), QColor(150, 186, 84));
    return image;
}

QImage road() {
    QImage image = asphaltGround();
    scatterAggregate(image);
    return image;
}

QImage sidewalk() {
    return pavingGround();
}

} // namespace artTiles
