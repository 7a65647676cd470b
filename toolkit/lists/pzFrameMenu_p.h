#pragma once

// Not public API: this header may change from one version to the next.

#include "pzFrameMenu.h"
#include "pzPrivate.h"

class pzFrameMenuPrivate : public pzPrivate {
public:
    pzDynamicWidget* dynamicWidget = nullptr;
    int margin = 2;
};
