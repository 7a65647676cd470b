// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzSizeGrip.h"

#include "pzWindowSystem_p.h"

#include <QMouseEvent>

namespace {

// The corner is told from the grip's place in its window, the way QSizeGrip tells it.
Qt::Edges corner(const QWidget* grip) {
    const QWidget* window = grip->window();
    const QPoint pos = grip->mapTo(window, QPoint(0, 0));
    const Qt::Edges horizontal = pos.x() <= window->width() / 2 ? Qt::LeftEdge : Qt::RightEdge;
    const Qt::Edges vertical = pos.y() >= window->height() / 2 ? Qt::BottomEdge : Qt::TopEdge;
    return horizontal | vertical;
}

} // namespace

pzSizeGrip::pzSizeGrip(QWidget* parent)
    : QSizeGrip(parent) {}

pzSizeGrip::~pzSizeGrip() = default;

void pzSizeGrip::paintEvent(QPaintEvent*) {}

void pzSizeGrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton &&
        pzWindowSystem::startDrag(this, corner(this), event->globalPosition().toPoint()))
        return;
    QSizeGrip::mousePressEvent(event);
}
