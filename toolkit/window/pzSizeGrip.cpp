// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzSizeGrip.h"

#include "pzSizeGrip_p.h"
#include "pzWindowSystem_p.h"

#include <QMouseEvent>

Qt::Edges pzSizeGripPrivate::corner() const {
    // Told from the grip's place in its window, the way QSizeGrip tells it.
    const QWidget* grip = q_func();
    const QWidget* window = grip->window();
    const QPoint pos = grip->mapTo(window, QPoint(0, 0));
    const Qt::Edges horizontal = pos.x() <= window->width() / 2 ? Qt::LeftEdge : Qt::RightEdge;
    const Qt::Edges vertical = pos.y() >= window->height() / 2 ? Qt::BottomEdge : Qt::TopEdge;
    return horizontal | vertical;
}

pzSizeGrip::pzSizeGrip(QWidget* parent)
    : QSizeGrip(parent)
    , pzPrivatable(new pzSizeGripPrivate) {}

pzSizeGrip::~pzSizeGrip() = default;

void pzSizeGrip::paintEvent(QPaintEvent*) {}

void pzSizeGrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton &&
        pzWindowSystem::startDrag(this, d_func()->corner(), event->globalPosition().toPoint()))
        return;
    QSizeGrip::mousePressEvent(event);
}
