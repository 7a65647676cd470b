// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzPicture.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

pzPicture::pzPicture(const QString& path, QWidget* parent)
    : QLabel(parent) {
    // On a screen with a device pixel ratio above 1 the picture's "@2x" partner, when there is
    // one, shown at the plain picture's size; qt_findAtNxFile is how QIcon finds it too.
    qreal ratio = 1.0;
    QPixmap pixmap(qt_findAtNxFile(path, qGuiApp->devicePixelRatio(), &ratio));
    pixmap.setDevicePixelRatio(ratio);
    setPixmap(pixmap);
}
