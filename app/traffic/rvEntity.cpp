// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvEntity.h"

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

QRectF rvEntity::boundingRect() const {
    Q_D(const rvEntity);
    return QRectF(QPointF(0, 0), d->pixmap.deviceIndependentSize());
}

void rvEntity::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    Q_D(rvEntity);
    rvPicture::draw(*painter, d->pixmap);
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
    pixmap = rvPicture::load(name);
    if (!pixmap.isNull())
        QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void rvEntity::loadPixmap(const QString& prefix, int variant) {
    Q_D(rvEntity);
    const QPixmap pixmap = picture(pictureName(prefix, variant, d->direction));
    if (pixmap.deviceIndependentSize() != d->pixmap.deviceIndependentSize())
        prepareGeometryChange();
    d->pixmap = pixmap;
    update();
}

qint64 rvEntity::elapsedSinceLastStep() {
    Q_D(rvEntity);
    return d->clock.restart();
}

void rvEntity::travel(qreal distance) {
    Q_D(rvEntity);
    switch (d->direction) {
    case rvDirection::Up:
        d->position.ry() -= distance;
        break;
    case rvDirection::Right:
        d->position.rx() += distance;
        break;
    case rvDirection::Down:
        d->position.ry() += distance;
        break;
    case rvDirection::Left:
        d->position.rx() -= distance;
        break;
    }
}

void rvEntity::leaveIfOutside() {
    Q_D(rvEntity);
    if (!scene())
        return;
    // QRectF::contains counts the edges as inside, and never contains an empty rectangle.
    if (scene()->sceneRect().contains(QRectF(d->position, d->pixmap.deviceIndependentSize())))
        return;
    d->finished = true;
    setVisible(false);
}
