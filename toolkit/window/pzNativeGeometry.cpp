// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzNativeGeometry_p.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>

void pzNativeGeometry::fillAvailableArea(QWindow* window) {
    const QRect area = availableArea(window);
    if (!area.isEmpty() && geometry(window) != area)
        setGeometry(window, area);
}

QRect pzNativeGeometry::availableArea(const QWindow* window) {
    const QPlatformScreen* platformScreen =
        window && window->handle() && window->screen() ? window->screen()->handle() : nullptr;
    return platformScreen ? platformScreen->availableGeometry() : QRect();
}

QSize pzNativeGeometry::size(const QWindow* window) {
    return geometry(window).size();
}

QRect pzNativeGeometry::geometry(const QWindow* window) {
    const QPlatformWindow* platformWindow = window ? window->handle() : nullptr;
    return platformWindow ? platformWindow->geometry() : QRect();
}

void pzNativeGeometry::setGeometry(QWindow* window, const QRect& geometry) {
    if (QPlatformWindow* platformWindow = window ? window->handle() : nullptr)
        platformWindow->setGeometry(geometry);
}

QSize pzNativeGeometry::toNative(const QWindow* window, const QSize& size) {
    return QHighDpi::toNativePixels(size, window);
}

QSize pzNativeGeometry::stepBase(const QWindow* window, const QSize& nativeSize) {
    const QPlatformWindow* platformWindow = window ? window->handle() : nullptr;
    if (!platformWindow || nativeSize.isEmpty())
        return QSize();
    const QSize step = platformWindow->windowSizeIncrement();
    if (step.width() <= 1 && step.height() <= 1)
        return QSize();
    const qreal factor = QHighDpiScaling::factor(window);
    return QSize(stepBase(nativeSize.width(), qMax(1, step.width()), factor),
                 stepBase(nativeSize.height(), qMax(1, step.height()), factor));
}

int pzNativeGeometry::stepBase(int length, int step, qreal factor) {
    for (int base = 0; qRound(base * factor) <= length; ++base)
        if ((length - qRound(base * factor)) % step == 0)
            return base;
    return 0;
}
