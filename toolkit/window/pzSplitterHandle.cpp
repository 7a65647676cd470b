// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzSplitterHandle.h"

#include "pzLook_p.h"
#include "pzPaint.h"
#include "pzSplitterHandle_p.h"

#include <QPainter>

pzSplitterHandle::pzSplitterHandle(Qt::Orientation orientation, QSplitter* parent)
    : QSplitterHandle(orientation, parent)
    , pzPrivatable(new pzSplitterHandlePrivate) {}

pzSplitterHandle::~pzSplitterHandle() = default;

void pzSplitterHandle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!painter.isActive())
        return;
    pzPaint paint(painter);
    paint.drawRect(rect(), pzLook::barColor);
}
