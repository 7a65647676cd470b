// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvGenerator.h"

#include "rvEntity.h"
#include "rvEntity_p.h"
#include "rvGenerator_p.h"
#include "rvRandom.h"

rvGenerator::rvGenerator(Handle record, QObject* parent)
    : QObject(parent)
    , rvPrivatable(record) {}

// The entities stay in the scene, which deletes them with itself.
rvGenerator::~rvGenerator() {
    Q_D(rvGenerator);
    for (rvEntity* entity : std::as_const(d->entities))
        entity->d_func()->generatorList = nullptr;
}

int rvGenerator::direction() const {
    Q_D(const rvGenerator);
    return d->direction;
}

void rvGenerator::setDirection(int direction) {
    Q_D(rvGenerator);
    d->direction = direction;
}

QRectF rvGenerator::geometry() const {
    Q_D(const rvGenerator);
    return d->geometry;
}

void rvGenerator::setGeometry(const QRectF& geometry) {
    Q_D(rvGenerator);
    d->geometry = geometry;
}

QGraphicsScene* rvGenerator::scene() const {
    Q_D(const rvGenerator);
    return d->scene;
}

void rvGenerator::setScene(QGraphicsScene* scene) {
    Q_D(rvGenerator);
    d->scene = scene;
}

const QVector<rvEntity*>& rvGenerator::entities() const {
    Q_D(const rvGenerator);
    return d->entities;
}

void rvGenerator::update() {
    Q_D(rvGenerator);
    sweep();
    // Drawn on every update, also when the generator is full.
    if (rvRandom::draw(3) == 2)
        return;
    if (d->entities.size() >= Maximum || !d->scene)
        return;
    spawn();
}

void rvGenerator::sweep() {
    Q_D(rvGenerator);
    d->entities.removeIf([](rvEntity* entity) {
        if (!entity->isFinished())
            return false;
        if (entity->scene())
            entity->scene()->removeItem(entity);
        // Unlinked first: the list is being walked.
        entity->d_func()->generatorList = nullptr;
        delete entity;
        return true;
    });
}

void rvGenerator::spawn() {
    Q_D(rvGenerator);
    rvEntity* entity = createEntity();
    d->scene->addItem(entity);
    entity->setDirection(d->direction);
    const QPointF placement = d->geometry.center() - entity->boundingRect().center();
    entity->setPosition(placement);
    entity->setPos(placement);
    d->entities.append(entity);
    entity->d_func()->generatorList = &d->entities;
}
