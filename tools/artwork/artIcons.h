// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QImage>

// Menu icons, window-button glyphs and the toolkit's logo mark; scale: device pixels per logical
// pixel (1, or 2 for the "@2x" partner).
namespace artIcons {

QImage about(int scale = 1);
QImage exit(int scale = 1);

QImage iconify(int scale = 1);
QImage maximize(int scale = 1);
QImage restore(int scale = 1);
QImage close(int scale = 1);

// The logo mark in one colour on transparent, `size` logical pixels square.
QImage logo(int size, const QColor& color, int scale = 1);

} // namespace artIcons
