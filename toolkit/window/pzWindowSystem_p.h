// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzToolsExport.h"

#include <Qt>

#include <functional>
#include <optional>

class QWidget;
class QWindow;

// Decides in one place whether the toolkit moves and resizes its windows itself or hands that to
// the window system. Where programs cannot place their windows by position (Wayland), only the
// compositor can move them, so the title bar and the grips ask it through
// QWindow::startSystemMove and startSystemResize; elsewhere (X11, offscreen) they drag the window
// themselves.
//
// Exported for the tests, which force the compositor's path and watch what it is asked to do.
class PZTOOLS_AUTOTEST_EXPORT pzSystemDrag {
public:
    using Starter = std::function<bool(QWindow* window, Qt::Edges edges)>;

    // True where the platform cannot move windows by position.
    static bool isWanted();
    // Hands a move (no edges) or a resize from the given edges of the widget's window to the
    // window system. False when it is not wanted or the window system refused; the caller then
    // drags the window itself.
    static bool start(QWidget* widget, Qt::Edges edges = {});

    // Test seams. setWantedOverride replaces the platform's answer to isWanted (std::nullopt asks
    // the platform again); setStarter replaces the calls of QWindow::startSystemMove and
    // startSystemResize (an empty starter restores them).
    static void setWantedOverride(std::optional<bool> wanted);
    static void setStarter(Starter starter);
};
