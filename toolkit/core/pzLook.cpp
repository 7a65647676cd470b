// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzLook_p.h"

#include <QWidget>

void pzLook::setHoverLook(QWidget* text, QWidget* pointer, bool hovered) {
    QFont font = text->font();
    font.setUnderline(hovered);
    text->setFont(font);

    QCursor shape = pointer->cursor();
    shape.setShape(hovered ? Qt::PointingHandCursor : Qt::ArrowCursor);
    pointer->setCursor(shape);
}
