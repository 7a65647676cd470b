// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvEntity.h"

#include "pzPicture.h"
#include "rvEntity_p.h"
#include "rvPicture.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QPixmapCache>

rvEntity::rvEntity(QGraphicsItem* parent)
    : rvEntity(own(new rvEntityPrivate), parent) {}

rvEntity::rvEntity(Handle record, QGraphicsItem* parent)
    : QGraphicsItem(parent)
    , rvPrivatable(record) {
    Q_D(rvEntity);
    setZValue(1.0);
    d->clock.start();
}

rvEntity::~rvEntity() {
    Q_D(rvEntity);
    if (d->generatorList)
        d->generatorList->removeOne(this);
}

void rvEntity::advance(int phase) {
    Q_D(rvEntity);
    if (d->finished)
        return;
    if (phase != 0) {
        setPos(d->position + d->drawingOffset);
        return;
    }
    travel(limitStep(qreal(d->clock.restart()) * d->speed));
    leaveIfOutside();
    stepTaken();
}

QRectF rvEntity::boundingRect() const {
    Q_D(const rvEntity);
    return rvPicture::bounds(d->pixmap);
}

void rvEntity::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    Q_D(rvEntity);
    rvPicture::draw(*painter, d->pixmap);
}

void rvEntity::updatePixmap() {
    Q_D(rvEntity);
    loadPixmap(d->picturePrefix, d->variant);
}

int rvEntity::direction() const {
    Q_D(const rvEntity);
    return d->direction;
}

void rvEntity::setDirection(int direction) {
    Q_D(rvEntity);
    d->direction = direction;
    updatePixmap();
}

QPointF rvEntity::position() const {
    Q_D(const rvEntity);
    return d->position;
}

void rvEntity::setPosition(const QPointF& position) {
    Q_D(rvEntity);
    d->position = position;
}

bool rvEntity::isFinished() const {
    Q_D(const rvEntity);
    return d->finished;
}

QString rvEntity::pictureName(const QString& prefix, int variant, int direction) {
    static const char* const words[] = {"Up", "Right", "Down", "Left"};
    QString name = prefix + QString::number(variant);
    if (direction >= rvDirection::Up && direction <= rvDirection::Left)
        name += QLatin1String(words[direction]);
    return name + QLatin1String(".png");
}

// Pedestrians change their picture at every turn. QPixmap's own cache is keyed by the file's
// modification time, which costs a time-zone lookup and a file system call per load; keyed by
// the resource name alone, a picture that is already decoded is found at once.
QPixmap rvEntity::picture(const QString& name) {
    const QString key = QStringLiteral("rvEntity:") + name;
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = pzPicture::load(name);
    if (!pixmap.isNull())
        QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void rvEntity::loadPixmap(const QString& prefix, int variant) {
    Q_D(rvEntity);
    const QPixmap pixmap = picture(pictureName(prefix, variant, d->direction));
    const QSizeF size = pixmap.deviceIndependentSize();
    if (size != d->pictureSize)
        prepareGeometryChange();
    d->pixmap = pixmap;
    d->pictureSize = size;
    update();
}

qreal rvEntity::limitStep(qreal distance) {
    return distance;
}

void rvEntity::stepTaken() {}

void rvEntity::travel(qreal distance) {
    Q_D(rvEntity);
    d->position += QPointF(rvDirection::step(d->direction)) * distance;
}

void rvEntity::leaveIfOutside() {
    Q_D(rvEntity);
    const QGraphicsScene* scene = this->scene();
    if (!scene)
        return;
    // QRectF::contains counts the edges as inside, and never contains an empty rectangle.
    if (scene->sceneRect().contains(QRectF(d->position, d->pictureSize)))
        return;
    d->finished = true;
    setVisible(false);
}
