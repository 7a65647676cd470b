// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QList>

class QWidget;
class pzBoxRim;
class pzEdgeGrip;
class pzSizeGrip;

// The box's frame: the invisible corner grips and side handles that resize it, and the rim
// strips that paint its rim over its children. All are children of the box, made at once,
// stacked above every other child while the box is normal.
class pzBoxFrame {
public:
    // Width of the handles along the sides, between the corner grips.
    static constexpr int edgeThickness = 4;

    explicit pzBoxFrame(QWidget* box);

    // The side handles leave presses over `widgets` to them.
    void keepClearOf(const QList<QWidget*>& widgets);
    // Lays every piece along the box's sides; raised above the box's other children too, where
    // `raise`.
    void place(bool raise);
    // The grips and handles show while the window can be resized.
    void setGripsVisible(bool visible);

private:
    QList<pzSizeGrip*> cornerGrips() const;
    QList<pzEdgeGrip*> edgeGrips() const;
    void placeEdgeGrips();

    QWidget* box;
    pzSizeGrip* gripTopLeft = nullptr;
    pzSizeGrip* gripTopRight = nullptr;
    pzSizeGrip* gripBottomLeft = nullptr;
    pzSizeGrip* gripBottomRight = nullptr;
    pzEdgeGrip* edgeTop = nullptr;
    pzEdgeGrip* edgeBottom = nullptr;
    pzEdgeGrip* edgeLeft = nullptr;
    pzEdgeGrip* edgeRight = nullptr;
    // Over the children, under the grips.
    QList<pzBoxRim*> rimSides;
};
