// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzWindowPlacement_p.h"

#include <QRegion>

namespace {

QRect largestOverlap(const QRect& rect, const QList<QRect>& areas) {
    QRect best;
    qint64 bestPixels = 0;
    for (const QRect& area : areas) {
        const QRect common = area.intersected(rect);
        const qint64 pixels = qint64(common.width()) * common.height();
        if (pixels > bestPixels) {
            bestPixels = pixels;
            best = area;
        }
    }
    return best;
}

// A piece of the title bar as tall as the bar and at least as wide lies on one of the areas, so
// the pointer can still take hold of it there.
bool grabbable(const QRect& titleBar, const QList<QRect>& areas) {
    const int height = titleBar.height();
    const int width = qMin(titleBar.width(), height);
    for (const QRect& area : areas) {
        const QRect common = area.intersected(titleBar);
        if (common.height() >= height && common.width() >= width)
            return true;
    }
    return false;
}

} // namespace

QRect pzWindowPlacement::restored(const QRect& saved, int titleBarHeight,
                                  const QList<QRect>& screenAreas, const QRect& fallbackArea) {
    const int barHeight = qMin(titleBarHeight, saved.height());
    if (grabbable(QRect(saved.topLeft(), QSize(saved.width(), barHeight)), screenAreas))
        return saved;

    const QRect area = largestOverlap(saved, screenAreas);
    if (area.isEmpty()) {
        if (fallbackArea.isEmpty())
            return saved;
        QRect placed(QPoint(0, 0), saved.size().boundedTo(fallbackArea.size()));
        placed.moveCenter(fallbackArea.center());
        return placed;
    }
    QRect placed(saved.topLeft(), saved.size().boundedTo(area.size()));
    const int placedBarHeight = qMin(barHeight, placed.height());
    placed.moveLeft(qBound(area.left(), placed.left(), area.right() + 1 - placed.width()));
    placed.moveTop(qBound(area.top(), placed.top(), area.bottom() + 1 - placedBarHeight));
    return placed;
}
