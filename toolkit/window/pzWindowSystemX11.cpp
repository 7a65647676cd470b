// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

// The window system's calls on X11.

#include "pzWindowSystem_p.h"

#include "pzNativeGeometry_p.h"

#include <QColor>
#include <QGuiApplication>
#include <QList>
#include <QPoint>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qwindowsysteminterface.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, false, strlen(name), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

xcb_window_t rootOf(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// Whether the window manager lists `wanted` among what it supports (_NET_SUPPORTED).
bool announces(xcb_connection_t* connection, xcb_atom_t wanted) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, false, rootOf(connection), atom(connection, "_NET_SUPPORTED"),
                         XCB_ATOM_ATOM, 0, 4096);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    bool found = false;
    if (reply && reply->format == 32) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / int(sizeof(xcb_atom_t));
        found = std::find(atoms, atoms + count, wanted) != atoms + count;
    }
    std::free(reply);
    return wanted != XCB_ATOM_NONE && found;
}

// _NET_WM_MOVERESIZE's directions, clockwise from the top left corner, then the move.
quint32 moveResizeDirection(Qt::Edges edges) {
    static const QList<Qt::Edges> clockwise{Qt::TopEdge | Qt::LeftEdge,     Qt::TopEdge,
                                            Qt::TopEdge | Qt::RightEdge,    Qt::RightEdge,
                                            Qt::BottomEdge | Qt::RightEdge, Qt::BottomEdge,
                                            Qt::BottomEdge | Qt::LeftEdge,  Qt::LeftEdge};
    const qsizetype index = clockwise.indexOf(edges);
    return index < 0 ? 8 : quint32(index);
}

// Sends the client message `name` about `window` to the window manager, as the root window's
// substructure, where the window manager announces it; false elsewhere.
bool sendIfAnnounced(QWindow* window, const char* name, const std::array<quint32, 5>& data) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return false;
    xcb_connection_t* connection = x11->connection();
    const xcb_atom_t type = atom(connection, name);
    if (!announces(connection, type))
        return false;
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window->winId());
    message.type = type;
    std::copy(data.begin(), data.end(), message.data.data32);
    // The press grabbed the pointer for this window; the window manager needs it now.
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    xcb_send_event(connection, false, rootOf(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

} // namespace

// Qt's own startSystemMove anchors the move at the last pointer position it saw, the first
// motion, which loses the step from the press to it: the window manager is told the press.
bool pzWindowSystem::startDragX11(QWindow* window, Qt::Edges edges, const QPoint& pressPos) {
    const QPoint root = QHighDpi::toNativePixels(pressPos, window->screen());
    // The left button; the request comes from a normal program.
    if (!sendIfAnnounced(window, "_NET_WM_MOVERESIZE",
                         {quint32(root.x()), quint32(root.y()), moveResizeDirection(edges), 1, 1}))
        return false;
    // The window manager takes the button's release; Qt, which saw the press, hears of it here.
    QWindowSystemInterface::handleMouseEvent(
        window, QHighDpi::toNativeLocalPosition(window->mapFromGlobal(pressPos), window), root,
        Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
    return true;
}

// The message GTK sends for a right click on its own title bars: the window manager shows its
// window menu at the pointer's root position, in the X server's pixels.
bool pzWindowSystem::showWindowMenuX11(QWindow* window, const QPoint& globalPos) {
    const QPoint root = QHighDpi::toNativePixels(globalPos, window->screen());
    // The core pointer, then the position.
    return sendIfAnnounced(window, "_GTK_SHOW_WINDOW_MENU",
                           {0, quint32(root.x()), quint32(root.y()), 0, 0});
}

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
