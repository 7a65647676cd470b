// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzFadeButton_p.h"
#include "pzFadeTextButton.h"

class pzText;

class pzFadeTextButtonPrivate : public pzFadeButtonPrivate {
    PZ_DECLARE_PUBLIC(pzFadeTextButton)

public:
    void setUpLayout(const QString& text);

    static constexpr int TextIndent = 26;
    static constexpr int TextTrail = 6;

    pzText* label = nullptr;
};
