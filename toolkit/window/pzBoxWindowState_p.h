// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QList>
#include <QRect>

class pzBox;
class pzBoxFrame;
class pzBoxPlacement;

// The box's window state: normal or maximized. Full screen, which only the window system sets,
// counts as maximized: the window fills its screen, cannot be resized, and Restore takes it back.
// Where programs place their windows (X11) the box maximizes itself by giving the window its
// screen's available area and restores the geometry it had; elsewhere (Wayland) it asks the
// window system for its maximize and restore and follows the answer. Every change, the box's
// own and the window system's, ends in one place: the flag and the grips follow it, and the
// title bar hears of it.
class pzBoxWindowState {
public:
    pzBoxWindowState(pzBox* box, pzBoxFrame* frame, pzBoxPlacement* placement);

    bool isMaximized() const { return maximized; }
    // Nothing happens when already maximized.
    void maximize();
    // Nothing happens unless maximized.
    void restore();
    // The window's state changed from `oldState`, by the box or by the window system.
    void follow(Qt::WindowStates oldState);

private:
    void setMaximized(bool isMaximized);

    pzBox* box;
    pzBoxFrame* frame;
    pzBoxPlacement* placement;
    bool maximized = false;
    // Set while the box itself changes the window system's state, so that the change is not
    // taken for one the window system made.
    bool changingWindowState = false;
    // The geometry the box comes back to where it restores itself.
    QRect normalGeometry = QRect(-1, -1, -1, -1);
    // The screens' available areas when the box maximized itself.
    QList<QRect> screensAtMaximize;
};
