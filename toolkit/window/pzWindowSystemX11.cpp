// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

// The window system's calls on X11.

#include "pzWindowSystem_p.h"

#include "pzNativeGeometry_p.h"

#include <QColor>
#include <QGuiApplication>
#include <QWindow>
#include <xcb/xcb.h>

void pzWindowSystem::fillUnpainted(QWindow* window, Qt::Edge edge, const QColor& color) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window || !window->handle())
        return;
    const QSize whole = pzNativeGeometry::size(window);
    const QSize painted = pzNativeGeometry::toNative(window, window->size());
    xcb_rectangle_t strip;
    if (edge == Qt::RightEdge && whole.width() > painted.width())
        strip = {qint16(painted.width()), 0, quint16(whole.width() - painted.width()),
                 quint16(whole.height())};
    else if (edge == Qt::BottomEdge && whole.height() > painted.height())
        strip = {0, qint16(painted.height()), quint16(whole.width()),
                 quint16(whole.height() - painted.height())};
    else
        return;
    xcb_connection_t* connection = x11->connection();
    const auto id = xcb_window_t(window->winId());
    const xcb_gcontext_t gc = xcb_generate_id(connection);
    const quint32 pixel = color.rgb();
    xcb_create_gc(connection, gc, id, XCB_GC_FOREGROUND, &pixel);
    xcb_poly_fill_rectangle(connection, id, gc, 1, &strip);
    xcb_free_gc(connection, gc);
    xcb_flush(connection);
}
