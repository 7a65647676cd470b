#pragma once

#include <QColor>
#include <QImage>

// Menu icons, window-button glyphs and the toolkit's logo mark.
namespace artIcons {

QImage about();
QImage exit();

QImage iconify();
QImage maximize();
QImage restore();
QImage close();

// The logo mark in one colour on transparent, `size` pixels square.
QImage logo(int size, const QColor& color);

} // namespace artIcons
