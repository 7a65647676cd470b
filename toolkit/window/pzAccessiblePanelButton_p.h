// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzAccessibleButton_p.h"

// What assistive technology sees of the title bar's program button: a check box named for the
// panel it shows (the window's title is spoken once, by the window), checked while the box shows
// its panel. A check box, since a screen reader speaks the checked state of a check box when it
// changes, and Qt's AT-SPI bridge passes on no change of the expanded state.
class pzAccessiblePanelButton : public pzAccessibleButton {
public:
    using pzAccessibleButton::pzAccessibleButton;

    QAccessible::State state() const override;
};
