// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "rvEntity.h"

struct rvManPrivate;

// A pedestrian of one of three looks: walks the sidewalk and turns away from the road at the
// corner of its block. Its picture is drawn at a fixed random offset from its track.
class rvMan : public rvEntity {
public:
    static constexpr float Speed = 0.03f; // pixels per millisecond

    explicit rvMan(QGraphicsItem* parent = nullptr);

    int type() const override;

protected:
    qreal limitStep(qreal distance) override;
    void stepTaken() override;

private:
    RV_DECLARE_PRIVATE(rvMan)
};
