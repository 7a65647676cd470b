// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QRect>
#include <QSize>

class QScreen;
class QWindow;

// Window geometry in the window system's own pixels. At fractional scale factors a geometry in
// Qt's device-independent pixels is rounded on its way to the window system: a window given
// its screen's available area that way can end a pixel past the area, or short of it.
class pzNativeGeometry {
public:
    // Gives the window exactly the available area of its screen, in the window system's pixels.
    // Nothing happens before the window exists or where it covers the area already.
    static void fillAvailableArea(QWindow* window);
    // The window's size in the window system's pixels; empty before the window exists.
    static QSize size(const QWindow* window);
};
