// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzKeyboardFocus_p.h"

#include "pzLook_p.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

bool pzKeyboardFocus::keyboardInUse = false;

namespace {

bool isActivationKey(const QKeyEvent* event) {
    const bool returnKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return returnKey && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

void pzKeyboardFocus::attach(QAbstractButton* button) {
    button->installEventFilter(this);
}

bool pzKeyboardFocus::isShownOn(const QWidget* widget) {
    return keyboardInUse && widget->hasFocus();
}

void pzKeyboardFocus::paintFrame(QPainter& painter, const QRect& rect, const QColor& color) {
    painter.save();
    painter.setPen(QPen(color, pzLook::focusFrameWidth));
    painter.setBrush(Qt::NoBrush);
    // A pen's width straddles its line: inset by half of it so the whole frame lies inside.
    const qreal half = 0.5 * pzLook::focusFrameWidth;
    painter.drawRect(QRectF(rect).adjusted(half, half, -half, -half));
    painter.restore();
}

bool pzKeyboardFocus::eventFilter(QObject* watched, QEvent* event) {
    auto* button = static_cast<QAbstractButton*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
            keyboardInUse = true;
            break;
        case Qt::MouseFocusReason:
            keyboardInUse = false;
            break;
        default:
            break;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        keyboardInUse = false;
        button->update();
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space || isActivationKey(key)) {
            keyboardInUse = true;
            button->update();
        }
        if (isActivationKey(key)) {
            if (!key->isAutoRepeat())
                button->click();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}
