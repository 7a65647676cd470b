// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QList>
#include <QRect>

// Where a window comes back when the screens change under it or when it leaves the maximized
// state.
class pzWindowPlacement {
public:
    // The geometry to give a window of geometry `saved`, whose title bar is the top
    // `titleBarHeight` pixels of it, given the available areas of the screens there are now.
    // A window whose title bar can still be taken hold of (a piece of it as tall as the bar and
    // at least as wide lies on one screen) stays as it is. One that still meets a screen is
    // moved the least distance that brings its title bar, across its whole width, into the area
    // it meets most. One that lies off every screen (its screen went away) is centred in
    // `fallbackArea`. Either way it keeps its size where that fits and is shrunk to the area
    // where not.
    static QRect restored(const QRect& saved, int titleBarHeight, const QList<QRect>& screenAreas,
                          const QRect& fallbackArea);
};
