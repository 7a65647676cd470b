// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QList>
#include <QPointer>

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
    QList<pzBoxRim*> rims() const;
    void placeEdgeGrips();

    // The pieces are tracked: each is a child that a user can reach and delete (findChild()), and
    // the frame goes on without it. The lists hold only the live ones.
    QWidget* box;
    QPointer<pzSizeGrip> gripTopLeft;
    QPointer<pzSizeGrip> gripTopRight;
    QPointer<pzSizeGrip> gripBottomLeft;
    QPointer<pzSizeGrip> gripBottomRight;
    QPointer<pzEdgeGrip> edgeTop;
    QPointer<pzEdgeGrip> edgeBottom;
    QPointer<pzEdgeGrip> edgeLeft;
    QPointer<pzEdgeGrip> edgeRight;
    // Over the children, under the grips.
    QList<QPointer<pzBoxRim>> rimSides;
};
