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
    // The available area of the window's screen in the window system's pixels; empty before the
    // window exists.
    static QRect availableArea(const QWindow* window);
    // The window's size in the window system's pixels; empty before the window exists.
    static QSize size(const QWindow* window);
    // The window's geometry in the window system's pixels; empty before the window exists.
    static QRect geometry(const QWindow* window);
    // Gives the window `geometry` in the window system's pixels; nothing before it exists.
    static void setGeometry(QWindow* window, const QRect& geometry);
    // `size`, in device-independent pixels, in the window system's pixels of the window.
    static QSize toNative(const QWindow* window, const QSize& size);

    // From a scale factor of 1.5 on Qt asks the window manager to size the window in steps of
    // the factor, rounded, from a base size that is negative unless one is set; a window manager
    // takes that for none, counts the steps from the minimum size and rounds the sizes asked for
    // down onto them. The base size, in device-independent pixels, whose steps reach
    // `nativeSize`; invalid where Qt asks for no steps or before the window exists.
    static QSize stepBase(const QWindow* window, const QSize& nativeSize);
    // The least base length that, scaled by `factor` and rounded as Qt rounds it, lies a whole
    // number of steps of `step` below `length`.
    static int stepBase(int length, int step, qreal factor);
};
