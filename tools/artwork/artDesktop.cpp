// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artDesktop.h"

#include "artImage.h"
#include "artTiles.h"
#include "artVehicles.h"

#include <QPainter>
#include <QPainterPath>

namespace artDesktop {

namespace {

constexpr int IconSize = 256;
constexpr int Tile = 64;
constexpr int Tiles = 8; // drawn at half size: 8 by 8 tiles of the city block

QImage tileAt(int column, int row) {
    const bool road = column == 3 || column == 4 || row == 3 || row == 4;
    const bool side = column == 2 || column == 5 || row == 2 || row == 5;
    return road ? artTiles::road() : side ? artTiles::sidewalk() : artTiles::grass();
}

} // namespace

QImage programIcon() {
    QImage image = artImage::canvas(IconSize, IconSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath badge;
    badge.addRoundedRect(QRectF(4, 4, IconSize - 8, IconSize - 8), 44, 44);
    painter.setClipPath(badge);

    painter.save();
    painter.scale(0.5, 0.5);
    for (int row = 0; row < Tiles; ++row)
        for (int column = 0; column < Tiles; ++column)
            painter.drawImage(column * Tile, row * Tile, tileAt(column, row));

    // Cars keep to the right, as in the program: one going up, one going right.
    const QImage up = artVehicles::car(1, 0);
    const QImage right = artVehicles::car(3, 1);
    painter.drawImage(4 * Tile + (Tile - up.width()) / 2, 5 * Tile + 40, up);
    painter.drawImage(Tile, 4 * Tile + (Tile - right.height()) / 2, right);
    painter.restore();

    painter.setClipping(false);
    painter.setPen(QPen(QColor(20, 24, 28, 200), 6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(badge);
    return image;
}

} // namespace artDesktop
