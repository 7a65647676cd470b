// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBoxFrame_p.h"

#include "pzBoxRim_p.h"
#include "pzEdgeGrip.h"
#include "pzLook_p.h"
#include "pzSizeGrip.h"

pzBoxFrame::pzBoxFrame(QWidget* box)
    : box(box) {
    for (pzSizeGrip** grip : {&gripTopLeft, &gripTopRight, &gripBottomLeft, &gripBottomRight}) {
        *grip = new pzSizeGrip(box);
        (*grip)->setFixedSize(pzLook::gripSize, pzLook::gripSize);
    }
    edgeTop = new pzEdgeGrip(Qt::TopEdge, box);
    edgeBottom = new pzEdgeGrip(Qt::BottomEdge, box);
    edgeLeft = new pzEdgeGrip(Qt::LeftEdge, box);
    edgeRight = new pzEdgeGrip(Qt::RightEdge, box);
    for (Qt::Edge edge : {Qt::TopEdge, Qt::BottomEdge, Qt::LeftEdge, Qt::RightEdge})
        rimSides.append(new pzBoxRim(edge, box));
}

void pzBoxFrame::keepClearOf(const QList<QWidget*>& widgets) {
    for (pzEdgeGrip* edge : edgeGrips())
        for (QWidget* widget : widgets)
            edge->keepClearOf(widget);
}

QList<pzSizeGrip*> pzBoxFrame::cornerGrips() const {
    return {gripTopLeft, gripTopRight, gripBottomLeft, gripBottomRight};
}

QList<pzEdgeGrip*> pzBoxFrame::edgeGrips() const {
    return {edgeTop, edgeBottom, edgeLeft, edgeRight};
}

void pzBoxFrame::place(bool raise) {
    const int w = box->width();
    const int h = box->height();
    const int gw = gripTopLeft->width();
    const int gh = gripTopLeft->height();
    gripTopLeft->move(0, 0);
    gripTopRight->move(w - gw, 0);
    gripBottomLeft->move(0, h - gh);
    gripBottomRight->move(w - gw, h - gh);
    placeEdgeGrips();
    for (pzBoxRim* side : rimSides)
        side->place();
    if (!raise)
        return;
    for (pzBoxRim* side : rimSides)
        side->raise();
    for (pzEdgeGrip* edge : edgeGrips())
        edge->raise();
    for (pzSizeGrip* grip : cornerGrips())
        grip->raise();
}

void pzBoxFrame::placeEdgeGrips() {
    const int w = box->width();
    const int h = box->height();
    const int gw = gripTopLeft->width();
    const int gh = gripTopLeft->height();
    const int t = edgeThickness;
    edgeTop->setGeometry(gw, 0, w - 2 * gw, t);
    edgeBottom->setGeometry(gw, h - t, w - 2 * gw, t);
    edgeLeft->setGeometry(0, gh, t, h - 2 * gh);
    edgeRight->setGeometry(w - t, gh, t, h - 2 * gh);
}

void pzBoxFrame::setGripsVisible(bool visible) {
    for (pzSizeGrip* grip : cornerGrips())
        grip->setVisible(visible);
    for (pzEdgeGrip* edge : edgeGrips())
        edge->setVisible(visible);
}
