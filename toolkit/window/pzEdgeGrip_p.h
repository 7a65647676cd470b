// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

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
    static bool isSide(int edge) {
        return edge == Qt::TopEdge || edge == Qt::BottomEdge || edge == Qt::LeftEdge ||
               edge == Qt::RightEdge;
    }
    // The window's geometry once its edge follows the pointer from the press to `globalPos`.
    QRect resizedGeometry(const QPoint& globalPos) const;
    void updateMask();

    // None while the grip was given no valid side.
    Qt::Edge edge = Qt::Edge(0);
    bool resizing = false;
    QPoint pressPos;
    QRect startGeometry;
    QRect startArea;
    QList<QPointer<QWidget>> clearOf;
};
