#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

// Mouse events sent straight to a widget, with global positions of the test's choosing: the
// grips and the box follow the pointer by its global position. Shared by the suites of the
// grips and of the drags handed to the window system.
namespace mouseDrag {

inline void send(QWidget* target, QEvent::Type type, const QPoint& globalPos,
                 Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(target->mapFromGlobal(globalPos)), QPointF(globalPos), changed,
                      held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

// Presses at `globalPos`, moves half way and then all the way by `shift`, and releases.
inline void dragBy(QWidget* target, const QPoint& globalPos, const QPoint& shift,
                   Qt::MouseButton button = Qt::LeftButton) {
    send(target, QEvent::MouseButtonPress, globalPos, button);
    send(target, QEvent::MouseMove, globalPos + shift / 2, button);
    send(target, QEvent::MouseMove, globalPos + shift, button);
    send(target, QEvent::MouseButtonRelease, globalPos + shift, button);
}

} // namespace mouseDrag
