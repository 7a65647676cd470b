// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QPointer>
#include <QRect>
#include <QWidget>

class QScreen;
class QSize;
class pzBox;

// Where the box lies on the screens: the available area it fills when maximized, where it comes
// back when restored or when the screens change under it, and the window manager's size steps
// it asks for its sizes on.
class pzBoxPlacement {
public:
    explicit pzBoxPlacement(pzBox* box);
    // The box's title bar, which must stay reachable on the screens.
    void setTitleBar(QWidget* bar) { titleBar = bar; }

    // The available area of the screen the window is on; before it is first shown the
    // window has no screen of its own yet, and the primary screen counts.
    QRect availableArea() const;
    // The available areas of the screens there are now.
    static QList<QRect> screenAreas();
    // `geometry` brought back where its title bar can be reached on the screens there are now.
    QRect placedOnScreens(const QRect& geometry) const;
    // The box's geometry becomes its screen's available area, to the window system's pixel.
    void fillAvailableArea();
    // Before the box asks for a size: the window manager's size steps reach `nativeSize`.
    void alignSizeSteps(const QSize& nativeSize);
    void setGeometryOnSteps(const QRect& geometry);
    // Centres the box in the available area, where programs place their windows.
    void center();
    // Before the box is first shown: a size larger than the available area is bounded by it,
    // and a box that a program placed is moved where its title bar shows.
    void fitFirstShow();
    // Follows the screens from now on: a maximized box keeps filling its screen's available
    // area, a normal one keeps its title bar on the screens, whenever they change.
    void followScreens();

private:
    void watchScreen(QScreen* screen);
    void screensChanged();
    // Qt keeps a window's size in the window system's pixels when the scale of its screen changes
    // under it; the box keeps its size in device-independent pixels instead, as it does on a
    // screen of another scale. True if the scale had changed.
    bool followScale();

    pzBox* box;
    QPointer<QWidget> titleBar;
    bool shown = false;
    // The scale factor the box was last laid out at; 0 before it is first shown.
    qreal scale = 0;
};
