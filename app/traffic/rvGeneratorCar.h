// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "rvGenerator.h"

// A generator of cars.
class rvGeneratorCar : public rvGenerator {
    Q_OBJECT

public:
    explicit rvGeneratorCar(QObject* parent = nullptr);
    ~rvGeneratorCar() override;

    rvEntity* createEntity() override;
};
