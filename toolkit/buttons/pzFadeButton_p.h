// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzFadeButton.h"
#include "pzKeyboardFocus_p.h"
#include "pzLook_p.h"
#include "pzPushRecord_p.h"

#include <QColor>
#include <QString>

class pzFadeButtonPrivate : public pzPushRecord {
    PZ_DECLARE_PUBLIC(pzFadeButton)

public:
    // Common to both constructors: icon, icon size and the pressed look's timer.
    void init(const QString& path);

    QString path;
    QColor backColor = pzLook::fadeHoverColor;
    QColor backColorPush = pzLook::pushColor;
    pzKeyboardFocus keyboardFocus;
};
