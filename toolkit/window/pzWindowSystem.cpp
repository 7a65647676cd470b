// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzWindowSystem_p.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace {

std::optional<bool> placesWindowsOverride;
std::optional<bool> movesWindowsOverride;
pzWindowSystem::Starter starterOverride;

bool startWithQt(QWindow* window, Qt::Edges edges) {
    return edges ? window->startSystemResize(edges) : window->startSystemMove();
}

} // namespace

bool pzWindowSystem::isWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool pzWindowSystem::isX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool pzWindowSystem::placesWindows() {
    if (placesWindowsOverride)
        return *placesWindowsOverride;
    return !isWayland();
}

bool pzWindowSystem::movesWindows() {
    if (movesWindowsOverride)
        return *movesWindowsOverride;
    return isWayland() || isX11();
}

bool pzWindowSystem::startDrag(QWidget* widget, Qt::Edges edges, const QPoint& pressPos) {
    if (!movesWindows())
        return false;
    QWindow* window = widget->window()->windowHandle();
    if (!window || !window->handle())
        return false;
    if (starterOverride)
        return starterOverride(window, edges);
    return isX11() ? startDragX11(window, edges, pressPos) : startWithQt(window, edges);
}

bool pzWindowSystem::showWindowMenu(QWidget* widget, const QPoint& globalPos) {
    QWindow* window = widget->window()->windowHandle();
    if (!window || !window->handle())
        return false;
    if (isX11())
        return showWindowMenuX11(window, globalPos);
    if (isWayland())
        return showWindowMenuWayland(window, globalPos);
    return false;
}

void pzWindowSystem::setPlacesWindowsOverride(std::optional<bool> places) {
    placesWindowsOverride = places;
}

void pzWindowSystem::setMovesWindowsOverride(std::optional<bool> moves) {
    movesWindowsOverride = moves;
}

void pzWindowSystem::setStarter(Starter starter) {
    starterOverride = std::move(starter);
}
