// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

// Left-button events sent straight to a widget, with global positions of the test's choosing:
// the grips and the box follow the pointer by its global position. Shared by the window suites,
// the Wayland suite and the monkey test.
namespace mouseDrag {

inline void send(QWidget* target, QEvent::Type type, const QPoint& globalPos) {
    QMouseEvent event(type, QPointF(target->mapFromGlobal(globalPos)), QPointF(globalPos),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

// Presses at `globalPos`, moves half way and then all the way by `shift`, and releases.
inline void dragBy(QWidget* target, const QPoint& globalPos, const QPoint& shift) {
    send(target, QEvent::MouseButtonPress, globalPos);
    send(target, QEvent::MouseMove, globalPos + shift / 2);
    send(target, QEvent::MouseMove, globalPos + shift);
    send(target, QEvent::MouseButtonRelease, globalPos + shift);
}

} // namespace mouseDrag
