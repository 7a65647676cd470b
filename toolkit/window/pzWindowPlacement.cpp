#include "pzWindowPlacement_p.h"

QRect pzWindowPlacement::restored(const QRect& saved, const QList<QRect>& screenAreas,
                                  const QRect& fallbackArea) {
    for (const QRect& area : screenAreas)
        if (area.intersects(saved))
            return saved;
    if (fallbackArea.isEmpty())
        return saved;
    QRect placed(QPoint(0, 0), saved.size().boundedTo(fallbackArea.size()));
    placed.moveCenter(fallbackArea.center());
    return placed;
}
