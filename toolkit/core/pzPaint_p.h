// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzPaint.h"
#include "pzPrivate.h"

class QBrush;

class pzPaintPrivate : public pzPrivate {
public:
    explicit pzPaintPrivate(QPainter& painter)
        : painter(&painter) {}

    void fill(const QRect& rect, const QBrush& brush);

    QPainter* painter;
};
