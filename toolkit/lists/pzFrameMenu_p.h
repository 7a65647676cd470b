// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzFrameMenu.h"
#include "pzPrivate.h"

class pzFrameMenuPrivate : public pzPrivate {
public:
    pzDynamicWidget* dynamicWidget = nullptr;
    int margin = 2;
    // The shown widget's end, which empties the frame menu.
    QMetaObject::Connection widgetWatch;
};
