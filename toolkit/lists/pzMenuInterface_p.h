// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzListInterface_p.h"
#include "pzMenuInterface.h"

class pzMenuInterfacePrivate : public pzListInterfacePrivate {
public:
    void attachPage(pzListPage* page) override;
};
