// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "rvCar.h"

#include "rvEntity_p.h"

struct rvCarPrivate : rvEntityPrivate {
    int variant = 1; // 1 to 3, drawn once
};
