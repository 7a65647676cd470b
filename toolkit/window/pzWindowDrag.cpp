// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzWindowDrag_p.h"

#include "pzWindowSystem_p.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

pzWindowDrag::pzWindowDrag(QWidget* handle, Qt::Edges edges)
    : handle(handle)
    , edges(edges) {}

bool pzWindowDrag::isMovePosAllowed(const QPoint& globalPos) {
    const QScreen* screen = QGuiApplication::screenAt(globalPos);
    return screen && screen->availableGeometry().contains(globalPos);
}

void pzWindowDrag::press(const QPoint& globalPos) {
    state = State::Pressed;
    pressPos = globalPos;
    const QWidget* window = handle->window();
    startGeometry = window->geometry();
    startArea = window->screen() ? window->screen()->availableGeometry() : QRect();
    // The press itself is a move's first position, so the window follows the pointer's whole
    // displacement rather than losing the first motion step.
    lastPos.reset();
    if (isMovePosAllowed(globalPos))
        lastPos = globalPos;
}

bool pzWindowDrag::handOver(Qt::MouseButtons buttons) {
    if (state != State::Pressed || !buttons.testFlag(Qt::LeftButton))
        return false;
    state =
        pzWindowSystem::startDrag(handle, edges, pressPos) ? State::HandedOver : State::Following;
    return state == State::HandedOver;
}

void pzWindowDrag::follow(const QPoint& globalPos) {
    QWidget* window = handle->window();
    if (edges) {
        window->setGeometry(resizedGeometry(globalPos));
        return;
    }
    if (!isMovePosAllowed(globalPos))
        return;
    if (lastPos)
        window->move(window->pos() + globalPos - *lastPos);
    lastPos = globalPos;
}

QRect pzWindowDrag::resizedGeometry(const QPoint& globalPos) const {
    const QWidget* window = handle->window();
    const QSize minimum = window->minimumSize();
    const QSize maximum = window->maximumSize();
    const QPoint delta = globalPos - pressPos;
    const QRect& r = startGeometry;
    // A dragged edge stops at the border of the available area, as QSizeGrip's corners do,
    // unless it lay beyond it already; the size limits come last and win.
    QRect geometry = r;
    if (edges & Qt::LeftEdge)
        geometry.setLeft(qBound(r.right() + 1 - maximum.width(),
                                qMax(r.left() + delta.x(), qMin(startArea.left(), r.left())),
                                r.right() + 1 - minimum.width()));
    if (edges & Qt::RightEdge)
        geometry.setRight(qBound(r.left() - 1 + minimum.width(),
                                 qMin(r.right() + delta.x(), qMax(startArea.right(), r.right())),
                                 r.left() - 1 + maximum.width()));
    if (edges & Qt::TopEdge)
        geometry.setTop(qBound(r.bottom() + 1 - maximum.height(),
                               qMax(r.top() + delta.y(), qMin(startArea.top(), r.top())),
                               r.bottom() + 1 - minimum.height()));
    if (edges & Qt::BottomEdge)
        geometry.setBottom(
            qBound(r.top() - 1 + minimum.height(),
                   qMin(r.bottom() + delta.y(), qMax(startArea.bottom(), r.bottom())),
                   r.top() - 1 + maximum.height()));
    return geometry;
}
