// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "rvEntity.h"

// A car of one of three models, driving straight on at a constant speed.
class rvCar : public rvEntity {
public:
    static constexpr float Speed = 0.15f; // pixels per millisecond

    explicit rvCar(QGraphicsItem* parent = nullptr);

    int type() const override;
};
