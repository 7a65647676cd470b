// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

class QPainter;
class QPixmap;
class QRectF;
class QString;

// Pictures of the program's resource collection at the resolution of the screen, and the one
// drawing rule of the scene's still and moving pictures.
namespace rvPicture {

// The picture at `name`, or on a screen with a device pixel ratio above 1 its "@2x" partner
// when there is one; either way its logical size (QPixmap::deviceIndependentSize) is that of
// the plain picture. Null when it cannot be loaded.
QPixmap load(const QString& name);

// The rectangle the picture covers in its item: from the origin, at its logical size; empty
// for a null picture.
QRectF bounds(const QPixmap& pixmap);

// Draws the whole picture unscaled over bounds(pixmap).
// A picture whose resolution differs from the painter's device (the "@2x" partner at 150 %) is
// resampled smoothly instead of pixel by pixel.
void draw(QPainter& painter, const QPixmap& pixmap);

} // namespace rvPicture
