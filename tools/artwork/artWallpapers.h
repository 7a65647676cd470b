// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

// Three smooth abstract wallpapers.
namespace artWallpapers {

QImage fallout(); // 800 by 600, dusk over hills
QImage vista();   // 1280 by 1024, blue ribbons of light
QImage red();     // 1680 by 1050, red waves

} // namespace artWallpapers
