// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

// The 300 by 464 flat-shaded portrait of the About page.
namespace artPortrait {

// scale: device pixels per logical pixel (1, or 2 for the "@2x" partner).
QImage portrait(int scale = 1);

} // namespace artPortrait
