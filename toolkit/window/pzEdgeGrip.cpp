// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzEdgeGrip.h"

#include "pzEdgeGrip_p.h"

#include <QMouseEvent>
#include <QRegion>

void pzEdgeGripPrivate::updateMask() {
    pzEdgeGrip* q = q_func();
    const QWidget* window = q->window();
    QRegion region(q->rect());
    // A widget that has left the grip's window since it was given has no place to cut out.
    for (const QPointer<QWidget>& widget : clearOf)
        if (widget && !widget->isHidden() && widget->window() == window)
            region -=
                QRect(q->mapFrom(window, widget->mapTo(window, QPoint(0, 0))), widget->size());
    if (region == QRegion(q->rect()))
        q->clearMask();
    else
        q->setMask(region);
}

pzEdgeGrip::pzEdgeGrip(Qt::Edge edge, QWidget* parent)
    : QWidget(parent)
    , pzPrivatable(new pzEdgeGripPrivate) {
    // Any other value leaves the grip without a side: it then takes no presses.
    if (!pzEdgeGripPrivate::isSide(edge))
        return;
    Q_D(pzEdgeGrip);
    d->edge = edge;
    d->drag = pzWindowDrag(this, edge);
    const bool horizontal = edge == Qt::TopEdge || edge == Qt::BottomEdge;
    setCursor(horizontal ? Qt::SizeVerCursor : Qt::SizeHorCursor);
}

pzEdgeGrip::~pzEdgeGrip() {
    for (const QMetaObject::Connection& watch : std::as_const(d_func()->clearOfWatches))
        disconnect(watch);
}

Qt::Edge pzEdgeGrip::edge() const {
    return d_func()->edge;
}

void pzEdgeGrip::keepClearOf(QWidget* widget) {
    Q_D(pzEdgeGrip);
    if (!widget || d->clearOf.contains(widget))
        return;
    d->clearOf.append(widget);
    widget->installEventFilter(this);
    // A deleted widget sends no hide: its cut-out would stay behind.
    d->clearOfWatches += connect(widget, &QObject::destroyed, this, [d, widget] {
        d->clearOf.removeIf(
            [widget](const QPointer<QWidget>& kept) { return !kept || kept.data() == widget; });
        d->updateMask();
    });
    d->updateMask();
}

void pzEdgeGrip::mousePressEvent(QMouseEvent* event) {
    Q_D(pzEdgeGrip);
    if (event->button() != Qt::LeftButton || !pzEdgeGripPrivate::isSide(d->edge))
        return;
    d->drag.press(event->globalPosition().toPoint());
    d->drag.handOver(Qt::LeftButton);
}

void pzEdgeGrip::mouseMoveEvent(QMouseEvent* event) {
    Q_D(pzEdgeGrip);
    if (!d->drag.isFollowing() || !event->buttons().testFlag(Qt::LeftButton))
        return;
    d->drag.follow(event->globalPosition().toPoint());
}

void pzEdgeGrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        d_func()->drag.release();
}

void pzEdgeGrip::moveEvent(QMoveEvent*) {
    d_func()->updateMask();
}

void pzEdgeGrip::resizeEvent(QResizeEvent*) {
    d_func()->updateMask();
}

bool pzEdgeGrip::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ParentChange:
        d_func()->updateMask();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
