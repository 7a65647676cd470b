// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

// The window system's calls on Wayland.

#include "pzWindowSystem_p.h"

#include <QGuiApplication>
#include <QPoint>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformnativeinterface.h>

#include "xdg-shell-client-protocol.h"

// Qt reaches xdg_toplevel.show_window_menu only from its own decorations; its native interface
// hands out the toplevel, the seat and the serial of the last input event, the press that asked
// for the menu.
bool pzWindowSystem::showWindowMenuWayland(QWindow* window, const QPoint& globalPos) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native)
        return false;
    auto* toplevel =
        static_cast<xdg_toplevel*>(native->nativeResourceForWindow("xdg_toplevel", window));
    auto* seat = static_cast<wl_seat*>(native->nativeResourceForIntegration("wl_seat"));
    const auto serial = quint32(quintptr(native->nativeResourceForIntegration("serial")));
    if (!toplevel || !seat)
        return false;
    const QPoint local = QHighDpi::toNativeLocalPosition(window->mapFromGlobal(globalPos), window);
    xdg_toplevel_show_window_menu(toplevel, seat, serial, local.x(), local.y());
    return true;
}
