// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvPicture.h"

#include <QPainter>
#include <QPixmap>

namespace rvPicture {

QRectF bounds(const QPixmap& pixmap) {
    return QRectF(QPointF(0, 0), pixmap.deviceIndependentSize());
}

void draw(QPainter& painter, const QPixmap& pixmap) {
    const QRectF target = bounds(pixmap);
    const QRectF source(pixmap.rect());
    const qreal deviceRatio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    if (qFuzzyCompare(pixmap.devicePixelRatio(), deviceRatio)) {
        painter.drawPixmap(target, pixmap, source);
        return;
    }
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, pixmap, source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

} // namespace rvPicture
