// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

class QPainter;
class QPixmap;
class QRectF;

// The one drawing rule of the scene's still and moving pictures, which pzPicture::load gives at
// the resolution of the screen.
namespace rvPicture {

// The rectangle the picture covers in its item: from the origin, at its logical size; empty
// for a null picture.
QRectF bounds(const QPixmap& pixmap);

// Draws the whole picture unscaled over bounds(pixmap).
// A picture whose resolution differs from the painter's device (the "@2x" partner at 150 %) is
// resampled smoothly instead of pixel by pixel.
void draw(QPainter& painter, const QPixmap& pixmap);

} // namespace rvPicture
