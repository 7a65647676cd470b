// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzKeyboardFocus_p.h"
#include "pzListItem.h"
#include "pzPushRecord_p.h"

class QPainter;
class QRect;

class pzListItemPrivate : public pzPushRecord {
    PZ_DECLARE_PUBLIC(pzListItem)

public:
    void init();
    // The text beside the icon, and the separator line under an item at rest.
    void paintCaption(QPainter& painter, const QRect& content);

    static constexpr int IconTextGap = 8;

    int margin = 4;
    bool selected = false;
    pzKeyboardFocus keyboardFocus;
};
