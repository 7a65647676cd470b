// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>

#include <functional>

class QPainter;
class QString;

// Image helpers shared by every subject: canvases, rotations, shadows, colour mixing, saving.
namespace artImage {

// Premultiplied ARGB canvas filled with `fill` (transparent by default).
QImage canvas(int width, int height, const QColor& fill = Qt::transparent);

// Every picture is drawn at `scale` device pixels per logical pixel: 1 for the plain file, 2 for
// its "@2x" partner. Lets the painter keep drawing in logical pixels on the larger canvas.
void useLogicalPixels(QPainter& painter, int scale);

// Turns an image by whole quarter turns clockwise, pixel for pixel.
QImage rotated(const QImage& image, int quarterTurns);

// Blurs the alpha channel with a repeated box filter of the given radius.
QImage blurredAlpha(const QImage& image, int radius);

// The image over its own soft black shadow moved by `offset`.
QImage withShadow(const QImage& image, QPoint offset, int radius, int opacity);

// Calls `draw` once for each of the nine copies of a tile that reach into it, so strokes
// crossing an edge come back in on the opposite side.
void drawWrapped(QPainter& painter, int size, const std::function<void()>& draw);

// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, double t);

// Colour with its red, green and blue scaled by `factor` (below 1 darker, above 1 lighter).
QColor scaled(const QColor& color, double factor);

// Writes PNG or JPEG by the file name's suffix; opaque images are written without alpha.
bool save(const QImage& image, const QString& path);

// Writes `image` as a PNG file whose rows are neither filtered nor compressed: several times the
// size, but read with hardly any work, for the pictures a program reads before its first frame.
bool saveUncompressed(const QImage& image, const QString& path);

} // namespace artImage
