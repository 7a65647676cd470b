// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzEdgeGrip.h"
#include "pzPrivate.h"
#include "pzWindowDrag_p.h"

#include <QList>
#include <QPointer>

class pzEdgeGripPrivate : public pzPrivate {
    PZ_DECLARE_PUBLIC(pzEdgeGrip)

public:
    static bool isSide(int edge) {
        return edge == Qt::TopEdge || edge == Qt::BottomEdge || edge == Qt::LeftEdge ||
               edge == Qt::RightEdge;
    }
    void updateMask();

    // None while the grip was given no valid side.
    Qt::Edge edge = Qt::Edge(0);
    pzWindowDrag drag;
    QList<QPointer<QWidget>> clearOf;
    // Their handlers use this record: cut before it is freed, ahead of QWidget's destructor,
    // which still deletes children and emits the grip's own destroyed().
    QList<QMetaObject::Connection> clearOfWatches;
};
