// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzText.h"

#include "pzText_p.h"

#include <QMouseEvent>

pzText::pzText(QWidget* parent)
    : pzText(QString(), parent) {}

pzText::pzText(const QString& text, QWidget* parent)
    : QLabel(parent)
    , pzPrivatable(new pzTextPrivate) {
    setText(text);
}

pzText::~pzText() = default;

void pzText::mousePressEvent(QMouseEvent* event) {
    event->ignore();
}

void pzText::mouseReleaseEvent(QMouseEvent* event) {
    event->ignore();
}
