// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QColor>
#include <QSize>

class QWidget;

// The toolkit's look, written once: every widget that draws itself takes its colours and sizes
// from here.
namespace pzLook {

// Title bar, splitter handles and the frame menu's shadow.
inline const QColor barColor(0, 0, 0, 150);
// Pressed, checked and selected backgrounds.
inline const QColor pushColor(Qt::black);
inline const QColor fadeHoverColor(255, 255, 255, 100);
inline const QColor listHoverColor(0, 0, 0, 150);
// List areas and frames.
inline const QColor areaColor(255, 255, 255, 200);
inline const QColor rimColor(Qt::black);
// The close button's hover and pressed backgrounds.
inline const QColor closeHoverColor(255, 0, 0, 150);
inline const QColor closePushColor(255, 0, 0, 255);
// The toolkit's own popup menus, and their entries that cannot be chosen.
inline const QColor menuColor(24, 24, 24);
inline const QColor menuDisabledTextColor(120, 120, 120);
// The line under a list item at rest.
inline const QColor separatorColor(0, 0, 0, 50);
// The keyboard focus frame, on dark and on light backgrounds.
inline const QColor focusOnDarkColor(255, 255, 255, 220);
inline const QColor focusOnLightColor(0, 0, 0, 180);
constexpr int focusFrameWidth = 1;

constexpr int rimWidth = 2;
constexpr int gripSize = 10;
constexpr QSize buttonSize(22, 22);
constexpr QSize windowButtonSize(23, 22);
// How long the pressed look stays after the release.
constexpr int pushMilliseconds = 100;

// Underlines `text`'s font and gives `pointer` a pointing hand while hovered; plain text and
// the arrow otherwise.
void setHoverLook(QWidget* text, QWidget* pointer, bool hovered);

} // namespace pzLook
