// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "rvPrivatable.h"

#include <QGraphicsItem>

class QPixmap;
struct rvSpritePrivate;

// A still picture of the scene (a map tile or a tower), drawn unscaled at the item's origin.
class rvSprite : public QGraphicsItem, public rvPrivatable {
public:
    explicit rvSprite(const QPixmap& pixmap, QGraphicsItem* parent = nullptr);
    ~rvSprite() override;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    RV_DECLARE_PRIVATE(rvSprite)
};
