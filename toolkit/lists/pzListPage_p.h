// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzListPage.h"
#include "pzPrivate.h"

class pzListPagePrivate : public pzPrivate {
public:
    bool created = false;
};
