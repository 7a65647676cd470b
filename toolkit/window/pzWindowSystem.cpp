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

bool startWithWindow(QWindow* window, Qt::Edges edges) {
    return edges ? window->startSystemResize(edges) : window->startSystemMove();
}

} // namespace

bool pzWindowSystem::isWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool pzWindowSystem::placesWindows() {
    if (placesWindowsOverride)
        return *placesWindowsOverride;
    return !isWayland();
}

bool pzWindowSystem::movesWindows() {
    if (movesWindowsOverride)
        return *movesWindowsOverride;
    return isWayland();
}

bool pzWindowSystem::startDrag(QWidget* widget, Qt::Edges edges) {
    if (!movesWindows())
        return false;
    QWindow* window = widget->window()->windowHandle();
    if (!window)
        return false;
    return starterOverride ? starterOverride(window, edges) : startWithWindow(window, edges);
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
