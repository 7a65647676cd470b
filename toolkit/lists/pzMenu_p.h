// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzFrameMenu.h"
#include "pzListWidget_p.h"
#include "pzMenu.h"

#include <QPointer>

class pzMenuPrivate : public pzListWidgetPrivate {
public:
    void createInterface() override;

    pzMenuInterface* menuInterface = nullptr;
    QPointer<pzScrollArea> pageArea;
    // Owned by the page area, which may go first when their common parent is destroyed.
    QPointer<pzFrameMenu> frameMenu;
};
