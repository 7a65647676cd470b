#pragma once

// Not public API: this header may change from one version to the next.

#include "pzEdgeGrip.h"
#include "pzPrivate.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRect>

class pzEdgeGripPrivate : public pzPrivate {
    PZ_DECLARE_PUBLIC(pzEdgeGrip)

public:
    // The window's geometry once its edge follows the pointer from the press to `globalPos`.
    QRect resizedGeometry(const QPoint& globalPos) const;
    void updateMask();

    Qt::Edge edge = Qt::RightEdge;
    bool resizing = false;
    QPoint pressPos;
    QRect startGeometry;
    QRect startArea;
    QList<QPointer<QWidget>> clearOf;
};
