// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzNativeGeometry_p.h"

#include <QScreen>
#include <QWindow>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>

void pzNativeGeometry::fillAvailableArea(QWindow* window) {
    QPlatformWindow* platformWindow = window ? window->handle() : nullptr;
    const QPlatformScreen* platformScreen =
        window && window->screen() ? window->screen()->handle() : nullptr;
    if (!platformWindow || !platformScreen)
        return;
    const QRect area = platformScreen->availableGeometry();
    if (!area.isEmpty() && platformWindow->geometry() != area)
        platformWindow->setGeometry(area);
}

QSize pzNativeGeometry::size(const QWindow* window) {
    const QPlatformWindow* platformWindow = window ? window->handle() : nullptr;
    return platformWindow ? platformWindow->geometry().size() : QSize();
}
