// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "rvPrivatable.h"

#include <QGraphicsScene>
#include <QObject>
#include <QRectF>
#include <QVector>

class rvEntity;
struct rvGeneratorPrivate;

// Keeps the traffic of one spawn tile going: on every update it deletes its entities that have
// left the scene and, two times in three, adds a new one in the middle of the tile.
class rvGenerator : public QObject, public rvPrivatable {
    Q_OBJECT
    Q_PROPERTY(int direction READ direction WRITE setDirection)
    Q_PROPERTY(QRectF geometry READ geometry WRITE setGeometry)
    Q_PROPERTY(QGraphicsScene* scene READ scene WRITE setScene)

public:
    static constexpr int Maximum = 10; // entities kept at a time

    ~rvGenerator() override;

    int direction() const;
    void setDirection(int direction);
    QRectF geometry() const;
    void setGeometry(const QRectF& geometry);
    QGraphicsScene* scene() const;
    void setScene(QGraphicsScene* scene);

    // The generator's entities, oldest first.
    const QVector<rvEntity*>& entities() const;

    // A new entity of the generator's kind, in no scene yet.
    virtual rvEntity* createEntity() = 0;

public slots:
    void update();

protected:
    rvGenerator(Handle record, QObject* parent);

private:
    void sweep();
    void spawn();

    RV_DECLARE_PRIVATE(rvGenerator)
};
