// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzWallpaper.h"

#include "pzWallpaper_p.h"

#include <QPainter>

pzWallpaper::pzWallpaper(QObject* parent)
    : QObject(parent)
    , pzPrivatable(new pzWallpaperPrivate) {}

pzWallpaper::~pzWallpaper() = default;

// The rescale and the cut are made when a paint first needs them: many owners never paint, and
// both are far dearer than anything else at start-up.
void pzWallpaper::setPixmap(const QPixmap& pixmap) {
    Q_D(pzWallpaper);
    d->source = pixmap;
    d->sourcePath.clear();
    d->pixmap = QPixmap();
    d->scaled = false;
    d->cut = false;
}

void pzWallpaper::setPicture(const QString& path) {
    Q_D(pzWallpaper);
    setPixmap(QPixmap());
    d->sourcePath = path;
}

void pzWallpaper::resize(const QRect& rect) {
    Q_D(pzWallpaper);
    d->rect = rect;
    d->cut = false;
}

void pzWallpaper::paint(QPainter& painter) {
    Q_D(pzWallpaper);
    d->update();
    if (d->cutPixmap.isNull())
        return;
    painter.drawPixmap(QRectF(d->rect), d->cutPixmap, QRectF());
}

void pzWallpaperPrivate::update() {
    if (!scaled) {
        if (!sourcePath.isEmpty())
            source = QPixmap(sourcePath);
        sourcePath.clear();
        // The smooth rescale runs once per picture, never per resize or paint.
        pixmap = source.scaled(WorkingWidth, WorkingHeight, Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
        source = QPixmap();
        scaled = true;
        cut = false;
    }
    if (cut)
        return;
    QRect cutRect = rect;
    if (rect.width() > pixmap.width())
        cutRect.setRight(cutRect.left() + pixmap.width() - 1);
    if (rect.height() > pixmap.height())
        cutRect.setBottom(cutRect.top() + pixmap.height() - 1);
    cutPixmap = pixmap.copy(cutRect);
    cut = true;
}
