// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzPicture.h"

#include "pzPicture_p.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

pzPicture::pzPicture(QWidget* parent)
    : QLabel(parent)
    , pzPrivatable(new pzPicturePrivate) {}

pzPicture::pzPicture(const QString& path, QWidget* parent)
    : QLabel(parent)
    , pzPrivatable(new pzPicturePrivate) {
    setPixmap(load(path));
}

pzPicture::~pzPicture() = default;

QPixmap pzPicture::load(const QString& path) {
    // The highest ratio of all screens, as QIcon chooses its files; at 1 the plain picture is
    // loaded without looking for a partner.
    const qreal screenRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    qreal pictureRatio = 1.0;
    QPixmap pixmap(qt_findAtNxFile(path, screenRatio, &pictureRatio));
    pixmap.setDevicePixelRatio(pictureRatio);
    return pixmap;
}
