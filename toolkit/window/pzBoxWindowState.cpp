// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBoxWindowState_p.h"

#include "pzBox.h"
#include "pzBoxFrame_p.h"
#include "pzBoxPlacement_p.h"
#include "pzWindowSystem_p.h"

#include <algorithm>

namespace {

constexpr Qt::WindowStates filling = Qt::WindowMaximized | Qt::WindowFullScreen;

} // namespace

pzBoxWindowState::pzBoxWindowState(pzBox* box, pzBoxFrame* frame, pzBoxPlacement* placement)
    : box(box)
    , frame(frame)
    , placement(placement) {}

void pzBoxWindowState::maximize() {
    if (maximized)
        return;
    if (!pzWindowSystem::placesWindows()) {
        // The window system maximizes the window; the flag follows its state.
        box->QWidget::setWindowState(box->windowState() | Qt::WindowMaximized);
        return;
    }
    normalGeometry = box->geometry();
    screensAtMaximize = pzBoxPlacement::screenAreas();
    placement->fillAvailableArea();
    setMaximized(true);
}

void pzBoxWindowState::restore() {
    if (!maximized)
        return;
    if (!pzWindowSystem::placesWindows()) {
        // The window system brings the window back to its former size; a geometry asked for
        // before it answers would contradict the state it still has.
        box->QWidget::showNormal();
        return;
    }
    changingWindowState = true;
    box->QWidget::showNormal();
    changingWindowState = false;
    // The window comes back exactly where it was, as under any window manager, unless screens
    // that changed meanwhile (or a program's move off every screen) left its title bar out of
    // reach.
    if (normalGeometry.isValid()) {
        const QList<QRect> areas = pzBoxPlacement::screenAreas();
        const bool stays = areas == screensAtMaximize &&
                           std::any_of(areas.cbegin(), areas.cend(), [this](const QRect& area) {
                               return area.intersects(normalGeometry);
                           });
        placement->setGeometryOnSteps(stays ? normalGeometry
                                            : placement->placedOnScreens(normalGeometry));
    }
    normalGeometry = QRect(-1, -1, -1, -1);
    setMaximized(false);
}

void pzBoxWindowState::follow(Qt::WindowStates oldState) {
    const Qt::WindowStates state = box->windowState();
    const bool fills = state & filling;
    if (changingWindowState || state.testFlag(Qt::WindowMinimized) ||
        fills == bool(oldState & filling))
        return;
    if (fills) {
        if (maximized)
            return;
        // Qt keeps the geometry the window had before the window system maximized it.
        normalGeometry = box->normalGeometry();
        setMaximized(true);
    } else if (maximized) {
        // The window system puts the window back where it was itself.
        normalGeometry = QRect(-1, -1, -1, -1);
        setMaximized(false);
    }
}

void pzBoxWindowState::setMaximized(bool isMaximized) {
    maximized = isMaximized;
    frame->setGripsVisible(!isMaximized);
    emit box->maximizedChanged(isMaximized);
}
