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

} // namespace

QRect pzWindowPlacement::restored(const QRect& saved, int titleBarHeight,
                                  const QList<QRect>& screenAreas, const QRect& fallbackArea) {
    const QRect titleBar(saved.topLeft(),
                         QSize(saved.width(), qMin(titleBarHeight, saved.height())));
    QRegion uncovered(titleBar);
    for (const QRect& area : screenAreas)
        uncovered -= area;
    if (uncovered.isEmpty())
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
    const int barHeight = qMin(titleBarHeight, placed.height());
    placed.moveLeft(qBound(area.left(), placed.left(), area.right() + 1 - placed.width()));
    placed.moveTop(qBound(area.top(), placed.top(), area.bottom() + 1 - barHeight));
    return placed;
}
