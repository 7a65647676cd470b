// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzSystemDrag_p.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace {

std::optional<bool> wantedOverride;
pzSystemDrag::Starter starterOverride;

bool startWithWindow(QWindow* window, Qt::Edges edges) {
    return edges ? window->startSystemResize(edges) : window->startSystemMove();
}

} // namespace

bool pzSystemDrag::isWanted() {
    if (wantedOverride)
        return *wantedOverride;
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool pzSystemDrag::start(QWidget* widget, Qt::Edges edges) {
    if (!isWanted())
        return false;
    QWindow* window = widget->window()->windowHandle();
    if (!window)
        return false;
    return starterOverride ? starterOverride(window, edges) : startWithWindow(window, edges);
}

void pzSystemDrag::setWantedOverride(std::optional<bool> wanted) {
    wantedOverride = wanted;
}

void pzSystemDrag::setStarter(Starter starter) {
    starterOverride = std::move(starter);
}
