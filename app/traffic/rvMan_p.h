// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "rvMan.h"

#include "rvEntity_p.h"

struct rvManPrivate : rvEntityPrivate {
    float walked = 0; // since the last turn check, up to exactly one tile
};
