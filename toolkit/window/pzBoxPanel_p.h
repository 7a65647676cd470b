// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzBoxPanel.h"
#include "pzPrivate.h"

#include <QPointer>

class QVBoxLayout;
class pzMenu;
class pzScrollArea;
class pzSplitter;

class pzBoxPanelPrivate : public pzPrivate {
public:
    static constexpr int ListWidth = 150;

    QVBoxLayout* panelLayout = nullptr;
    pzSplitter* splitter = nullptr;
    // Tracked: a user may delete the list, and the panel then hands out none.
    QPointer<pzMenu> list;
    pzScrollArea* pageArea = nullptr;
};
