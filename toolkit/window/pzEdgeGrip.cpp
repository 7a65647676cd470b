// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzEdgeGrip.h"

#include "pzEdgeGrip_p.h"
#include "pzSystemDrag_p.h"

#include <QMouseEvent>
#include <QRegion>
#include <QScreen>

QRect pzEdgeGripPrivate::resizedGeometry(const QPoint& globalPos) const {
    const QWidget* window = q_func()->window();
    const QSize minimum = window->minimumSize();
    const QSize maximum = window->maximumSize();
    const QPoint delta = globalPos - pressPos;
    const QRect& r = startGeometry;
    // The dragged edge stops at the border of the available area, as QSizeGrip's corners do,
    // unless it lay beyond it already; the size limits come last and win.
    QRect geometry = r;
    switch (edge) {
    case Qt::LeftEdge:
        geometry.setLeft(qBound(r.right() + 1 - maximum.width(),
                                qMax(r.left() + delta.x(), qMin(startArea.left(), r.left())),
                                r.right() + 1 - minimum.width()));
        break;
    case Qt::RightEdge:
        geometry.setRight(qBound(r.left() - 1 + minimum.width(),
                                 qMin(r.right() + delta.x(), qMax(startArea.right(), r.right())),
                                 r.left() - 1 + maximum.width()));
        break;
    case Qt::TopEdge:
        geometry.setTop(qBound(r.bottom() + 1 - maximum.height(),
                               qMax(r.top() + delta.y(), qMin(startArea.top(), r.top())),
                               r.bottom() + 1 - minimum.height()));
        break;
    case Qt::BottomEdge:
        geometry.setBottom(
            qBound(r.top() - 1 + minimum.height(),
                   qMin(r.bottom() + delta.y(), qMax(startArea.bottom(), r.bottom())),
                   r.top() - 1 + maximum.height()));
        break;
    }
    return geometry;
}

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
    d_func()->edge = edge;
    const bool horizontal = edge == Qt::TopEdge || edge == Qt::BottomEdge;
    setCursor(horizontal ? Qt::SizeVerCursor : Qt::SizeHorCursor);
}

pzEdgeGrip::~pzEdgeGrip() = default;

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
    connect(widget, &QObject::destroyed, this, [d, widget] {
        d->clearOf.removeIf(
            [widget](const QPointer<QWidget>& kept) { return !kept || kept.data() == widget; });
        d->updateMask();
    });
    d->updateMask();
}

void pzEdgeGrip::mousePressEvent(QMouseEvent* event) {
    Q_D(pzEdgeGrip);
    if (event->button() != Qt::LeftButton || !pzEdgeGripPrivate::isSide(d->edge) ||
        pzSystemDrag::start(this, d->edge))
        return;
    QWidget* window = this->window();
    d->resizing = true;
    d->pressPos = event->globalPosition().toPoint();
    d->startGeometry = window->geometry();
    d->startArea = window->screen()->availableGeometry();
}

void pzEdgeGrip::mouseMoveEvent(QMouseEvent* event) {
    Q_D(pzEdgeGrip);
    if (!d->resizing || !event->buttons().testFlag(Qt::LeftButton))
        return;
    window()->setGeometry(d->resizedGeometry(event->globalPosition().toPoint()));
}

void pzEdgeGrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        d_func()->resizing = false;
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
