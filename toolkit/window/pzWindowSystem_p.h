// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <Qt>

#include <functional>
#include <optional>

class QColor;
class QPoint;
class QWidget;
class QWindow;

// What the window system lets a program do with its windows, in one place; the platform's own
// calls live in the files named for it (X11, Wayland).
//
// Where programs cannot place their windows by position (Wayland), only the compositor moves,
// resizes and maximizes them. The title bar and the grips hand their drags to the window system
// through QWindow::startSystemMove and startSystemResize on Wayland and on X11, where Qt asks the
// window manager by _NET_WM_MOVERESIZE if it announces that, so that its edge tiling and snapping
// apply; elsewhere, or when the window system refuses, the toolkit drags its windows itself.
class pzWindowSystem {
public:
    using Starter = std::function<bool(QWindow* window, Qt::Edges edges)>;

    // True where programs place their windows by position and maximize them by giving them a
    // geometry; false where only the window system places, maximizes and restores them.
    static bool placesWindows();
    // True where the window system may take moves and resizes over from the pointer.
    static bool movesWindows();
    // Hands a move (no edges) or a resize from the given edges of the widget's window to the
    // window system, for a drag whose button went down at `pressPos` (global). False where it
    // does not move windows or refused; the caller then drags the window itself.
    static bool startDrag(QWidget* widget, Qt::Edges edges, const QPoint& pressPos);

    // Asks the window system to show its window menu for the widget's window at `globalPos`. False
    // where it has none (X11 without _GTK_SHOW_WINDOW_MENU, offscreen); the caller then shows the
    // toolkit's own.
    static bool showWindowMenu(QWidget* widget, const QPoint& globalPos);

    // Qt paints a window in its size in device-independent pixels, rounded, scaled back and
    // rounded again: at some factors that is a pixel short of the window's size in the window
    // system's pixels. Fills that last column (`edge` Qt::RightEdge) or row (Qt::BottomEdge)
    // with `color` through the X server; for other edges and elsewhere nothing happens.
    static void fillUnpainted(QWindow* window, Qt::Edge edge, const QColor& color);

    // Test seams. setPlacesWindowsOverride and setMovesWindowsOverride replace the platform's
    // answers to placesWindows and movesWindows (std::nullopt asks the platform again);
    // setStarter replaces the calls of QWindow::startSystemMove and startSystemResize (an empty
    // starter restores them).
    static void setPlacesWindowsOverride(std::optional<bool> places);
    static void setMovesWindowsOverride(std::optional<bool> moves);
    static void setStarter(Starter starter);

private:
    static bool isWayland();
    static bool isX11();
    static bool startDragX11(QWindow* window, Qt::Edges edges, const QPoint& pressPos);
    static bool showWindowMenuX11(QWindow* window, const QPoint& globalPos);
    static bool showWindowMenuWayland(QWindow* window, const QPoint& globalPos);
};
