// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "rvGenerator.h"

// A generator of pedestrians.
class rvGeneratorMan : public rvGenerator {
    Q_OBJECT

public:
    explicit rvGeneratorMan(QObject* parent = nullptr);
    ~rvGeneratorMan() override;

    rvEntity* createEntity() override;
};
