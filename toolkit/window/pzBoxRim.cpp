// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBoxRim_p.h"

#include "pzLook_p.h"
#include "pzNativeGeometry_p.h"
#include "pzWindowSystem_p.h"

#include <QPainter>
#include <QWindow>
#include <cmath>

pzBoxRim::pzBoxRim(Qt::Edge edge, QWidget* box)
    : QWidget(box)
    , edge(edge) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void pzBoxRim::place() {
    const QWidget* box = parentWidget();
    // Taken out of its box by a user, the strip has no side to lie along.
    if (!box)
        return;
    // One pixel more than the scaled rim needs: the window system's size of the window can
    // differ from the box's size, scaled, by up to half a pixel.
    const qreal ratio = box->devicePixelRatioF();
    const int t = int(std::ceil(qRound(pzLook::rimWidth * ratio) / ratio)) + 1;
    const int w = box->width();
    const int h = box->height();
    switch (edge) {
    case Qt::TopEdge:
        setGeometry(0, 0, w, t);
        break;
    case Qt::BottomEdge:
        setGeometry(0, h - t, w, t);
        break;
    case Qt::LeftEdge:
        setGeometry(0, 0, t, h);
        break;
    case Qt::RightEdge:
        setGeometry(w - t, 0, t, h);
        break;
    }
}

QRect pzBoxRim::deviceRect() const {
    const QWidget* box = parentWidget();
    if (!box)
        return QRect();
    const qreal ratio = box->devicePixelRatioF();
    QSize size = pzNativeGeometry::size(box->windowHandle());
    if (size.isEmpty())
        size = (QSizeF(box->size()) * ratio).toSize();
    const int rim = qRound(pzLook::rimWidth * ratio);
    switch (edge) {
    case Qt::TopEdge:
        return QRect(0, 0, size.width(), rim);
    case Qt::BottomEdge:
        return QRect(0, size.height() - rim, size.width(), rim);
    case Qt::LeftEdge:
        return QRect(0, 0, rim, size.height());
    case Qt::RightEdge:
        return QRect(size.width() - rim, 0, rim, size.height());
    }
    return QRect();
}

void pzBoxRim::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!painter.isActive())
        return;
    // In the box's coordinates, whose origin is the window's first pixel, the edges of the
    // window system's pixels fall on multiples of one over the ratio.
    painter.translate(-pos());
    const qreal ratio = devicePixelRatioF();
    const QRect rect = deviceRect();
    painter.fillRect(
        QRectF(rect.x() / ratio, rect.y() / ratio, rect.width() / ratio, rect.height() / ratio),
        pzLook::rimColor);
    pzWindowSystem::fillUnpainted(window()->windowHandle(), edge, pzLook::rimColor);
}
