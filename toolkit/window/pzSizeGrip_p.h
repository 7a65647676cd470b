// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzPrivate.h"
#include "pzSizeGrip.h"

class pzSizeGripPrivate : public pzPrivate {
    PZ_DECLARE_PUBLIC(pzSizeGrip)

public:
    // The corner of the window the grip resizes from.
    Qt::Edges corner() const;
};
