// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QColor>
#include <QObject>

class QAbstractButton;
class QPainter;
class QRect;
class QWidget;

// Keyboard handling shared by the toolkit's buttons: Return and Enter click them as Space does,
// and a focus frame shows only while focus is being moved with the keyboard, so mouse users
// see the buttons exactly as before.
class pzKeyboardFocus : public QObject {
    Q_OBJECT

public:
    // Watches the button's focus, mouse and key events.
    void attach(QAbstractButton* button);
    static bool isShownOn(const QWidget* widget);
    static void paintFrame(QPainter& painter, const QRect& rect, const QColor& color);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One mode for the whole program: Tab, Backtab, the arrow keys and activation keys turn
    // it on, a mouse press or a focus taken by the mouse turns it off.
    static bool keyboardInUse;
};
