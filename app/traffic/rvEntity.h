// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "rvPrivatable.h"

#include <QGraphicsItem>

class QString;
struct rvEntityPrivate;

// Something that moves across the city block by elapsed time and hides itself once its
// picture has left the scene rectangle.
class rvEntity : public QGraphicsItem, public rvPrivatable {
public:
    // An entity with a plain record, for kinds that keep no state of their own.
    explicit rvEntity(QGraphicsItem* parent = nullptr);
    ~rvEntity() override;

    // The movement step. Phase 0: travel by the whole milliseconds since the previous step
    // times the kind's speed, then the leave test, which finishes and hides the entity once its
    // picture is not wholly inside the scene rectangle. Phase 1: the item shows the new
    // position. A finished entity does nothing in either phase.
    void advance(int phase) override;
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    int type() const override = 0;

    // Reloads the picture for the entity's variant and direction.
    virtual void updatePixmap();

    int direction() const;
    void setDirection(int direction);
    QPointF position() const;
    void setPosition(const QPointF& position);
    bool isFinished() const;

    // ":/car2Left.png" for prefix ":/car", variant 2, direction Left; a direction outside the
    // four codes adds no word.
    static QString pictureName(const QString& prefix, int variant, int direction);
    // The picture of the given resource name, null when it cannot be loaded.
    static QPixmap picture(const QString& name);

protected:
    // The concrete entity hands over its own, extended record.
    rvEntity(Handle record, QGraphicsItem* parent);

    void loadPixmap(const QString& prefix, int variant);

    // A kind's extras to the movement step; by default none. The distance the entity's speed
    // gives may be cut before it is travelled, and after the leave test, also one that has
    // just finished the entity, the entity may look around.
    virtual qreal limitStep(qreal distance);
    virtual void stepTaken();

    // The concrete kinds set up the shared record in their constructors.
    RV_DECLARE_PRIVATE(rvEntity)

private:
    void travel(qreal distance);
    void leaveIfOutside();

    // Links each entity it makes to its list.
    friend class rvGenerator;
};
