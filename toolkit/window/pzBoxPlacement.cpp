// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBoxPlacement_p.h"

#include "pzBox.h"
#include "pzLook_p.h"
#include "pzNativeGeometry_p.h"
#include "pzWindowPlacement_p.h"
#include "pzWindowSystem_p.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>

#include <utility>

pzBoxPlacement::pzBoxPlacement(pzBox* box)
    : box(box) {}

QRect pzBoxPlacement::availableArea() const {
    QScreen* screen = box->windowHandle() ? box->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QList<QRect> pzBoxPlacement::screenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

QRect pzBoxPlacement::placedOnScreens(const QRect& geometry) const {
    const int titleBarHeight = pzLook::rimWidth + (titleBar ? titleBar->sizeHint().height() : 0);
    return pzWindowPlacement::restored(geometry, titleBarHeight, screenAreas(), availableArea());
}

void pzBoxPlacement::fillAvailableArea() {
    const QRect area = availableArea();
    if (area.isEmpty())
        return;
    alignSizeSteps(pzNativeGeometry::availableArea(box->windowHandle()).size());
    if (box->geometry() != area)
        box->setGeometry(area);
    pzNativeGeometry::fillAvailableArea(box->windowHandle());
}

void pzBoxPlacement::alignSizeSteps(const QSize& nativeSize) {
    const QSize base = pzNativeGeometry::stepBase(box->windowHandle(), nativeSize);
    if (!base.isValid())
        return;
    // The widget hands its base size to the window at every change of its minimum size; the
    // window's is set as well, since the widget passes on no base size equal to its own, and
    // its own starts at 0 by 0 while the window's does not.
    box->setBaseSize(base);
    box->windowHandle()->setBaseSize(base);
}

void pzBoxPlacement::setGeometryOnSteps(const QRect& geometry) {
    alignSizeSteps(pzNativeGeometry::toNative(box->windowHandle(), geometry.size()));
    box->setGeometry(geometry);
}

void pzBoxPlacement::center() {
    if (!pzWindowSystem::placesWindows())
        return;
    const QPoint centre = availableArea().center();
    box->move(centre.x() - (box->width() - 1) / 2, centre.y() - (box->height() - 1) / 2);
}

void pzBoxPlacement::fitFirstShow() {
    if (std::exchange(shown, true))
        return;
    scale = box->devicePixelRatioF();
    if (box->isMaximized())
        return;
    const QSize size = box->size().boundedTo(availableArea().size());
    // Where the window system places windows, or where the program left the box for the window
    // manager to place, only the size is the box's to bound.
    if (!pzWindowSystem::placesWindows() || !box->testAttribute(Qt::WA_Moved)) {
        if (size != box->size())
            box->resize(size);
        return;
    }
    const QRect placed = placedOnScreens(QRect(box->pos(), size));
    if (placed != box->geometry())
        setGeometryOnSteps(placed);
}

void pzBoxPlacement::followScreens() {
    for (QScreen* screen : QGuiApplication::screens())
        watchScreen(screen);
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, box, [this](QScreen* screen) {
        watchScreen(screen);
        screensChanged();
    });
    QObject::connect(
        qGuiApp, &QGuiApplication::screenRemoved, box, [this] { screensChanged(); },
        Qt::QueuedConnection);
}

void pzBoxPlacement::watchScreen(QScreen* screen) {
    // Queued, so that the window has moved to its new screen when a screen goes away, and every
    // change of one reconfiguration has arrived.
    for (auto changed : {&QScreen::geometryChanged, &QScreen::availableGeometryChanged})
        QObject::connect(
            screen, changed, box, [this] { screensChanged(); }, Qt::QueuedConnection);
}

bool pzBoxPlacement::followScale() {
    QWindow* window = box->windowHandle();
    const qreal ratio = box->devicePixelRatioF();
    if (!window || !scale || qFuzzyCompare(ratio, scale))
        return false;
    scale = ratio;
    // The widget keeps its former size until the window system confirms the new one. The box
    // grows with the scale where it is, as far as the available area holds it; in the window
    // system's pixels, as the area in device-independent ones is rounded.
    const QRect area = pzNativeGeometry::availableArea(window);
    QRect kept(pzNativeGeometry::geometry(window).topLeft(),
               pzNativeGeometry::toNative(window, box->size()).boundedTo(area.size()));
    kept.moveLeft(qBound(area.left(), kept.left(), area.right() + 1 - kept.width()));
    kept.moveTop(qBound(area.top(), kept.top(), area.bottom() + 1 - kept.height()));
    alignSizeSteps(kept.size());
    pzNativeGeometry::setGeometry(window, kept);
    // Qt 6.4 sizes the backing store anew, and tells the widgets, only when the size in
    // device-independent pixels changes: the store would keep its former number of pixels, and
    // the rim its former width.
    if (QBackingStore* store = box->backingStore())
        store->resize(box->size());
    QResizeEvent relayout(box->size(), box->size());
    QCoreApplication::sendEvent(box, &relayout);
    for (QWidget* widget : box->findChildren<QWidget*>())
        widget->update();
    return true;
}

void pzBoxPlacement::screensChanged() {
    // The window system places windows it maximized itself, and everywhere where programs
    // cannot place theirs.
    if (!box->isVisible() || box->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen) ||
        !pzWindowSystem::placesWindows())
        return;
    if (box->isMaximized()) {
        fillAvailableArea();
        return;
    }
    if (followScale())
        return;
    // The window's geometry: the widget's lags behind a change the box asked for.
    const QRect current = box->windowHandle() ? box->windowHandle()->geometry() : box->geometry();
    const QRect wanted = placedOnScreens(current);
    if (wanted != current)
        setGeometryOnSteps(wanted);
}
