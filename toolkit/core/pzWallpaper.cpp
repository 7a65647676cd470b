#include "pzWallpaper.h"

#include "pzWallpaper_p.h"

#include <QPainter>

pzWallpaper::pzWallpaper(QObject* parent)
    : QObject(parent)
    , pzPrivatable(new pzWallpaperPrivate) {}

pzWallpaper::~pzWallpaper() = default;

void pzWallpaper::setPixmap(const QPixmap& pixmap) {
    Q_D(pzWallpaper);
    // The smooth rescale is the expensive step; it runs here only, never per resize or paint.
    d->pixmap = pixmap.scaled(pzWallpaperPrivate::WorkingWidth, pzWallpaperPrivate::WorkingHeight,
                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    resize(d->rect);
}

void pzWallpaper::resize(const QRect& rect) {
    Q_D(pzWallpaper);
    QRect cut = rect;
    if (rect.width() > d->pixmap.width())
        cut.setRight(cut.left() + d->pixmap.width() - 1);
    if (rect.height() > d->pixmap.height())
        cut.setBottom(cut.top() + d->pixmap.height() - 1);
    d->cutPixmap = d->pixmap.copy(cut);
    d->rect = rect;
}

void pzWallpaper::paint(QPainter& painter) {
    Q_D(pzWallpaper);
    if (d->cutPixmap.isNull())
        return;
    painter.drawPixmap(QRectF(d->rect), d->cutPixmap, QRectF());
}
