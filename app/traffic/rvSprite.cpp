// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvSprite.h"

#include "rvPicture.h"
#include "rvSprite_p.h"

#include <QPainter>

rvSprite::rvSprite(const QPixmap& pixmap, QGraphicsItem* parent)
    : QGraphicsItem(parent)
    , rvPrivatable(own(new rvSpritePrivate)) {
    Q_D(rvSprite);
    d->pixmap = pixmap;
}

rvSprite::~rvSprite() = default;

QRectF rvSprite::boundingRect() const {
    Q_D(const rvSprite);
    return rvPicture::bounds(d->pixmap);
}

void rvSprite::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    Q_D(rvSprite);
    rvPicture::draw(*painter, d->pixmap);
}
