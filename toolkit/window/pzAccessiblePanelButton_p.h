// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzAccessibleButton_p.h"

// What assistive technology sees of the title bar's program button: a push button named for the
// panel it shows, checked while the box shows its panel, so that the window's title is spoken
// once, by the window.
class pzAccessiblePanelButton : public pzAccessibleButton {
public:
    using pzAccessibleButton::pzAccessibleButton;

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
};
