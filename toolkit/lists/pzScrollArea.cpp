// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzScrollArea.h"

#include "pzScrollArea_p.h"

pzScrollArea::pzScrollArea(QWidget* parent)
    : pzScrollArea(new pzScrollAreaPrivate, parent) {}

pzScrollArea::pzScrollArea(pzScrollAreaPrivate* d, QWidget* parent)
    : QScrollArea(parent)
    , pzPrivatable(d) {
    setBackgroundColor(Qt::transparent);
    setFrameStyle(QFrame::NoFrame);
    // Tab goes straight to the widgets inside, which the area scrolls into view.
    setFocusPolicy(Qt::NoFocus);
}

pzScrollArea::~pzScrollArea() = default;

void pzScrollArea::setBackgroundColor(const QColor& color) {
    QPalette palette = this->palette();
    palette.setBrush(QPalette::All, QPalette::Window, QBrush(color, Qt::SolidPattern));
    setPalette(palette);
}
