// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvPicture.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace rvPicture {

QPixmap load(const QString& name) {
    // The highest ratio of all screens, as QIcon chooses its files; at 1 the plain picture is
    // loaded without looking for a partner.
    const qreal screenRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    qreal pictureRatio = 1.0;
    QPixmap pixmap(qt_findAtNxFile(name, screenRatio, &pictureRatio));
    pixmap.setDevicePixelRatio(pictureRatio);
    return pixmap;
}

void draw(QPainter& painter, const QPixmap& pixmap) {
    const QRectF target(QPointF(0, 0), pixmap.deviceIndependentSize());
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
