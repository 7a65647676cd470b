// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBoxFrame_p.h"

#include "pzBoxRim_p.h"
#include "pzEdgeGrip.h"
#include "pzLook_p.h"
#include "pzSizeGrip.h"

pzBoxFrame::pzBoxFrame(QWidget* box)
    : box(box) {
    for (QPointer<pzSizeGrip>* grip :
         {&gripTopLeft, &gripTopRight, &gripBottomLeft, &gripBottomRight}) {
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

namespace {

template <class T> QList<T*> live(std::initializer_list<QPointer<T>> pieces) {
    QList<T*> result;
    for (const QPointer<T>& piece : pieces)
        if (piece)
            result += piece.data();
    return result;
}

template <class T> void move(const QPointer<T>& piece, int x, int y) {
    if (piece)
        piece->move(x, y);
}

template <class T> void setGeometry(const QPointer<T>& piece, int x, int y, int w, int h) {
    if (piece)
        piece->setGeometry(x, y, w, h);
}

} // namespace

QList<pzSizeGrip*> pzBoxFrame::cornerGrips() const {
    return live({gripTopLeft, gripTopRight, gripBottomLeft, gripBottomRight});
}

QList<pzEdgeGrip*> pzBoxFrame::edgeGrips() const {
    return live({edgeTop, edgeBottom, edgeLeft, edgeRight});
}

QList<pzBoxRim*> pzBoxFrame::rims() const {
    QList<pzBoxRim*> result;
    // A strip moved into another widget lies along that one's sides, not the box's.
    for (const QPointer<pzBoxRim>& side : rimSides)
        if (side && side->parentWidget() == box)
            result += side.data();
    return result;
}

void pzBoxFrame::place(bool raise) {
    const int w = box->width();
    const int h = box->height();
    const int g = pzLook::gripSize;
    move(gripTopLeft, 0, 0);
    move(gripTopRight, w - g, 0);
    move(gripBottomLeft, 0, h - g);
    move(gripBottomRight, w - g, h - g);
    placeEdgeGrips();
    for (pzBoxRim* side : rims())
        side->place();
    if (!raise)
        return;
    for (pzBoxRim* side : rims())
        side->raise();
    for (pzEdgeGrip* edge : edgeGrips())
        edge->raise();
    for (pzSizeGrip* grip : cornerGrips())
        grip->raise();
}

void pzBoxFrame::placeEdgeGrips() {
    const int w = box->width();
    const int h = box->height();
    const int g = pzLook::gripSize;
    const int t = edgeThickness;
    setGeometry(edgeTop, g, 0, w - 2 * g, t);
    setGeometry(edgeBottom, g, h - t, w - 2 * g, t);
    setGeometry(edgeLeft, 0, g, t, h - 2 * g);
    setGeometry(edgeRight, w - t, g, t, h - 2 * g);
}

void pzBoxFrame::setGripsVisible(bool visible) {
    for (pzSizeGrip* grip : cornerGrips())
        grip->setVisible(visible);
    for (pzEdgeGrip* edge : edgeGrips())
        edge->setVisible(visible);
}
